#pragma once
// What the plug-in libtolvek.so offers the host: its entry MdlMain. Its version record (in
// app_demarrage.cpp) is read from the file, not through the loader. Everything else is hidden.

#define TOLVEK_EXPORT __attribute__((visibility("default")))

// The host's entry: argv[0] is the plug-in's own path.
extern "C" TOLVEK_EXPORT void MdlMain(int argc, const wchar_t** argv);
