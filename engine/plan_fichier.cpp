#include "engine/plan_fichier.h"

#include <array>

#include "host/paths.h"

namespace {

constexpr std::uint32_t echec = 0x8000;

struct themeExtension {
  const wchar_t* extension;
  std::uint32_t theme;
};
constexpr std::array<themeExtension, 4> extensionsTheme{{
    {L"FP2", themeFP2}, {L"EL2", themeEL2}, {L"GZ2", themeGZ2}, {L"AR2", themeAR2}}};

// File name, stem and extension (without its point) of a path; "/" and "\" both separate.
struct morceaux {
  std::wstring nom;
  std::wstring racine;
  std::wstring extension;
};

morceaux decomposer(const std::wstring& chemin) {
  morceaux m;
  const std::size_t separateur = chemin.find_last_of(L"/\\");
  m.nom = separateur == std::wstring::npos ? chemin : chemin.substr(separateur + 1);
  const std::size_t point = m.nom.rfind(L'.');
  m.racine = point == std::wstring::npos ? m.nom : m.nom.substr(0, point);
  m.extension = point == std::wstring::npos ? std::wstring() : m.nom.substr(point + 1);
  return m;
}

std::uint32_t themeDeExtension(const std::wstring& extension) {
  for (const themeExtension& t : extensionsTheme)
    if (host::paths::equalNoCase(extension, t.extension)) return t.theme;
  return themeAucun;
}

void majuscules(std::wstring& texte) {
  for (wchar_t& c : texte) c = host::paths::upper(c);
}

}  // namespace

std::uint32_t plan_nomDepuisFichier(std::wstring& nomPlan, const std::wstring& chemin) {
  nomPlan.clear();
  if (chemin.empty()) return echec;
  const morceaux m = decomposer(chemin);
  if (themeDeExtension(m.extension) != themeAucun) {
    if (m.racine.size() != 25 && m.racine.size() != 26) return echec;
    nomPlan = m.racine;
  } else {
    if (m.extension.size() != 3 || m.racine.size() != 8) return echec;
    nomPlan = m.nom;
  }
  majuscules(nomPlan);
  return 0;
}

std::uint32_t plan_themeFichier(const std::wstring& nomFichier) {
  if (nomFichier.empty()) return themeAucun;
  const morceaux m = decomposer(nomFichier);
  if (const std::uint32_t theme = themeDeExtension(m.extension); theme != themeAucun) return theme;
  return m.extension.size() == 3 && m.racine.size() == 8 ? themePlanUnique : themeAucun;
}
