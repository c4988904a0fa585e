// The two passes that list the plans of a Livre directory, and the files of it that clash.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <boost/filesystem/operations.hpp>

#include "engine/dossier.h"
#include "engine/emprise_polygone.h"
#include "engine/plan_fichier.h"
#include "host/element_handle.h"
#include "host/paths.h"
#include "titleblock/cart_cadre.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

namespace {

// The path, the plan name and the upper-cased file name of a Livre entry that may list a plan;
// false for a file that names no plan and for the EL2, GZ2 and AR2 files (a three-file plan is
// listed through its FP2 file).
bool dossier_entreePlan(std::wstring& chemin, std::wstring& nomPlan, std::wstring& nomFichier,
                        const std::wstring& entree) {
  chemin = entree;  // as it stands on disk, for the reports
  std::wstring majuscules = entree;
  stbStr_majuscules(majuscules);
  if (plan_nomDepuisFichier(nomPlan, majuscules) != 0 || nomPlan.empty()) return false;
  std::wstring extension;
  stbFichier_extension(extension, majuscules);
  if (extension == L"EL2" || extension == L"GZ2" || extension == L"AR2") return false;
  stbFichier_nom(nomFichier, majuscules);
  return true;
}

}  // namespace

void dossier_listerFichiers(std::vector<verplaninfo>& plans, const std::wstring& livre,
                            const std::function<bool(const std::wstring&)>& polygoneUtile) {
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
    stbStr_majuscules(extension);
    const bool garde = cadreLu && type == (extension == L"FP2" ? 2u : 1u);
    host::Point3d origine;
    if (garde && idCadre != 0)
      stbElem_lireCellule(&origine, nullptr, nullptr, nullptr, host::ElementHandle(idCadre, modele));
    // The footprint pass then needs no second load of the file.
    std::optional<std::pair<std::uint32_t, std::vector<host::Point3d>>> polygone;
    if (garde && georeference && polygoneUtile && polygoneUtile(chemin)) {
      try {
        std::vector<host::Point3d> points;
        const std::uint32_t calcul = emprise_calculerPolygone(points, modele);
        polygone.emplace(calcul, std::move(points));
      } catch (...) {
        // left unset: the footprint pass works it out
      }
    }
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
    info.polygoneEmprise = std::move(polygone);
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
    stbStr_majuscules(extension);
    info.chemin = chemin;
    info.nomFichier = nomFichier;
    info.nomPlan = nomPlan;
    info.libelleEmprise = nomPlan;
    info.type = extension == L"FP2" ? 2 : 1;
    info.version = 1;
    plans.push_back(std::move(info));
  }
}

void dossier_ecarterHomonymes(std::vector<verplaninfo>& plans, const std::wstring& livre) {
  // The entries as they stand on disk (the toolbox's listing leaves out a name it cannot write as
  // itself), keyed by their upper-cased decoded name in the form the reports store it: names
  // that differ only by case, or by characters that form maps alike (";" and ","), would share
  // one summary row.
  const auto cle = [](const std::wstring& nom) {
    std::wstring majuscules = nom;
    stbStr_majuscules(majuscules);
    return stbStr_champCsv(majuscules);
  };
  std::map<std::wstring, std::vector<std::wstring>> parNom;
  try {
    namespace fs = boost::filesystem;
    boost::system::error_code ec;
    for (fs::directory_iterator it(host::paths::resolve(livre), ec), fin; !ec && it != fin; it.increment(ec)) {
      boost::system::error_code ecType;
      if (fs::status(it->path(), ecType).type() != fs::regular_file || ecType) continue;
      const std::wstring nom = host::paths::fromNative(it->path().filename());
      parNom[cle(nom)].push_back(nom);
    }
  } catch (...) {
  }
  std::vector<std::wstring> ecartes;
  for (auto& [forme, noms] : parNom) {
    if (noms.size() < 2) continue;
    std::sort(noms.begin(), noms.end());
    std::wstring liste;
    bool casse = true;  // the names differ only by case or encoding
    for (const std::wstring& nom : noms) {
      liste += (liste.empty() ? L"" : L", ") + nom;
      casse = casse && stbStr_comparer(nom, noms.front(), false) == 0;
    }
    std::wstring nomPlan;
    if (plan_nomDepuisFichier(nomPlan, forme) == 0 && !nomPlan.empty()) ecartes.push_back(nomPlan);
    stbMsg_afficher(4, L"", casse ? stbStr_toString(L"Les fichiers %s d\u00e9signent le m\u00eame fichier sans distinction de "
                                                    L"casse ni d'encodage : leur plan n'est pas v\u00e9rifi\u00e9. "
                                                    L"Renommez-les.", liste)
                                  : stbStr_toString(L"Les fichiers %s portent le m\u00eame nom dans les rapports : leur plan "
                                                    L"n'est pas v\u00e9rifi\u00e9. Renommez-les.", liste));
  }
  plans.erase(std::remove_if(plans.begin(), plans.end(),
                             [&](const verplaninfo& p) {
                               return std::find(ecartes.begin(), ecartes.end(), cle(p.nomPlan)) != ecartes.end();
                             }),
              plans.end());
}
