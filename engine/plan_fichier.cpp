#include "engine/plan_fichier.h"

#include <array>

#include "toolbox/stb_dgn.h"
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

const std::wstring& plan_fichierTheme(std::wstring& chemin, std::uint32_t theme, const verplaninfo& plan) {
  chemin.clear();
  if (plan.type == 1) {
    chemin = plan.chemin;
  } else if (plan.type == 2) {
    for (const themeExtension& t : extensionsTheme) {
      if (t.theme != theme) continue;
      const morceaux m = decomposer(plan.chemin);
      // Same folder and stem: only the extension changes.
      const std::size_t finRacine = plan.chemin.size() - m.nom.size() + m.racine.size();
      chemin = plan.chemin.substr(0, finRacine) + L"." + t.extension;
      break;
    }
  }
  return chemin;
}

std::int32_t dossier_chercherPlan(const std::wstring& nom, const std::vector<verplaninfo>& plans) {
  std::wstring cherche = nom;
  stbStr_majuscules(cherche);
  for (std::size_t i = 0; i < plans.size(); ++i)
    if (plans[i].nomPlan == cherche) return static_cast<std::int32_t>(i);
  return -1;
}

std::uint32_t plan_typeFichierModele(host::ModelRef modele) {
  std::wstring nom;
  stbDgn_nomFichier(nom, modele);
  const std::uint32_t theme = plan_themeFichier(nom);
  return theme == themeAucun ? 0 : theme == themePlanUnique ? 1 : 2;
}

std::uint32_t plan_ouvrir(verplaninfo& plan) {
  std::wstring chemin;
  bool aOuvrir = false;
  if (plan.type == 1) {
    chemin = plan.chemin;
    aOuvrir = true;
  } else if (plan.type == 2) {
    const std::uint32_t theme = plan.masqueTheme == 62 ? themeEL2 : plan.masqueTheme == 1984 ? themeGZ2 : themeAucun;
    if (theme != themeAucun) aOuvrir = stbFichier_existe(plan_fichierTheme(chemin, theme, plan));
  } else {
    return 0;
  }
  host::ModelRef modele;
  if (aOuvrir && stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) == 0) {
    plan.modeleTheme = modele;
    return 0;
  }
  // A failure leaves no theme model behind: the one the record held is closed (unless it is the
  // active model, which is never closed).
  if (plan.modeleTheme) stbDgn_fermerFichier(plan.modeleTheme);
  plan.modeleTheme = host::ModelRef{};
  if (plan.type == 1) plan.modelePrincipal = host::ModelRef{};
  return echec;
}
