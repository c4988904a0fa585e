#include "titleblock/ctrl_cartouche_v2.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/erreur.h"
#include "host/element_handle.h"
#include "titleblock/cart_cadre.h"
#include "titleblock/cart_cellules.h"
#include "titleblock/cart_lecture.h"
#include "titleblock/ctrl_cartouche_table.h"
#include "titleblock/ctrl_commun.h"
#include "titleblock/ctrl_dates_reseaux.h"
#include "titleblock/ctrl_projection.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;
constexpr std::uint32_t codeCadre = 1102;
constexpr std::uint32_t codeSansCartouche = 1103;
constexpr std::uint32_t codePositionCartouche = 1105;
constexpr std::uint32_t codeIncoherence = 1106;
constexpr std::uint32_t codeIncomplet = 1107;
constexpr std::uint32_t codeNomFichier = 1108;
constexpr std::uint32_t codeEchelle = 1122;
constexpr std::uint32_t codeQualite = 1133;

const wchar_t* const folioEcart = L"Ecart sur num\u00e9ro de folio";

// An A1 or A15 frame turned by less than one degree either way: such a plan is drawn off the
// street grid, and its title block is not tested against its name nor its department.
bool cadreDroit(host::ModelRef modele, std::uint64_t idCadre, const host::RotMatrix& rotation) {
  std::wstring nom;
  if (stbElem_lireCellule(nullptr, nullptr, nullptr, &nom, host::ElementHandle(idCadre, modele)) != 0) return false;
  if (nom != L"A1" && nom != L"A15") return false;
  constexpr double tour = 2.0 * std::numbers::pi;
  double a = std::fmod(rotation.angleZ(), tour);
  if (a < 0.0) a += tour;
  if (a >= std::numbers::pi) a = tour - a;
  return a < std::numbers::pi / 180.0;
}

// The file name DDnnRRRR.CCC against slots 2 (INSEE DD+CCC, exact), 6 (RIVOLI RRRR, without
// case) and the first two characters of slot 9 (folio nn, without case; the expected folio is
// empty unless slot 9 has 5 characters). A name too short for any of the pieces cut out of it
// disagrees.
bool nomConforme(const std::wstring& nom, const vercartouche& c) {
  if (nom.size() < 12) return false;
  if (c.champs[champInsee] != nom.substr(0, 2) + nom.substr(9, 3)) return false;
  if (stbStr_comparer(c.champs[champRivoli], nom.substr(4, 4), false) != 0) return false;
  const std::wstring& folio = c.champs[champFolio];
  const std::wstring attendu = folio.size() == 5 ? nom.substr(2, 2) : std::wstring();
  return stbStr_comparer(folio.substr(0, 2), attendu, false) == 0;
}

// The doubled fields and the folio's form; true when any finding was added.
bool incoherences(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t id, const vercartouche& c) {
  const auto& s = c.champs;
  const std::size_t avant = erreurs.size();
  auto ajouter = [&](const wchar_t* complement) {
    erreur_ajouter(erreurs, fichier.chemin, id, ctrl_typeCellule, codeIncoherence, nullptr, ctrl_objetCartouche,
                   complement);
  };
  if (s[champInsee].size() != 5 || s[champInsee2].size() != 5 || s[champInsee] != s[champInsee2])
    ajouter(L"Erreur sur le code INSEE");
  if (s[champCommune] != s[champCommune2]) ajouter(L"Ecart sur le nom de commune");
  if (s[champRivoli].size() != 4) ajouter(L"Erreur sur le code RIVOLI");
  if (s[champVoie] != s[champVoie2]) ajouter(L"Ecart sur nom de voie");
  if (s[champFolio] != s[champFolio2]) ajouter(folioEcart);
  const std::wstring& folio = s[champFolio];
  const auto barre = folio.find(L'/');
  if (barre == std::wstring::npos) {
    ajouter(folioEcart);
  } else {
    if (barre != 2) ajouter(folioEcart);
    const std::wstring apres = folio.substr(barre + 1);
    if (apres.empty() || apres.find_first_not_of(L"0123456789") != std::wstring::npos) ajouter(folioEcart);
  }
  return erreurs.size() != avant;
}

}  // namespace

