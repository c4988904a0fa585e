#pragma once
// SHA-256 digests of files, read in one pass through a 1 MiB buffer (never loaded whole).
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

inline constexpr std::size_t tailleBlocSha256 = 1048576;  // bytes read at a time

// The digest of the bytes the stream gives until its end, as 64 lower-case hexadecimal digits:
// 0, or 0x8000 with `hex` empty when the stream fails before its end (never the digest of part
// of the bytes).
std::int32_t sha256_flux(std::string& hex, std::istream& flux);

// The digest of a regular file's bytes (the path resolved as the toolbox resolves it): 0, or
// 0x8000 with `hex` empty when the file cannot be opened or read to its end.
std::int32_t sha256_fichier(std::string& hex, const std::wstring& chemin);
