#include "networks/raccords.h"

#include <algorithm>
#include <optional>

#include "host/curve_element.h"
#include "titleblock/cart_nom_plan.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_str.h"

using host::ElementType;
using host::Point3d;

namespace {

constexpr std::int32_t kEchec = 0x8000;
// The host's chord tolerance when a raccord's line is stroked, UORs.
constexpr double kCorde = 1.0;
constexpr std::size_t kLongueurCodePlan = 11;
constexpr std::size_t kChiffresCodePlan = 5;
constexpr std::size_t kLongueurCodeCase = 26;
constexpr std::size_t kLongueurCodeSec = 12;

std::uint32_t typeParNom(const std::wstring& nom) {
  if (stbStr_comparer(nom, L"RACRIV", false) == 0) return raccordRiv;
  if (stbStr_comparer(nom, L"RACSEC", false) == 0) return raccordSec;
  return raccordAucun;
}

// The element of a closed polygon (at least 3 points), as the host draws a curve; none otherwise.
std::optional<host::Element> elementPolygone(const std::vector<Point3d>& points, host::ModelRef modele) {
  if (points.size() < 3) return std::nullopt;
  const auto courbe = host::CurveVector::createLinear(points, host::CurveVector::BoundaryType::Outer);
  if (!courbe) return std::nullopt;
  return host::elementOfCurve(*courbe, nullptr, host::is3d(modele));
}

bool estTexte(int type) { return type == ElementType::Text || type == ElementType::TextNode; }

// Only "/", digits, "A" to "Z", "_" and "-" are kept; then only what precedes the first "/".
std::wstring nettoyer(const std::wstring& ligne) {
  std::wstring r;
  for (const wchar_t c : ligne)
    if (c == L'/' || (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || c == L'_' || c == L'-') r += c;
  const std::size_t barre = r.find(L'/');
  if (barre != std::wstring::npos) r.erase(barre);
  return r;
}

bool codePlan(const std::wstring& c) {
  return c.size() == kLongueurCodePlan &&
         std::all_of(c.begin(), c.begin() + kChiffresCodePlan, [](wchar_t x) { return x >= L'0' && x <= L'9'; });
}

}  // namespace

std::int32_t rac_analyserCode(rac_candidat& candidat) {
  candidat.code.clear();
  candidat.typeCode = 0;
  std::vector<std::wstring> lignes;
  stbStr_decouperLignes(lignes, candidat.texte);
  for (std::size_t i = 0; i < lignes.size() && i < 2; ++i) {
    const std::wstring c = nettoyer(lignes[i]);
    if (codePlan(c)) {
      candidat.code = c;
      candidat.typeCode = 1;
      return 0;
    }
    if (c.size() == kLongueurCodeCase) {
      candidat.code = c;
      candidat.typeCode = 2;
      return 0;
    }
  }
  return kEchec;
}

std::int32_t rac_boiteTexte(double& orientation, std::vector<Point3d>& points, const host::ElementHandle& texte) {
  host::RotMatrix rotation;
  if (stbElem_lireTexte(nullptr, nullptr, &rotation, nullptr, nullptr, nullptr, nullptr, nullptr, texte) != 0)
    return kEchec;
  stbElem_contourTexte(points, texte);
  if (points.size() < 5) return kEchec;
  orientation = rotation.angleZ();
  return 0;
}

std::int32_t rac_texteRaccordRiv(verraccord& raccord, host::ModelRef modele, const vertolerances& tolerances) {
  const host::ElementHandle cellule(raccord.idElement, modele);
  host::Point3d origine;
  host::RotMatrix rotation;
  if (stbElem_lireCellule(&origine, &rotation, nullptr, nullptr, cellule) != 0) return kEchec;
  std::vector<Point3d> contour;
  stbElem_contourCellule(contour, cellule);
  const double angleCellule = rotation.angleZ();
  const auto niveau = host::levelIdFromName(modele, rac_niveauEtiquette);
  if (!niveau) return kEchec;
  const std::optional<host::Element> contourCellule = elementPolygone(contour, modele);

  const double distance = tolerances[rac_toleranceDistance];
  const double demiCote = contour.size() >= 2 ? contour[0].distanceXY(contour[1]) / 2.0 : 0.0;
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Text, ElementType::TextNode};
  criteres.levels = {*niveau};
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, origine, demiCote + distance);
  std::vector<host::ElementId> textes;
  stbDgn_scanner(textes, criteres, modele);

  std::vector<rac_candidat> candidats;
  for (const host::ElementId id : textes) {
    const host::ElementHandle texte(id, modele);
    double angle = 0.0;
    std::vector<Point3d> boite;
    if (rac_boiteTexte(angle, boite, texte) != 0) continue;
    if (stbGeom_angleDirections(angleCellule, angle) > tolerances[rac_toleranceAngle]) continue;
    const std::optional<host::Element> elementBoite = elementPolygone(boite, modele);
    if (!contourCellule || !elementBoite) continue;
    const std::optional<double> ecart = host::minDistanceBetweenElements(*elementBoite, *contourCellule);
    if (!ecart || *ecart > distance) continue;
    rac_candidat c;
    c.idElement = id;
    stbElem_texte(c.texte, texte);
    // An empty label ends the search: the raccord counts as labelled, with no text and no code.
    if (c.texte.empty()) return 0;
    raccord.textesCandidats.push_back(id);
    stbStr_majuscules(c.texte);
    candidats.push_back(std::move(c));
  }
  if (candidats.empty()) return kEchec;

  const rac_candidat* retenu = nullptr;
  double plusPres = 0.0;
  for (rac_candidat& c : candidats) {
    if (rac_analyserCode(c) != 0) continue;
    double angle = 0.0;
    std::vector<Point3d> boite;
    if (rac_boiteTexte(angle, boite, host::ElementHandle(c.idElement, modele)) != 0) continue;
    const Point3d centre{(boite[0].x + boite[2].x) / 2.0, (boite[0].y + boite[2].y) / 2.0, 0.0};
    const double d = centre.distanceXY(origine);
    if (!retenu || d < plusPres) {
      retenu = &c;
      plusPres = d;
    }
  }
  if (!retenu) return kEchec;
  raccord.texteEtiquette = retenu->idElement;
  raccord.code = retenu->code;
  raccord.typeCode = retenu->typeCode;
  return 0;
}

