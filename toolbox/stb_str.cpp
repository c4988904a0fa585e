#include "toolbox/stb_str.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <string_view>
#include <system_error>

#include "host/messages.h"
#include "host/paths.h"
#include "toolbox/stb_latin1.h"

namespace stb_detail {

void signalerErreurFormatage() noexcept {
  try {
    const std::wstring message = L"Erreur de formatage stbStr_toString";
    host::messages::messageCenter(10, message, message, 2);
  } catch (...) {
  }
}

}  // namespace stb_detail

namespace {

constexpr int kEchec = 0x8000;

std::wstring minuscules(const std::wstring& texte) {
  std::wstring out(texte);
  for (wchar_t& c : out) c = host::paths::lower(c);
  return out;
}

// White space of the "C" locale.
bool blanc(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

bool chiffre(wchar_t c) { return c >= L'0' && c <= L'9'; }

int ordre(int difference) { return difference < 0 ? -1 : difference > 0 ? 1 : 0; }

}  // namespace

int stbStr_separer(std::wstring& gauche, std::wstring& droite, const std::wstring& texte,
                   const std::wstring& separateur) {
  try {
    const size_t p = texte.find(separateur);
    if (p == std::wstring::npos) {
      gauche = texte;
      droite.clear();
      return kEchec;
    }
    // Copies first: gauche or droite may be the text itself.
    std::wstring g = texte.substr(0, p);
    std::wstring d = texte.substr(p + separateur.size());
    gauche = std::move(g);
    droite = std::move(d);
    return 0;
  } catch (...) {
    return kEchec;
  }
}

bool stbStr_commencePar(const std::wstring& texte, const std::wstring& prefixe, bool sensibleCasse) {
  if (prefixe.size() > texte.size()) return false;
  for (size_t i = 0; i < prefixe.size(); ++i) {
    const wchar_t a = texte[i], b = prefixe[i];
    if (sensibleCasse ? a != b : host::paths::upper(a) != host::paths::upper(b)) return false;
  }
  return true;
}

int stbStr_comparer(const std::wstring& a, const std::wstring& b, bool sensibleCasse) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    // Code units compared as unsigned 16-bit values, as on the original platform.
    wchar_t x = a[i], y = b[i];
    if (!sensibleCasse) {
      x = host::paths::upper(x);
      y = host::paths::upper(y);
    }
    if (x != y) return ordre(static_cast<int64_t>(static_cast<uint32_t>(x)) - static_cast<uint32_t>(y));
  }
  return ordre(static_cast<int64_t>(a.size()) - static_cast<int64_t>(b.size()));
}

int stbStr_chercher(const std::wstring& texte, const std::wstring& quoi, bool sensibleCasse) {
  try {
    const size_t p = sensibleCasse ? texte.find(quoi) : minuscules(texte).find(minuscules(quoi));
    return p == std::wstring::npos || p > static_cast<size_t>(INT_MAX) ? -1 : static_cast<int>(p);
  } catch (...) {
    return -1;
  }
}

int stbStr_remplacerPremier(std::wstring& texte, const std::wstring& quoi, const std::wstring& remplacement) {
  const int p = stbStr_chercher(texte, quoi, false);
  if (p < 0) return kEchec;
  try {
    texte.replace(static_cast<size_t>(p), quoi.size(), remplacement);
    return 0;
  } catch (...) {
    return kEchec;
  }
}

