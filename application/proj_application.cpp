#include "application/proj_application.h"

#include "application/proj_lignes.h"
#include "application/verapplication.h"
#include "titleblock/cart_zone_projection.h"
#include "toolbox/stb_str.h"

namespace {
constexpr std::int32_t kEchec = 0x8000;
}  // namespace

std::int32_t proj_ajouterProjection(const std::wstring& ligne, std::int32_t type) {
  try {
    std::vector<std::wstring> champs;
    stbStr_decouper(champs, ligne, L";");
    if (champs.size() != 5) return kEchec;
    verprojection projection;
    verprojection_construire(projection);
    projection.identifiant = stbStr_versEntier(champs[0]);
    projection.libelle = champs[1];
    projection.codeZone = champs[2];
    cart_codeZoneProjection(projection.codeCourt, champs[2]);
    projection.cleSysteme = champs[3];
    projection.epsg = stbStr_versEntier(champs[4]);
    projection.type = type;
    appTolvek.projections.push_back(projection);
    return 0;
  } catch (...) {
    return kEchec;
  }
}

void proj_remplirTable() {
  appTolvek.projections.clear();
  for (const wchar_t* ligne : proj_lignesProjetees) proj_ajouterProjection(ligne, 1);
  proj_ajouterProjection(stbStr_toString(proj_formatWgs84, std::wstring(proj_cleWgs84), std::wstring(proj_epsgWgs84)), 2);
}

namespace {

template <typename Champ>
std::int32_t indicePar(const std::vector<verprojection>& table, const std::wstring& texte, Champ champ) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (stbStr_comparer(table[i].*champ, texte, true) == 0) return static_cast<std::int32_t>(i);
  return -1;
}

}  // namespace

std::int32_t proj_indiceParCle(const std::vector<verprojection>& table, const std::wstring& cle) {
  return indicePar(table, cle, &verprojection::cleSysteme);
}

std::int32_t proj_indiceParLibelle(const std::vector<verprojection>& table, const std::wstring& libelle) {
  return indicePar(table, libelle, &verprojection::libelle);
}
