#include "titleblock/ctrl_cartouche_v3.h"

#include <algorithm>
#include <optional>

#include "engine/erreur.h"
#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "titleblock/cart_cadre.h"
#include "titleblock/cart_cellules.h"
#include "titleblock/cart_lecture.h"
#include "titleblock/ctrl_cartouche_table.h"
#include "titleblock/ctrl_commun.h"
#include "titleblock/ctrl_position_cellules.h"
#include "titleblock/ctrl_projection.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeCadre = 1102;
constexpr std::uint32_t codeVide = 1107;
constexpr std::uint32_t codeValeur = 1120;
constexpr std::uint32_t codeSansProjection = 1123;
constexpr std::uint32_t codeQualite = 1133;

bool egaux(const std::wstring& a, const std::wstring& b) { return stbStr_comparer(a, b, false) == 0; }

// Findings on one identification cell of one file.
class cellule {
 public:
  cellule(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t id)
      : erreurs_(erreurs), fichier_(fichier), id_(id) {}

  void ajouter(std::uint32_t code, const std::wstring& objet, const std::wstring& complement) const {
    erreur_ajouter(erreurs_, fichier_.chemin, id_, ctrl_typeCellule, code, nullptr, objet, complement);
  }
  void champ(std::uint32_t code, ctrl_champIdentification libelle) const {
    ajouter(code, L"", ctrl_libellesChamps[static_cast<std::size_t>(libelle)]);
  }
  // The field must be written; then, unless it is one of `valeurs` (without case), 1120. An empty
  // field is not one of them and gets both findings.
  bool parmi(const std::wstring& texte, ctrl_champIdentification libelle,
             std::initializer_list<std::wstring> valeurs) const {
    if (texte.empty()) champ(codeVide, libelle);
    if (std::any_of(valeurs.begin(), valeurs.end(), [&](const std::wstring& v) { return egaux(texte, v); }))
      return true;
    champ(codeValeur, libelle);
    return false;
  }

 private:
  std::vector<vererreur>& erreurs_;
  const verfichier& fichier_;
  std::uint64_t id_;
};

// The IDFICH cell of a file: its plan name and its theme ("FP2", "EL2" or "AR2"). The record
// read, or nothing when there is no such cell.
std::optional<veridfich> controlerIdFich(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t id,
                                         const std::wstring& nomPlan, const wchar_t* theme) {
  veridfich fich;
  if (id == 0 || cart_lireIdFich(fich, id, fichier.modele, L"") != 0) return std::nullopt;
  const cellule c(erreurs, fichier, id);
  c.parmi(fich.textes[0], libelleNomPlan, {nomPlan});
  c.parmi(fich.textes[1], libelleTheme, {theme});
  return fich;
}

// The IDLOC cell: scale, projection (which becomes the file set's short code when it passes)
// and quality letter.
void controlerIdLoc(std::vector<vererreur>& erreurs, const vercontexte& contexte, verplanfichiers& fichiers,
                    std::uint64_t id) {
  const verfichier& fichier = fichiers.fichiers[0];
  veridloc loc;
  if (id == 0 || cart_lireIdLoc(loc, id, fichier.modele, L"") != 0) return;
  const cellule c(erreurs, fichier, id);
  c.parmi(loc.textes[2], libelleEchelle, {L"200", L"500"});
  const std::wstring& code = loc.textes[3];
  if (code.empty())
    c.ajouter(codeSansProjection, L"", L"");
  else if (ctrl_projectionCartouche(erreurs, fichier, id, code, contexte.projections) == 0)
    fichiers.projection.codeCourt = code;
  const std::wstring& qualite = loc.textes[4];
  if (qualite.empty()) c.champ(codeVide, libelleQualite);
  if (std::find(ctrl_qualitesTroisFichiers.begin(), ctrl_qualitesTroisFichiers.end(), qualite) ==
      ctrl_qualitesTroisFichiers.end())
    c.ajouter(codeQualite, ctrl_objetCartouche, L"");
  else
    fichiers.qualite = qualite;
}

// The background's cell (read as IDFDP whatever its name): plan type, zone, sector, date.
void controlerIdFdp(std::vector<vererreur>& erreurs, verplanfichiers& fichiers, std::uint64_t id) {
  const verfichier& fichier = fichiers.fichiers[0];
  veridfdp fdp;
  if (id == 0 || cart_lireIdFdp(fdp, id, fichier.modele, L"") != 0) return;
  const cellule c(erreurs, fichier, id);
  const std::wstring& type = fdp.textes[1];
  if (type.empty())
    c.champ(codeVide, libelleTypePlan);
  else if (egaux(type, L"EGS") || egaux(type, L"BDU"))
    fichiers.fondBDU = egaux(type, L"BDU");
  else
    c.champ(codeValeur, libelleTypePlan);
  if (fdp.textes[4].empty()) c.champ(codeVide, libelleZone);
  if (fdp.textes[5].empty()) c.champ(codeVide, libelleSecteur);
  bool posterieure = false;
  if (const wchar_t* complement = ctrl_dateFond(fdp.textes[3], posterieure))
    c.ajouter(posterieure ? codeValeur : codeVide, ctrl_objetCartouche, complement);
}

