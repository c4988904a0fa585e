#include "engine/case_grille.h"

#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;

// Offset of a quarter "A" top left, "B" top right, "C" bottom left, "D" bottom right, as
// fractions of the quartered square; false for any other text.
bool quart(double& dx, double& dy, const std::wstring& lettre) {
  if (lettre == L"A") dx = 0, dy = 1;
  else if (lettre == L"B") dx = 1, dy = 1;
  else if (lettre == L"C") dx = 0, dy = 0;
  else if (lettre == L"D") dx = 1, dy = 0;
  else return false;
  return true;
}

}  // namespace

std::uint32_t case_calculerRectangle(std::vector<host::Point3d>* rectangle, std::uint32_t* echelle,
                                     std::wstring* codeZone, const std::wstring& nom) {
  std::vector<std::wstring> parties;
  stbStr_decouper(parties, nom, L"-");
  constexpr std::size_t longueurs[] = {3, 2, 5, 5, 2, 1};
  if (parties.size() != 7) return kEchec;
  for (std::size_t i = 0; i < 6; ++i)
    if (parties[i].size() != longueurs[i]) return kEchec;
  if (parties[6].size() != 1 && parties[6].size() != 2) return kEchec;
  if (codeZone) *codeZone = parties[1];

  const std::int64_t blocX = stbStr_versEntier(parties[2]);
  std::int64_t blocY;
  if (parties[3][0] == L'M' || parties[3][0] == L'm') blocY = -static_cast<std::int64_t>(stbStr_versEntier(parties[3].substr(1)));
  else blocY = stbStr_versEntier(parties[3]);
  const int n = stbStr_versEntier(parties[4]);
  // Signed integer division and remainder: a cell number 0 gives column -1 and row 0.
  double x = blocX * 10000 * 0.7 + ((n - 1) % 5) * 2000 * 0.7;
  double y = blocY * 10000 * 0.5 + (4 - (n - 1) / 5) * 2000 * 0.5;
  double dx = 0, dy = 0;
  if (!quart(dx, dy, parties[5])) return kEchec;
  x += dx * 700;
  y += dy * 500;
  double taille;
  std::uint32_t classe;
  if (parties[6].size() == 2) {
    const int m = stbStr_versEntier(parties[6]);
    x += ((m - 1) % 5) * 200 * 0.7;
    y += (4 - (m - 1) / 5) * 200 * 0.5;
    taille = 200;
    classe = 1;
  } else {
    if (!quart(dx, dy, parties[6])) return kEchec;
    x += dx * 350;
    y += dy * 250;
    taille = 500;
    classe = 2;
  }
  if (rectangle) {
    rectangle->clear();
    const double l = 0.7 * taille, h = 0.5 * taille;
    *rectangle = {{x, y, 0}, {x + l, y, 0}, {x + l, y + h, 0}, {x, y + h, 0}, {x, y, 0}};
  }
  if (echelle) *echelle = classe;
  return 0;
}
