#include "titleblock/cart_cadre.h"

#include <cmath>
#include <vector>

#include "engine/case_grille.h"
#include "titleblock/cart_cadre_table.h"
#include "titleblock/cart_lecture.h"
#include "titleblock/cart_zone_projection.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_dgn_cellules.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

const cart_ligneCadre* ligneCadre(std::wstring_view nom) {
  for (const auto& l : cart_cadres)
    if (nom == l.nom) return &l;
  return nullptr;
}

// The stem of a path's file name, upper-cased as grid-cell names are: after the last separator,
// before the last point. A plan delivered in lower case names its grid cell all the same.
std::wstring racine(const std::wstring& chemin) {
  const auto sep = chemin.find_last_of(L"/\\");
  std::wstring nom = sep == std::wstring::npos ? chemin : chemin.substr(sep + 1);
  const auto point = nom.rfind(L'.');
  if (point != std::wstring::npos) nom.resize(point);
  stbStr_majuscules(nom);
  return nom;
}

// Strictly within 0.001 of the target; the difference is taken to the nanounit so that a scale
// written 2.001 is out, as written, whatever the binary rounding of 2.001.
bool echelleProche(double echelle, double cible) { return std::round(std::fabs(echelle - cible) * 1e9) < 1e6; }

}  // namespace

std::uint32_t cart_lireCadre(std::uint32_t* type, std::uint32_t* version, bool* georeference, std::wstring* codeProjection,
                             std::uint64_t* idCadre, host::RotMatrix* rotation, host::ModelRef modele) {
  if (!modele) return kEchec;
  const stbCellule* cadre = nullptr;
  const cart_ligneCadre* ligne = nullptr;
  const auto cellules = stbDgn_cellules(modele);
  for (const stbCellule& c : *cellules)
    if ((ligne = ligneCadre(c.nom())) != nullptr) {
      cadre = &c;
      break;
    }
  if (!cadre) return kEchec;
  const host::CellData& donnees = *cadre->element->cell;

  std::uint32_t v = ligne->version;
  if (ligne->type == 2) {
    if (echelleProche(donnees.scale.x, 2.0)) v = 1;
    else if (echelleProche(donnees.scale.x, 5.0)) v = 2;
    else v = 0;
  }
  std::wstring code;
  if (ligne->type == 2) {
    std::wstring fichier, zone;
    if (case_calculerRectangle(nullptr, nullptr, &zone, racine(stbDgn_nomFichier(fichier, modele))) == 0)
      cart_codeZoneProjection(code, zone);
  } else {
    cart_lireProjection(code, nullptr, 0, modele, L"");
  }
  if (type) *type = ligne->type;
  if (version) *version = v;
  if (georeference) *georeference = host::uorToMaster(modele, donnees.origin.x) > 10000.0;
  if (codeProjection) *codeProjection = code;
  if (idCadre) *idCadre = cadre->id;
  if (rotation) *rotation = donnees.rotation;
  return 0;
}