const std::wstring& stbStr_versLarge(std::wstring& sortie, const std::string& texte) {
  try {
    sortie = stbLatin1_decoder(std::string_view(texte.c_str()));  // up to the first null
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

void stbStr_majuscules(std::wstring& texte) {
  for (wchar_t& c : texte) c = host::paths::upper(c);
}

bool stbStr_lireChiffres(std::uint64_t& valeur, const std::wstring& texte, std::size_t& position, std::uint64_t maximum) {
  std::size_t i = position;
  if (i >= texte.size() || !chiffre(texte[i])) return false;
  std::uint64_t n = 0;
  for (; i < texte.size() && chiffre(texte[i]); ++i) {
    const std::uint64_t d = static_cast<std::uint64_t>(texte[i] - L'0');
    if (n > (maximum - d) / 10) return false;
    n = n * 10 + d;
  }
  valeur = n;
  position = i;
  return true;
}

int stbStr_versEntier(const std::wstring& texte) {
  size_t i = 0;
  while (i < texte.size() && blanc(texte[i])) ++i;
  bool negatif = false;
  if (i < texte.size() && (texte[i] == L'+' || texte[i] == L'-')) negatif = texte[i++] == L'-';
  // Up to INT_MAX + 1, the magnitude of INT_MIN; anything larger is out of range whatever follows.
  std::uint64_t chiffres = 0;
  if (!stbStr_lireChiffres(chiffres, texte, i, static_cast<std::uint64_t>(INT_MAX) + 1)) return 0;
  const int64_t valeur = negatif ? -static_cast<int64_t>(chiffres) : static_cast<int64_t>(chiffres);
  if (valeur > INT_MAX || valeur < INT_MIN) return 0;
  return static_cast<int>(valeur);
}

double stbStr_versReel(const std::wstring& texte) {
  try {
    size_t i = 0;
    while (i < texte.size() && blanc(texte[i])) ++i;
    std::string nombre;  // the recognised number, ASCII, without a "+" sign
    if (i < texte.size() && (texte[i] == L'+' || texte[i] == L'-')) {
      if (texte[i] == L'-') nombre.push_back('-');
      ++i;
    }
    size_t chiffres = 0;
    for (; i < texte.size() && chiffre(texte[i]); ++i, ++chiffres) nombre.push_back(static_cast<char>(texte[i]));
    if (i < texte.size() && texte[i] == L'.') {
      nombre.push_back('.');
      for (++i; i < texte.size() && chiffre(texte[i]); ++i, ++chiffres)
        nombre.push_back(static_cast<char>(texte[i]));
    }
    if (chiffres == 0) return 0.0;
    if (i < texte.size() && (texte[i] == L'e' || texte[i] == L'E')) {
      size_t j = i + 1;
      std::string exposant = "e";
      if (j < texte.size() && (texte[j] == L'+' || texte[j] == L'-')) exposant.push_back(static_cast<char>(texte[j++]));
      if (j < texte.size() && chiffre(texte[j])) {
        for (; j < texte.size() && chiffre(texte[j]); ++j) exposant.push_back(static_cast<char>(texte[j]));
        nombre += exposant;
      }
    }
    double valeur = 0.0;
    const auto [fin, erreur] = std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (erreur != std::errc() || fin != nombre.data() + nombre.size()) return 0.0;
    return valeur;
  } catch (...) {
    return 0.0;
  }
}

void stbStr_decouper(std::vector<std::wstring>& sortie, const std::wstring& texte, const std::wstring& separateur) {
  try {
    std::vector<std::wstring> champs;
    if (separateur.empty()) {
      champs.push_back(texte);
    } else {
      size_t debut = 0;
      for (;;) {
        const size_t p = separateur.size() == 1 ? texte.find(separateur[0], debut)
                                                : texte.find_first_of(separateur, debut);
        if (p == std::wstring::npos) break;
        champs.push_back(texte.substr(debut, p - debut));
        debut = p + 1;
      }
      champs.push_back(texte.substr(debut));
    }
    sortie = std::move(champs);
  } catch (...) {
    sortie.clear();
  }
}

void stbStr_decouperLignes(std::vector<std::wstring>& sortie, const std::wstring& texte) {
  stbStr_decouper(sortie, texte, stbStr_toString(L"%c", static_cast<char>(13)));
}

std::wstring stbStr_champCsv(const std::wstring& texte) {
  std::wstring champ = texte;
  for (wchar_t& c : champ) {
    if (c == L';')
      c = L',';
    else if (c == L'\r' || c == L'\n')
      c = L' ';
    else if (c < 0 || c > 0xFF)
      c = L'_';
  }
  return champ;
}

const std::wstring& stbStr_avantPointVirgule(std::wstring& sortie, const std::wstring& texte) {
  try {
    sortie = texte.substr(0, texte.find(L';'));
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

int stbStr_indiceDansListe(const std::vector<std::wstring>& liste, const std::wstring& texte, bool sensibleCasse) {
  for (size_t i = 0; i < liste.size() && i <= static_cast<size_t>(INT_MAX); ++i)
    if (stbStr_comparer(liste[i], texte, sensibleCasse) == 0) return static_cast<int>(i);
  return -1;
}

namespace {

void remplacerTout(std::wstring& texte, std::wstring_view quoi, std::wstring_view par) {
  std::wstring out;
  out.reserve(texte.size() * 2);
  size_t debut = 0;
  for (size_t p; (p = texte.find(quoi, debut)) != std::wstring::npos; debut = p + quoi.size()) {
    out.append(texte, debut, p - debut);
    out.append(par);
  }
  out.append(texte, debut, std::wstring::npos);
  texte = std::move(out);
}

}  // namespace

const std::wstring& stbStr_masqueVersRegex(std::wstring& sortie, const std::wstring& masque) {
  try {
    std::wstring motif = masque;
    // The backslash first, so that the backslashes added next are not escaped again.
    for (const wchar_t c : std::wstring_view(L"\\^.$|()[]*+?/")) {
      const wchar_t seul[] = {c, 0};
      const wchar_t echappe[] = {L'\\', c, 0};
      remplacerTout(motif, seul, echappe);
    }
    remplacerTout(motif, L"\\?", L".");
    remplacerTout(motif, L"\\*", L".*");
    sortie = std::move(motif);
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

std::string stbStr_versEtroit(const std::wstring& texte) {
  std::string etroit;
  try {
    etroit.reserve(texte.size());
    for (wchar_t c : texte) etroit.push_back(static_cast<char>(static_cast<unsigned char>(static_cast<std::uint32_t>(c) & 0xFF)));
  } catch (...) {
    etroit.clear();
  }
  return etroit;
}
