#pragma once
// File versions of our libraries.
#include <string>

// The file's version "major.minor.build.revision" from its version record; empty when the file is
// missing or has none.
void app_lireVersionFichier(std::wstring& version, const std::wstring& chemin);
