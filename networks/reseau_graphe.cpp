#include "networks/reseau_graphe.h"

#include <optional>

#include "engine/encart.h"
#include "host/curve_element.h"
#include "networks/reseau_compteurs.h"
#include "networks/reseau_voisins.h"
#include "standard/niv_classement.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_symbologie.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr double kPortee = 1.0;  // UORs: reach of a node and of a family-2 cell's shape

// Element types of the cables.
const std::vector<int> kTypesCables = {host::ElementType::Line, host::ElementType::LineString,
                                       host::ElementType::ComplexChain, host::ElementType::Arc};

bool dansUnEncart(const host::ElementHandle& element, const host::ElementAgenda& encarts) {
  return !encarts.empty() && encart_contientElement(element, encarts) == 0;
}

}  // namespace

void res_collecterCellulesReseau(verreseau& reseau, const verplaninfo& plan) {
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Cell};
  std::vector<host::ElementId> cellules;
  res_scanner(cellules, criteres, plan.modeleTheme);
  host::ElementAgenda encarts;
  encart_remplirAgenda(encarts, plan);
  const std::vector<veraccessoire>& catalogue = res_catalogue(reseau, plan.type);
  for (host::ElementId id : cellules) {
    const host::ElementHandle cellule(id, plan.modeleTheme);
    if (!cellule.isValid() || dansUnEncart(cellule, encarts)) continue;
    verclassement classement;
    niv_classerElement(&classement, cellule, plan.modeleTheme, plan.type, plan.masqueTheme);
    host::Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, cellule) != 0) continue;
    const std::int32_t ligne = cable_indexAccessoire(catalogue, nom);
    if (ligne < 0 || catalogue[static_cast<std::size_t>(ligne)].nombresAdmis.empty()) continue;
    res_ajouterNoeud(reseau, origine, ligne, id, classement.etat == er_Abandonne ? 1 : 0);
  }
}

void res_collecterTroncons(verreseau& reseau, const verplaninfo& plan) {
  const std::uint32_t reseaux = plan.masqueTheme == nr_ThemeEle ? (nr_BT | nr_HTA) : plan.masqueReseau;
  host::ScanCriteria criteres;
  criteres.types = kTypesCables;
  criteres.levelMask = niv_masqueAffichage(reseaux, er_Tous, cn_Lignes, 0, plan);
  std::vector<host::ElementId> ids;
  res_scanner(ids, criteres, plan.modeleTheme);
  host::ElementAgenda encarts;
  encart_remplirAgenda(encarts, plan);
  for (host::ElementId id : ids) {
    const host::ElementHandle element(id, plan.modeleTheme);
    const host::Element* e = element.element();
    if (!e || dansUnEncart(element, encarts)) continue;
    const std::optional<host::CurveVector> courbe = host::curveOfElement(*e);
    vertroncon t;
    if (!courbe || !res_extremitesCourbe(t.debut, t.directionDebut, t.fin, t.directionFin, *e)) continue;
    verclassement c;
    if (niv_classerElement(&c, element, plan.modeleTheme, plan.type, plan.masqueTheme) != 0) continue;
    t.reseau = c.reseau;
    t.contenu = c.contenu;
    t.branchement = c.branchement;
    t.ni = c.ni;
    t.protection = c.protection;
    t.etat = c.etat;
    t.idElement = id;
    t.longueur = host::uorToMaster(plan.modeleTheme, courbe->length());
    reseau.troncons.push_back(t);
  }
}

