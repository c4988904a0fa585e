#include "titleblock/ctrl_dates_reseaux.h"

#include <cmath>

#include "engine/erreur.h"
#include "engine/plan_construire.h"
#include "engine/plan_etapes.h"
#include "titleblock/cart_date.h"
#include "titleblock/ctrl_cartouche_table.h"
#include "titleblock/ctrl_commun.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeDate = 1109;
constexpr std::uint32_t codePresence = 1110;
constexpr std::uint32_t codeGaz = 1247;

// The electricity networks (62) and the other networks (6144) of a one-file plan's only file.
constexpr std::uint32_t reseauxPlanUnique = 6206;

double longueurBloc(const verlongueurs& longueurs, int bloc) {
  if (bloc < 0) return 0.0;
  const std::size_t debut = static_cast<std::size_t>(bloc) * 5;
  return longueurs[debut + 4] - longueurs[debut + 3];  // all states less abandonné
}

}  // namespace

void ctrl_datesReseaux(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                       double longueur, const verdate& date, const verdate& aujourdhui, const std::wstring& reseau) {
  const bool absent = !(std::fabs(longueur) >= 0.001);
  auto ajouter = [&](std::uint32_t code, const wchar_t* format) {
    erreur_ajouter(erreurs, fichier.chemin, idCellule, ctrl_typeCellule, code, nullptr, ctrl_objetCartouche,
                   stbStr_toString(format, reseau));
  };
  if (date.valide) {
    if (date.cle > aujourdhui.cle) ajouter(codeDate, L"Date des r\u00e9seaux %s post\u00e9rieure \u00e0 la date du jour");
    if (absent) ajouter(codePresence, L"Plan sans r\u00e9seaux %s en service");
  } else if (date.absente) {
    if (!absent) ajouter(codePresence, L"Plan avec r\u00e9seaux %s en service");
  } else {
    ajouter(codeDate, L"Date des r\u00e9seaux %s invalide");
  }
}

double ctrl_longueurReseau(const verlongueurs& longueurs, const std::wstring& reseau) {
  for (const ctrl_ligneReseau& l : ctrl_reseauxDates)
    if (reseau == l.libelle) return longueurBloc(longueurs, l.bloc) + longueurBloc(longueurs, l.blocAjoute);
  return 0.0;
}

void ctrl_datesReseauxMesures(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                              const verlongueurs& longueurs, const std::vector<ctrl_dateReseau>& dates) {
  verdate aujourdhui;
  cart_dateDuJour(aujourdhui);
  for (const auto& [reseau, texte] : dates) {
    verdate date;
    cart_lireDate(date, texte);
    ctrl_datesReseaux(erreurs, fichier, idCellule, ctrl_longueurReseau(longueurs, reseau), date, aujourdhui, reseau);
  }
}

void ctrl_datesReseauxV2(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers, std::uint64_t idCartouche,
                         const vercartouche& cartouche) {
  const verfichier& fichier = fichiers.fichiers[0];
  verplaninfo plan;
  plan_copierIdentite(plan, fichiers, 62);
  plan.masqueReseau = reseauxPlanUnique;
  const auto& c = cartouche.champs;
  etape_datesReseaux(erreurs, fichier, idCartouche, plan,
                     {{L"BT", c[champDateBT]},
                      {L"HTA", c[champDateHTA]},
                      {L"TLR", c[champDateTLR]},
                      {L"EP", c[champDateEP]},
                      {L"VDC", c[champDateVDC]}});

  const std::pair<int, const wchar_t*> gaz[] = {{champDateBP, L"Date de r\u00e9seaux Gaz BP"},
                                                {champDateMPB, L"Date de r\u00e9seaux Gaz MPB"},
                                                {champDateMPC, L"Date de r\u00e9seaux Gaz MPC"},
                                                {champDatePRC, L"Date de r\u00e9seaux Gaz PRC"}};
  for (const auto& [champ, complement] : gaz) {
    verdate date;
    cart_lireDate(date, c[static_cast<std::size_t>(champ)]);
    if (date.valide)
      erreur_ajouter(erreurs, fichier.chemin, idCartouche, ctrl_typeCellule, codeGaz, nullptr, ctrl_objetCartouche,
                     complement);
  }
}
