#pragma once
// Marks a function as part of the library's outside surface (undecorated C names).

#ifdef _WIN32
#define IX_EXPORT extern "C" __declspec(dllexport)
#else
#define IX_EXPORT extern "C" __attribute__((visibility("default")))
#endif
