// HostMain: the ixhost command line, shared by both targets (each has its own main that
// hands over the arguments as Windows-1251 text).
//
//   ixhost [--plugin FILE] [--out DIR] [--verbose] SCRIPT
//
// Exit status: 0 when every expectation held, 1 when some failed, 2 when the script or
// the set-up is at fault (the message names the line).
#pragma once

#include <string>
#include <vector>

namespace ix::host {

int HostMain(const std::vector<std::string>& args);

// Per target: the folder of the ixhost program and the plug-in file's usual name there.
std::string ProgramFolder();
const char* DefaultPluginName();
char PathSeparator();

} // namespace ix::host