std::uint32_t ctrl_cartoucheV2(std::vector<vererreur>& erreurs, const vercontexte& contexte, verplanfichiers& fichiers) {
  const verfichier& fichier = fichiers.fichiers[0];
  const host::ModelRef modele = fichier.modele;

  // 1. The title block.
  vercellule cellule;
  if (cart_trouverCellule(cellule, modele, L"") != 0) {
    erreur_ajouter(erreurs, fichier.chemin, 0, 0, codeSansCartouche, nullptr, L"", L"");
    return kEchec;
  }
  const std::uint64_t id = cellule.elementId;
  auto ajouter = [&](std::uint32_t code, const std::wstring& complement) {
    erreur_ajouter(erreurs, fichier.chemin, id, ctrl_typeCellule, code, nullptr, ctrl_objetCartouche, complement);
  };

  // 2. The frame; 3. the title block's fields.
  std::uint64_t idCadre = 0;
  host::RotMatrix rotation;
  const bool cadreLu = cart_lireCadre(nullptr, nullptr, nullptr, nullptr, &idCadre, &rotation, modele) == 0;
  const bool sansNom = cadreLu && cadreDroit(modele, idCadre, rotation);
  vercartouche c;
  cart_lire(c, modele, L"");

  // 4. The file name; 5. the doubled fields. Either stops the plan.
  if (!sansNom && !nomConforme(fichier.nomFichier, c)) {
    ajouter(codeNomFichier, L"");
    return kEchec;
  }
  if (incoherences(erreurs, fichier, id, c)) return kEchec;

  // 6. The background's date.
  bool posterieure = false;
  if (const wchar_t* complement = ctrl_dateFond(c.champs[champDateFond], posterieure)) ajouter(codeIncomplet, complement);

  // 7. Frame and title block away from the model's origin (UORs of this file).
  host::Point3d origine;
  if (cadreLu && ctrl_origineCellule(origine, idCadre, modele) && ctrl_presDuZero(origine, 0.1))
    erreur_ajouter(erreurs, fichier.chemin, idCadre, ctrl_typeCellule, codeCadre, nullptr, ctrl_objetCadre, L"");
  if (ctrl_presDuZero(cellule.origine, host::masterToUor(modele, 1.0))) ajouter(codePositionCartouche, L"");

  // 8. Network dates; 9. the producer code.
  ctrl_datesReseauxV2(erreurs, fichiers, id, c);
  fichiers.codeLivre = c.champs[champOrigine];

  // 10. The projection written beside the title block, then its department.
  std::wstring code;
  std::uint64_t idTexte = 0;
  cart_lireProjection(code, &idTexte, id, modele, L"");
  if (idTexte == 0) {
    ajouter(codeIncomplet, L"Code de projection");
  } else if (ctrl_projectionCartouche(erreurs, fichier, id, code, contexte.projections) == 0) {
    fichiers.projection.codeCourt = code;
    if (!sansNom) ctrl_departementProjection(erreurs, fichier, id, code, c.champs[champInsee], contexte.deptProjections);
  }

  // 11. Scale and georeferencing quality: "200-P" at 1:200, "500-P" at 1:500.
  const std::wstring& echelle = c.champs[champEchelleQualite];
  if (echelle.size() == 5) {
    const wchar_t* attendue = fichiers.version == 1 ? L"200" : fichiers.version == 2 ? L"500" : nullptr;
    if (attendue && echelle.compare(0, 3, attendue) != 0) ajouter(codeEchelle, L"");
    const std::wstring qualite = echelle.substr(4, 1);
    if (std::find(ctrl_qualitesPlanUnique.begin(), ctrl_qualitesPlanUnique.end(), qualite) == ctrl_qualitesPlanUnique.end())
      ajouter(codeQualite, L"");
    else
      fichiers.qualite = qualite;
  } else {
    ajouter(codeIncomplet, L"Erreur sur le champ Echelle et qualit\u00e9 de g\u00e9or\u00e9f\u00e9rencement");
  }
  return 0;
}
