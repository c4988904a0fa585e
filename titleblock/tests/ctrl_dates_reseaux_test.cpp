// The network-date rule with lengths given, and the lengths of each network from the blocks of
// the network search.
#include "titleblock/ctrl_dates_reseaux.h"

#include <gtest/gtest.h>

#include "host/clock.h"
#include "titleblock/cart_date.h"

namespace {

verfichier fichier() {
  verfichier f;
  f.chemin = L"/LIVRAISON/LIVRE/44010450.109";
  return f;
}

TEST(CtrlDatesReseaux, DateAgainstThePresenceOfTheNetwork) {
  const std::wstring posterieure = L"Date des r\u00e9seaux BT post\u00e9rieure \u00e0 la date du jour";
  const std::wstring sans = L"Plan sans r\u00e9seaux BT en service";
  const struct {
    const wchar_t* date;
    double longueur;
    std::vector<std::uint32_t> codes;
    std::vector<std::wstring> complements;
    const char* pourquoi;
  } cas[] = {
      {L"15/03/2024", 12.5, {}, {}, "dated, drawn"},
      {L"15/03/2024", 0.0, {1110}, {sans}, "dated, not drawn"},
      {L"15/03/2099", 0.0, {1109, 1110}, {posterieure, sans}, "future, not drawn"},
      {L"15/03/2099", 3.0, {1109}, {posterieure}, "future, drawn"},
      {L"01/06/2026", 3.0, {}, {}, "today"},
      {L"02/06/26", 3.0, {1109}, {posterieure}, "tomorrow, two-digit year"},
      {L"", 3.0, {1110}, {L"Plan avec r\u00e9seaux BT en service"}, "not dated, drawn"},
      {L" / / ", 3.0, {1110}, {L"Plan avec r\u00e9seaux BT en service"}, "blank fields are no date"},
      {L"", 0.0, {}, {}, "not dated, not drawn"},
      {L"2020-01-01", 3.0, {1109}, {L"Date des r\u00e9seaux BT invalide"}, "not a date"},
      {L"2020-01-01", 0.0, {1109}, {L"Date des r\u00e9seaux BT invalide"}, "not a date, not drawn"},
      {L"15/03/2024", 0.0009, {1110}, {sans}, "below 0.001 is absent"},
      {L"15/03/2024", 0.001, {}, {}, "0.001 is present"},
      {L"15/03/2024", -0.5, {}, {}, "the length counts in absolute value"},
  };
  verdate aujourdhui;
  aujourdhui.valide = true;
  aujourdhui.jour = 1, aujourdhui.mois = 6, aujourdhui.annee = 2026;
  aujourdhui.cle = 20260601;
  for (const auto& c : cas) {
    SCOPED_TRACE(c.pourquoi);
    verdate date;
    cart_lireDate(date, c.date);
    std::vector<vererreur> erreurs;
    ctrl_datesReseaux(erreurs, fichier(), 77, c.longueur, date, aujourdhui, L"BT");
    std::vector<std::uint32_t> codes;
    std::vector<std::wstring> complements;
    for (const vererreur& e : erreurs) {
      codes.push_back(e.code);
      complements.push_back(e.complement);
      EXPECT_EQ(e.fichier, L"44010450.109");
      EXPECT_EQ(e.idElement, 77u);
      EXPECT_EQ(e.extra, 2u);
      EXPECT_EQ(e.objet, L"Cartouche");
    }
    EXPECT_EQ(codes, c.codes);
    EXPECT_EQ(complements, c.complements);
  }
}

TEST(CtrlDatesReseaux, LengthOfANetworkIsItsTotalLessItsAbandonedPart) {
  verlongueurs l{};
  // Per block: classé, 2, incertain, abandonné, total.
  const double blocs[7][5] = {{1, 0, 0, 2, 3},   {10, 0, 0, 4, 14}, {0, 5, 0, 0, 5}, {0, 0, 0, 6, 6},
                              {0, 0, 1, 0, 1},   {7, 0, 0, 0, 7},   {0, 0, 0, 0, 0}};
  for (std::size_t b = 0; b < 7; ++b)
    for (std::size_t k = 0; k < 5; ++k) l[b * 5 + k] = blocs[b][k];
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"BT"), 10.0 + 1.0);  // with the service connections
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"HTA"), 5.0);
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"TLC"), 0.0);  // abandoned only
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"TLR"), 1.0);
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"EP"), 7.0);
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"VDC"), 0.0);
  EXPECT_DOUBLE_EQ(ctrl_longueurReseau(l, L"GAZ"), 0.0);
}

TEST(CtrlDatesReseaux, EachDateOfTheListAgainstItsNetworkWithTodayFromTheHostClock) {
  verlongueurs l{};
  l[1 * 5 + 4] = 4.0;  // BT drawn
  l[2 * 5 + 3] = l[2 * 5 + 4] = 9.0;  // HTA abandoned only
  ASSERT_TRUE(host::clock::setFixed(2026, 6, 1, 8, 0, 0));
  std::vector<vererreur> erreurs;
  ctrl_datesReseauxMesures(erreurs, fichier(), 5, l,
                           {{L"BT", L""}, {L"HTA", L"01/01/2020"}, {L"TLC", L"02/06/2026"}, {L"EP", L"2020-01-01"}});
  host::clock::useSystem();
  std::vector<std::wstring> complements;
  for (const vererreur& e : erreurs) complements.push_back(e.complement);
  EXPECT_EQ(complements, (std::vector<std::wstring>{L"Plan avec r\u00e9seaux BT en service",
                                                    L"Plan sans r\u00e9seaux HTA en service",
                                                    L"Date des r\u00e9seaux TLC post\u00e9rieure \u00e0 la date du jour",
                                                    L"Plan sans r\u00e9seaux TLC en service",
                                                    L"Date des r\u00e9seaux EP invalide"}));
}

}  // namespace
