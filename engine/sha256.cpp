#include "engine/sha256.h"

#include <openssl/evp.h>

#include <array>
#include <fstream>
#include <memory>
#include <vector>

#include "host/paths.h"
#include "toolbox/stb_fichier.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;

struct LibererContexte {
  void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

}  // namespace

std::int32_t sha256_flux(std::string& hex, std::istream& flux) {
  hex.clear();
  std::unique_ptr<EVP_MD_CTX, LibererContexte> ctx(EVP_MD_CTX_new());
  if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1) return kEchec;
  std::vector<char> bloc(tailleBlocSha256);
  try {
    while (flux) {
      flux.read(bloc.data(), static_cast<std::streamsize>(bloc.size()));
      const std::streamsize lus = flux.gcount();
      if (lus > 0 && EVP_DigestUpdate(ctx.get(), bloc.data(), static_cast<std::size_t>(lus)) != 1) return kEchec;
    }
  } catch (...) {
    return kEchec;
  }
  // A read stops at the end (eof with fail) or on an error (bad): only the end gives a digest.
  if (flux.bad() || !flux.eof()) return kEchec;
  std::array<unsigned char, EVP_MAX_MD_SIZE> octets{};
  unsigned int taille = 0;
  if (EVP_DigestFinal_ex(ctx.get(), octets.data(), &taille) != 1 || taille != 32) return kEchec;
  static constexpr char chiffres[] = "0123456789abcdef";
  hex.reserve(64);
  for (unsigned int i = 0; i < taille; ++i) {
    hex += chiffres[octets[i] >> 4];
    hex += chiffres[octets[i] & 0x0F];
  }
  return 0;
}

std::int32_t sha256_fichier(std::string& hex, const std::wstring& chemin) {
  hex.clear();
  try {
    if (!stbFichier_existe(chemin)) return kEchec;
    std::ifstream flux(host::paths::resolve(chemin).string(), std::ios::binary);
    if (!flux.is_open()) return kEchec;
    return sha256_flux(hex, flux);
  } catch (...) {
    hex.clear();
    return kEchec;
  }
}
