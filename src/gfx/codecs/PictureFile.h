// PictureFile: pictures and layer files read from and written to disk by name.
//
// Names are Windows-1251 text as the host gives them (see FileSystem.h). On load the
// content decides the format; on save the name's last extension does. The file is read
// whole and decoded in memory; a picture is encoded whole before the file is created, so
// a failed encoding leaves no file behind.
//
// Results: "nothing" means the file holds no format we know (or, for a save, that no
// codec writes that extension, and nothing was written). GfxError means the file could
// not be opened, read or written, or a known format was malformed.
#pragma once

#include "gfx/Layer.h"
#include "gfx/codecs/Codec.h"
#include "gfx/codecs/LayerFile.h"

#include <optional>
#include <string_view>
#include <vector>

namespace ix::gfx::codecs {

std::optional<std::vector<Picture>> LoadPictureFiles(std::string_view cp1251Name, const DecodeOptions& options = {});
// The first image of the file.
std::optional<Picture> LoadPictureFile(std::string_view cp1251Name, const DecodeOptions& options = {});
// A Photoshop file as its layers; any other picture as one layer at 0,0.
std::optional<std::vector<Layer>> LoadLayeredPictureFile(std::string_view cp1251Name, const DecodeLimits& limits = {});
bool SavePictureFile(std::string_view cp1251Name, const Picture& picture, const EncodeOptions& options = {});

// Nothing when the file lacks the layer-file signature.
std::optional<LayerDocument> LoadLayerFile(std::string_view cp1251Name, const DecodeLimits& limits = {});
void SaveLayerFile(std::string_view cp1251Name, std::span<const Layer> layers, int currentIndex);

} // namespace ix::gfx::codecs