std::int32_t rac_texteRaccordSec(verraccord& raccord, host::ModelRef modele) {
  const host::ElementHandle cellule(raccord.idElement, modele);
  const host::Element* e = cellule.element();
  if (!e) return kEchec;
  const std::uint32_t groupe = e->graphicGroup;
  const host::LevelId niveau = e->level;
  if (groupe == 0 || niveau == 0) return kEchec;
  std::vector<host::ElementId> membres;
  stbDgn_elementsDuGroupe(membres, groupe, modele);
  for (const host::ElementId id : membres) {
    if (id == raccord.idElement) continue;
    const host::ElementHandle membre(id, modele);
    if (!estTexte(membre.type()) || stbElem_niveau(membre) != niveau) continue;
    std::wstring texte;
    std::vector<std::wstring> lignes;
    stbStr_decouperLignes(lignes, stbElem_texte(texte, membre));
    std::wstring code;
    if (lignes.size() == 1) code = lignes[0];
    else if (lignes.size() > 1) code = lignes[0] + lignes[1];
    if (code.empty()) continue;
    raccord.textesCandidats.push_back(id);
    stbStr_majuscules(code);
    raccord.texteEtiquette = id;
    raccord.typeCode = code.size() == kLongueurCodeSec ? 1 : 2;
    raccord.code = std::move(code);
    return 0;
  }
  return kEchec;
}

std::int32_t rac_lierTexte(verraccord& raccord, host::ModelRef modele, const vertolerances& tolerances) {
  raccord.lie = 0;
  std::wstring chemin;
  stbDgn_nomFichier(chemin, modele);
  if (raccord.type == raccordRiv) stbFichier_nom(raccord.fichier, chemin);
  else if (raccord.type == raccordSec) stbFichier_nomSansExtension(raccord.fichier, chemin);
  else return kEchec;

  const host::ElementHandle cellule(raccord.idElement, modele);
  host::ElementHandle ligne;
  if (cellule.isValid() && stbElem_enfantDeType(ligne, cellule, ElementType::Line) == 0) {
    const auto courbe = host::curveOfElement(*ligne.element());
    std::vector<Point3d> points;
    if (courbe && stbGeom_discretiserCourbe(points, &*courbe, kCorde, false) == 0 && points.size() == 2) {
      raccord.debutLigne = points[0];
      raccord.finLigne = points[1];
    }
  }

  const std::int32_t r =
      raccord.type == raccordRiv ? rac_texteRaccordRiv(raccord, modele, tolerances) : rac_texteRaccordSec(raccord, modele);
  if (r != 0) return kEchec;
  raccord.lie = 1;
  if (raccord.type != raccordRiv || raccord.typeCode != 1 || cart_convertirNomPlan(raccord.voisin, raccord.code) != 0)
    raccord.voisin = raccord.code;
  return 0;
}

void rac_collecterRaccords(std::vector<verraccord>& sortie, host::ModelRef modele, const vertolerances& tolerances) {
  sortie.clear();
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Cell};
  std::vector<host::ElementId> cellules;
  stbDgn_scanner(cellules, criteres, modele);
  for (const host::ElementId id : cellules) {
    Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, host::ElementHandle(id, modele)) != 0) continue;
    const std::uint32_t type = typeParNom(nom);
    if (type == raccordAucun) continue;
    verraccord r;
    r.idElement = id;
    r.type = type;
    r.origine = origine;
    rac_lierTexte(r, modele, tolerances);
    sortie.push_back(std::move(r));
  }
}
