#include "networks/ptr_cellules.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/encart.h"
#include "host/curve_element.h"
#include "host/geometry.h"
#include "networks/niveaux_protection.h"
#include "networks/ptr_cellules_table.h"
#include "networks/ptr_grille.h"
#include "networks/recherches_reseau.h"
#include "standard/niv_classement.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_str.h"

using host::ElementType;
using host::Point3d;

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr double kToleranceDefaut = 0.002;  // master units
constexpr double kToleranceZone = 1.0;      // UORs: chord of the stroked area and its inside test
constexpr std::size_t kPointsZone = 4;

std::uint64_t niveauDe(host::ModelRef modele, std::wstring_view nom) {
  const auto id = host::levelIdFromName(modele, std::wstring(nom));
  return id ? *id : 0;
}

// What the searches around each PTR need of the plan, looked up once per call.
struct recherchesPTR {
  double distance = 0.0;  // 0.002 master units in UORs
  // Accessory levels of the plan's standard with the cell name each admits (empty: any).
  std::vector<std::pair<std::uint64_t, std::wstring_view>> accessoires;
  std::uint64_t niveauProtection = 0;
  host::LevelMask zones;

  explicit recherchesPTR(const verplaninfo& plan) : distance(host::masterToUor(plan.modeleTheme, ptr_distanceRecherche)) {
    for (const ptr_celluleAccessoire& a : ptr_cellulesAccessoires) {
      if (a.typePlan != plan.type) continue;
      if (const std::uint64_t id = niveauDe(plan.modeleTheme, a.niveau); id != 0) accessoires.emplace_back(id, a.cellule);
    }
    versymbologie protection;
    niv_symbologieProtection(protection, plan);
    niveauProtection = niveauDe(plan.modeleTheme, protection.nomNiveau);
    zones = niv_masqueAffichage(nr_Protections, er_Tous, cn_Lignes, 0, plan);
  }
};

// The elements passing the criteria whose range meets the point's grown by `distance` (UORs).
std::vector<host::ElementId> scannerAutour(host::ScanCriteria& criteres, const Point3d& point, double distance,
                                           const verplaninfo& plan) {
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, point, distance);
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);
  return ids;
}

bool estAccessoire(const recherchesPTR& r, std::uint64_t niveau, const std::wstring& nom) {
  return std::any_of(r.accessoires.begin(), r.accessoires.end(), [&](const auto& a) {
    return a.first == niveau && (a.second.empty() || a.second == nom);
  });
}

std::uint64_t accessoireProche(const Point3d& point, const verplaninfo& plan, const recherchesPTR& r) {
  if (r.accessoires.empty()) return 0;
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Cell};
  for (const host::ElementId id : scannerAutour(criteres, point, r.distance, plan)) {
    const host::ElementHandle h(id, plan.modeleTheme);
    Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, h) != 0) continue;
    if (estAccessoire(r, stbElem_niveau(h), nom) && origine.distanceXY(point) < r.distance) return id;
  }
  return 0;
}

std::uint64_t ligneProtection(const Point3d& point, const verplaninfo& plan, const recherchesPTR& r) {
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Line,      ElementType::LineString, ElementType::Shape,
                    ElementType::Arc,       ElementType::ComplexChain, ElementType::ComplexShape};
  criteres.levels = {static_cast<host::LevelId>(r.niveauProtection)};
  for (const host::ElementId id : scannerAutour(criteres, point, r.distance, plan)) {
    const host::ElementHandle h(id, plan.modeleTheme);
    if (niv_texteProtection(nullptr, h, plan) != 0) continue;
    const auto courbe = host::curveOfElement(*h.element());
    if (!courbe) continue;
    // On the path itself: a point beyond the line's end is measured to that end.
    Point3d proche = Point3d{std::nan(""), std::nan(""), 0.0};
    stbGeom_plusProchePoint(&proche, nullptr, &*courbe, point);
    if (proche.distanceXY(point) < r.distance) return id;
  }
  return 0;
}

std::uint64_t zoneProtection(const Point3d& point, const verplaninfo& plan, const recherchesPTR& r) {
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Shape, ElementType::ComplexShape};
  criteres.levelMask = r.zones;
  std::vector<Point3d> contour;
  for (const host::ElementId id : scannerAutour(criteres, point, 0.0, plan)) {
    const host::ElementHandle h(id, plan.modeleTheme);
    // A substation outline (colour 14 on the protection level) is no protection area.
    if (niv_texteProtection(nullptr, h, plan) == 0) continue;
    const auto courbe = host::curveOfElement(*h.element());
    if (!courbe || stbGeom_discretiserCourbe(contour, &*courbe, kToleranceZone, false) != 0) continue;
    if (contour.size() >= kPointsZone && host::pointInPolygonXY(contour, point, kToleranceZone)) return id;
  }
  return 0;
}

bool chiffresSeuls(const std::wstring& texte) {
  return texte.find_first_not_of(L"0123456789-.") == std::wstring::npos;
}