void res_relierTroncons(verreseau& reseau, const std::vector<host::ModelRef>& voisins, const verplaninfo& plan) {
  const std::vector<veraccessoire>& catalogue = res_catalogue(reseau, plan.type);
  for (std::size_t i = 0; i < reseau.troncons.size(); ++i) {
    vertroncon& t = reseau.troncons[i];
    const host::ElementHandle element(t.idElement, plan.modeleTheme);
    if (!element.isValid()) continue;
    for (const std::uint8_t debut : {std::uint8_t{1}, std::uint8_t{0}}) {
      const host::Point3d& p = debut ? t.debut : t.fin;
      std::int32_t n = res_noeudExtremite(p, element, debut, reseau, catalogue, plan);
      const bool nouveau = n == -1;
      if (nouveau) n = res_ajouterNoeud(reseau, p, -1, 0, 0);
      (debut ? t.noeudDebut : t.noeudFin) = n;
      vernoeud& noeud = reseau.noeuds[static_cast<std::size_t>(n)];
      // Pieces are listed once both their ends are connected: a node no piece has reached yet has
      // no first piece, and then only a new node asks the neighbours.
      const bool premierAbandonne =
          !noeud.troncons.empty() && reseau.troncons[static_cast<std::size_t>(noeud.troncons.front())].etat == er_Abandonne;
      if (nouveau || premierAbandonne)
        noeud.traverse = geo_extremiteVoisine(noeud.planVoisin, noeud.idVoisin, t.idElement, debut, reseau.catalogueV2,
                                              reseau.catalogueV3, voisins, plan);
    }
    const auto index = static_cast<std::int32_t>(i);
    reseau.noeuds[static_cast<std::size_t>(t.noeudDebut)].troncons.push_back(index);
    reseau.noeuds[static_cast<std::size_t>(t.noeudFin)].troncons.push_back(index);
  }

  for (vernoeud& n : reseau.noeuds) {
    if (n.idCellule != 0 || n.abandonne || n.troncons.size() != 2) continue;
    const vertroncon& a = reseau.troncons[static_cast<std::size_t>(n.troncons[0])];
    const vertroncon& b = reseau.troncons[static_cast<std::size_t>(n.troncons[1])];
    if (a.etat != er_Abandonne && b.etat != er_Abandonne && a.reseau == b.reseau && a.branchement == b.branchement &&
        a.protection == b.protection && (a.etat != b.etat || a.ni != b.ni))
      n.changement = 1;
  }
}

std::int32_t res_noeudExtremite(const host::Point3d& p, const host::ElementHandle& troncon, std::uint8_t debut,
                                verreseau& reseau, const std::vector<veraccessoire>& catalogue, const verplaninfo& plan) {
  res_compterRechercheNoeud();
  const std::int32_t proche = res_noeudAuPoint(reseau, p);
  if (proche != -1) return proche;
  if (!troncon.isValid()) return -1;

  std::vector<host::ElementId> cellules;
  res_scannerAutour(cellules, {host::ElementType::Cell}, p, kPortee, plan.modeleTheme);
  if (cellules.empty()) return -1;
  versegment segment = geo_creerSegment(troncon, plan);
  segment.extremiteDebut = debut;
  host::ElementId gagnante = 0;
  double meilleure = 0.0;
  for (host::ElementId id : cellules) {
    const host::ElementHandle cellule(id, plan.modeleTheme);
    host::Point3d origine;
    std::wstring nom;
    if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, cellule) != 0) continue;
    const std::int32_t ligne = cable_indexAccessoire(catalogue, nom);
    if (ligne < 0 || !catalogue[static_cast<std::size_t>(ligne)].famille2) continue;
    double distance = 0.0;
    if (geo_contactCellule(distance, troncon, cellule, p, segment) != 0 || distance > kPortee) continue;
    const double d = origine.distanceXY(p);
    if (gagnante == 0 || d < meilleure) {
      gagnante = id;
      meilleure = d;
    }
  }
  return gagnante == 0 ? -1 : res_noeudDeCellule(reseau, gagnante);
}

std::int32_t geo_contactCellule(double& distance, const host::ElementHandle& troncon, const host::ElementHandle& cellule,
                                const host::Point3d& p, const versegment& segment) {
  host::ElementHandle forme;
  if (stbElem_enfantDeType(forme, cellule, host::ElementType::Shape) != 0) return kEchec;
  const std::optional<host::CurveVector> contour = host::curveOfElement(*forme.element());
  const std::optional<double> d = contour ? contour->distanceXY(p) : std::nullopt;
  if (!d) return kEchec;
  if (*d < segment.toleranceContact) {
    distance = *d;
    return 0;
  }

  // The piece's last segment at that end, drawn as a line: does it meet the shape?
  const host::Element* e = troncon.element();
  if (!e) return kEchec;
  const std::optional<host::CurveVector> courbe = host::curveOfElement(*e);
  std::vector<host::Point3d> points;
  if (stbGeom_discretiserCourbe(points, courbe ? &*courbe : nullptr, fc_1, false) != 0 || points.size() < 2)
    return kEchec;
  host::Element ligne;
  ligne.type = host::ElementType::Line;
  ligne.graphicGroup = e->graphicGroup;
  if (segment.extremiteDebut) ligne.points = {points[0], points[1]};
  else ligne.points = {points[points.size() - 2], points.back()};
  const std::optional<double> ecart = host::minDistanceBetweenElements(ligne, *forme.element());
  if (!ecart) return kEchec;
  if (*ecart < fc_epsilon || *d < segment.porteeCellule) {
    distance = *d;
    return 0;
  }
  return kEchec;
}