// The street cells, each then in pairs: the same INSEE and RIVOLI codes (without case) twice
// give 1107 on the later cell of each pair. The INSEE code of the first cell, or empty.
std::wstring controlerIdVoies(std::vector<vererreur>& erreurs, const verfichier& fichier,
                              const std::vector<std::uint64_t>& ids) {
  std::vector<veridvoie> voies(ids.size());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    cart_lireIdVoie(voies[i], ids[i], fichier.modele, L"");
    const auto& t = voies[i].textes;
    const cellule c(erreurs, fichier, ids[i]);
    if (t[0].empty()) c.champ(codeVide, libelleInsee);
    else if (t[0].size() != 5) c.champ(codeValeur, libelleInsee);
    if (t[2].empty()) c.champ(codeVide, libelleRivoli);
    else if (t[2].size() != 4) c.champ(codeValeur, libelleRivoli);
    if (t[3].empty()) c.champ(codeVide, libelleVoie);
  }
  for (std::size_t j = 1; j < voies.size(); ++j)
    for (std::size_t i = 0; i < j; ++i)
      if (egaux(voies[i].textes[0], voies[j].textes[0]) && egaux(voies[i].textes[2], voies[j].textes[2]))
        cellule(erreurs, fichier, ids[j]).ajouter(codeVide, L"", L"");
  return voies.empty() ? std::wstring() : voies.front().textes[0];
}

// The EL2 (rang 1) or AR2 (rang 2) file: IDFICH, the network dates of the theme cell (its
// IDELE or IDAUT cell) over the networks of `masque`, the cells' places. The IDFICH record, or
// nothing when there is none.
template <typename Enregistrement, typename Lecture, typename Dates>
std::optional<veridfich> controlerReseaux(std::vector<vererreur>& erreurs, verplanfichiers& fichiers, std::size_t rang,
                                          const wchar_t* theme, std::uint32_t masque, Lecture lire, Dates dates) {
  const verfichier& fichier = fichiers.fichiers[rang];
  std::uint64_t idFich = 0, idTheme = 0;
  cart_cellulesIdentification(&idFich, &idTheme, nullptr, nullptr, fichier.modele, L"");
  std::optional<veridfich> fich = controlerIdFich(erreurs, fichier, idFich, fichiers.nom, theme);
  verplaninfo plan;
  plan_copierIdentite(plan, fichiers, masque);
  Enregistrement enregistrement;
  if (idTheme != 0 && lire(enregistrement, idTheme, fichier.modele, L"") == 0)
    etape_datesReseaux(erreurs, fichier, idTheme, plan, dates(enregistrement));
  const bool autres = rang == 2;
  ctrl_positionCellulesId(erreurs, fichier, fichiers.origineCadre, fichiers.version, idFich, 0, {}, 0,
                          autres ? 0 : idTheme, autres ? idTheme : 0);
  return fich;
}

}  // namespace

std::uint32_t ctrl_cadreCartoucheV3(std::vector<vererreur>& erreurs, const vercontexte& contexte,
                                    verplanfichiers& fichiers) {
  const verfichier& fichier = fichiers.fichiers[0];
  const host::ModelRef modele = fichier.modele;

  // 1. The frame, whose origin places the cells of all three files.
  std::uint64_t idCadre = 0;
  if (cart_lireCadre(nullptr, nullptr, nullptr, nullptr, &idCadre, nullptr, modele) == 0 &&
      ctrl_origineCellule(fichiers.origineCadre, idCadre, modele) && ctrl_presDuZero(fichiers.origineCadre, 0.1))
    erreur_ajouter(erreurs, fichier.chemin, idCadre, ctrl_typeCellule, codeCadre, nullptr, ctrl_objetCadre, L"");

  // 2 to 7. The identification cells.
  std::uint64_t idFich = 0, idTheme = 0, idLoc = 0;
  std::vector<std::uint64_t> idVoies;
  cart_cellulesIdentification(&idFich, &idTheme, &idLoc, &idVoies, modele, L"");
  controlerIdFich(erreurs, fichier, idFich, fichiers.nom, L"FP2");
  controlerIdLoc(erreurs, contexte, fichiers, idLoc);
  controlerIdFdp(erreurs, fichiers, idTheme);
  const std::wstring insee = controlerIdVoies(erreurs, fichier, idVoies);

  // 8. The first street's department in the file set's projection (the plan's own until the
  // IDLOC cell's code passed).
  if (!fichiers.projection.codeCourt.empty() && !idVoies.empty())
    ctrl_departementProjection(erreurs, fichier, idLoc, fichiers.projection.codeCourt,
                               insee.size() == 5 ? insee : std::wstring(), contexte.deptProjections);

  // 9. The cells' places.
  ctrl_positionCellulesId(erreurs, fichier, fichiers.origineCadre, fichiers.version, idFich, idLoc, idVoies, idTheme, 0,
                          0);
  return 0;
}

std::uint32_t ctrl_cartoucheElecV3(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  const verfichier& fichier = fichiers.fichiers[1];
  if (!fichier.existe || !fichier.modele) return 0;
  const std::optional<veridfich> fich = controlerReseaux<veridele>(
      erreurs, fichiers, 1, L"EL2", 62, cart_lireIdEle,
      [](const veridele& e) {
        return std::vector<std::pair<std::wstring, std::wstring>>{
            {L"BT", e.textes[3]}, {L"HTA", e.textes[1]}, {L"TLR", e.textes[5]}, {L"TLC", e.textes[7]}};
      });
  if (fich) fichiers.codeLivre = fich->textes[3];
  return 0;
}

std::uint32_t ctrl_cartoucheAutreV3(std::vector<vererreur>& erreurs, verplanfichiers& fichiers) {
  const verfichier& fichier = fichiers.fichiers[2];
  if (!fichier.existe || !fichier.modele) return 0;
  controlerReseaux<veridaut>(
      erreurs, fichiers, 2, L"AR2", 6144, cart_lireIdAut,
      [](const veridaut& a) {
        return std::vector<std::pair<std::wstring, std::wstring>>{{L"EP", a.textes[3]}, {L"VDC", a.textes[1]}};
      });
  return 0;
}
