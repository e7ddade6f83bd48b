// PngFile: writes a captured picture as an 8-bit RGBA PNG (libpng on Linux, a small
// writer of our own with stored deflate blocks on Windows: snapshots are for looking at
// and comparing, not for size).
#pragma once

#include "host/RgbaImage.h"

#include <string>

namespace ix::host {

// `path` is Windows-1251. Throws ScriptError (line given) when the file cannot be written.
void WritePng(const std::string& path, const RgbaImage& image, int line);

} // namespace ix::host
