// The two passes that list the plans of a Livre directory.
#include <string>
#include <vector>

#include "engine/dossier.h"
#include "engine/plan_fichier.h"
#include "host/element_handle.h"
#include "titleblock/cart_cadre.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

// The upper-cased path, the plan name and the file name of a Livre entry that may list a plan;
// false for a file that names no plan and for the EL2, GZ2 and AR2 files (a three-file plan is
// listed through its FP2 file).
bool dossier_entreePlan(std::wstring& chemin, std::wstring& nomPlan, std::wstring& nomFichier,
                        const std::wstring& entree) {
  chemin = entree;
  stbStr_majuscules(chemin);
  if (plan_nomDepuisFichier(nomPlan, chemin) != 0 || nomPlan.empty()) return false;
  std::wstring extension;
  stbFichier_extension(extension, chemin);
  if (extension == L"EL2" || extension == L"GZ2" || extension == L"AR2") return false;
  stbFichier_nom(nomFichier, chemin);
  return true;
}

}  // namespace

void dossier_listerFichiers(std::vector<verplaninfo>& plans, const std::wstring& livre) {
  std::vector<std::wstring> entrees;
  stbFichier_lister(entrees, livre, L"*.*");
  for (const std::wstring& entree : entrees) {
    std::wstring chemin, nomPlan, nomFichier;
    if (!dossier_entreePlan(chemin, nomPlan, nomFichier, entree)) continue;
    host::ModelRef modele;
    if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) != 0) continue;
    host::Range3d etendue;
    stbDgn_etendueModele(etendue, modele);
    std::uint32_t type = 0, version = 0;
    bool georeference = false;
    std::wstring codeProjection;
    std::uint64_t idCadre = 0;
    const bool cadreLu =
        cart_lireCadre(&type, &version, &georeference, &codeProjection, &idCadre, nullptr, modele) == 0;
    std::wstring extension;
    stbFichier_extension(extension, chemin);
    const bool garde = cadreLu && type == (extension == L"FP2" ? 2u : 1u);
    host::Point3d origine;
    if (garde && idCadre != 0)
      stbElem_lireCellule(&origine, nullptr, nullptr, nullptr, host::ElementHandle(idCadre, modele));
    stbDgn_fermerFichier(modele);  // the host's active model is left open
    if (!garde) continue;
    verplaninfo info;
    verplaninfo_construire(info);
    info.chemin = chemin;
    info.nomFichier = nomFichier;
    info.nomPlan = nomPlan;
    info.libelleEmprise = nomPlan;
    info.type = type;
    info.version = version;
    info.georeference = georeference;
    info.projection.codeCourt = codeProjection;
    info.origineCadre = origine;
    info.etendue = etendue;
    plans.push_back(std::move(info));
  }
}

void dossier_listerPlans(std::vector<verplaninfo>& plans, const std::wstring& livre) {
  std::vector<std::wstring> entrees;
  stbFichier_lister(entrees, livre, L"*.*");
  for (const std::wstring& entree : entrees) {
    std::wstring chemin, nomPlan, nomFichier;
    if (!dossier_entreePlan(chemin, nomPlan, nomFichier, entree)) continue;
    if (dossier_chercherPlan(nomPlan, plans) >= 0) continue;
    verplaninfo info;
    verplaninfo_construire(info);
    std::wstring extension;
    stbFichier_extension(extension, chemin);
    info.chemin = chemin;
    info.nomFichier = nomFichier;
    info.nomPlan = nomPlan;
    info.libelleEmprise = nomPlan;
    info.type = extension == L"FP2" ? 2 : 1;
    info.version = 1;
    plans.push_back(std::move(info));
  }
}