// Each PTRLA takes the first unpaired PTRLAS of the list at most 0.001 from it.
void apparier(std::vector<verptr>& ptrs) {
  const ptr_grille grille(ptrs, ptr_distancePaire);
  for (verptr& a : ptrs) {
    if (a.paire != -1 || a.classe != classePtrla) continue;
    for (const std::size_t j : grille.voisins(a.origine)) {
      verptr& b = ptrs[j];
      if (b.paire != -1 || b.classe != classePtrlas || a.origine.distanceXY(b.origine) > ptr_distancePaire) continue;
      a.paire = static_cast<std::int32_t>(j);
      b.paire = static_cast<std::int32_t>(&a - ptrs.data());
      break;
    }
  }
}

}  // namespace

classePTR ptr_typeCellule(const std::wstring& nom) {
  for (const classePTR classe : ptr_ordreClasses)
    for (const ptr_nomCellule& n : ptr_nomsCellules)
      if (n.classe == classe && stbStr_comparer(nom, std::wstring(n.nom), false) == 0) return classe;
  return classePtrAucune;
}

std::int32_t ptr_lireAltitude(verptr& ptr, const std::wstring& texte) {
  std::wstring t = texte;
  std::erase(t, L' ');
  std::wstring valeur;
  if (stbStr_commencePar(t, L"Z=", false)) valeur = t.substr(2);
  else if (stbStr_commencePar(t, L"Zd=", false)) valeur = t.substr(3);
  else return kEchec;
  if (valeur.empty() || !chiffresSeuls(valeur)) return kEchec;
  ptr.altitude = stbStr_versReel(valeur);
  ptr.altitudeDonnee = 1;
  if (valeur.front() == L'-' && std::fabs(ptr.altitude) < 0.001) ptr.altitudeDonnee = 0;
  return 0;
}

void ptr_lireNombres(verptr& ptr, host::ModelRef modele) {
  if (ptr.groupe == 0) return;
  std::vector<host::ElementId> membres;
  stbDgn_elementsDuGroupe(membres, ptr.groupe, modele);
  std::wstring texte;
  for (const host::ElementId id : membres) {
    stbElem_texte(texte, host::ElementHandle(id, modele));
    if (texte.empty()) continue;
    if (ptr_lireAltitude(ptr, texte) == 0) {
      ptr.texteAltitude = id;
    } else if (texte.size() >= 2 && texte.front() == L'(' && texte.back() == L')') {
      const std::wstring nombre = texte.substr(1, texte.size() - 2);
      if (!chiffresSeuls(nombre)) continue;
      ptr.texteNumero = id;
      ptr.numero = stbStr_versReel(nombre);
    }
  }
}

std::uint64_t ptr_accessoiresProches(const Point3d& point, const verplaninfo& plan) {
  return accessoireProche(point, plan, recherchesPTR(plan));
}

std::uint64_t ptr_ligneProtection(const Point3d& point, const verplaninfo& plan) {
  return ligneProtection(point, plan, recherchesPTR(plan));
}

std::uint64_t ptr_zoneProtection(const Point3d& point, const verplaninfo& plan) {
  return zoneProtection(point, plan, recherchesPTR(plan));
}

void ptr_collecterCellules(std::vector<verptr>& sortie, const verplaninfo& plan, double tolerance) {
  sortie.clear();
  if (!stbDgn_modeleValide(plan.modeleTheme)) return;
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Cell};
  std::vector<host::ElementId> cellules;
  stbDgn_scanner(cellules, criteres, plan.modeleTheme);
  if (!(tolerance >= 0.0)) tolerance = kToleranceDefaut;
  const double toleranceUor = host::masterToUor(plan.modeleTheme, tolerance);
  host::ElementAgenda encarts;
  encart_remplirAgenda(encarts, plan);

  const recherchesPTR recherches(plan);
  const host::LevelMask lignes = res_masqueLignes(plan.masqueTheme | nr_ThemeAut, plan);
  std::vector<verproximite> proches;
  std::wstring nom;
  for (const host::ElementId id : cellules) {
    const host::ElementHandle h(id, plan.modeleTheme);
    const host::Element* e = h.element();
    if (!e || (!encarts.empty() && encart_contientElement(h, encarts) == 0)) continue;
    Point3d origine;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, h) != 0) continue;
    const classePTR classe = ptr_typeCellule(nom);
    if (classe == classePtrAucune) continue;
    origine.z = 0.0;

    verptr p;
    p.typePlan = plan.type;
    p.idElement = id;
    p.origine = {host::uorToMaster(plan.modeleTheme, origine.x), host::uorToMaster(plan.modeleTheme, origine.y), 0.0};
    p.nomCellule = nom;
    p.classe = classe;
    p.groupe = e->graphicGroup;
    ptr_lireNombres(p, plan.modeleTheme);
    p.accessoire = accessoireProche(origine, plan, recherches);
    res_elementsLeLongChemin(proches, origine, toleranceUor, lignes, plan);
    if (!proches.empty()) {
      p.ligneSousJacente = proches.front().idElement;
      niv_classerElement(&p.classement, host::ElementHandle(p.ligneSousJacente, plan.modeleTheme), plan.modeleTheme,
                         plan.type, plan.masqueTheme);
    }
    p.ligneProtection = ligneProtection(origine, plan, recherches);
    p.zoneProtection = zoneProtection(origine, plan, recherches);
    sortie.push_back(std::move(p));
  }
  std::stable_sort(sortie.begin(), sortie.end(), [](const verptr& a, const verptr& b) { return a.groupe < b.groupe; });
  apparier(sortie);
}
