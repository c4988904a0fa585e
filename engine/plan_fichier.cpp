#include "engine/plan_fichier.h"

#include <array>

#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t echec = 0x8000;

struct themeExtension {
  const wchar_t* extension;
  std::uint32_t theme;
};
constexpr std::array<themeExtension, 4> extensionsTheme{{
    {L"FP2", themeFP2}, {L"EL2", themeEL2}, {L"GZ2", themeGZ2}, {L"AR2", themeAR2}}};

// File name, stem and extension (without its point) of a path.
struct morceaux {
  std::wstring nom;
  std::wstring racine;
  std::wstring extension;
};

morceaux decomposer(const std::wstring& chemin) {
  morceaux m;
  std::wstring dossier;
  stbFichier_nom(m.nom, chemin);
  stbFichier_decomposer(dossier, m.racine, m.extension, chemin);
  return m;
}

std::uint32_t themeDeExtension(const std::wstring& extension) {
  for (const themeExtension& t : extensionsTheme)
    if (stbStr_comparer(extension, t.extension, false) == 0) return t.theme;
  return themeAucun;
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
  stbStr_majuscules(nomPlan);
  return 0;
}

std::uint32_t plan_themeFichier(const std::wstring& nomFichier) {
  if (nomFichier.empty()) return themeAucun;
  const morceaux m = decomposer(nomFichier);
  if (const std::uint32_t theme = themeDeExtension(m.extension); theme != themeAucun) return theme;
  return m.extension.size() == 3 && m.racine.size() == 8 ? themePlanUnique : themeAucun;
}
