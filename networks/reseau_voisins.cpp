#include "networks/reseau_voisins.h"

#include <optional>

#include "engine/plan_fichier.h"
#include "engine/verprojection.h"
#include "host/curve_element.h"
#include "host/geometry.h"
#include "networks/reseau_compteurs.h"
#include "networks/reseau_graphe.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_symbologie.h"

namespace {

constexpr std::int32_t kEchec = 0x8000;
constexpr double kPortee = 1.0;  // UORs: reaches and tolerance of the neighbour search

const std::vector<int> kTypesCables = {host::ElementType::Line, host::ElementType::LineString,
                                       host::ElementType::ComplexChain, host::ElementType::Arc};

// The key's ends in the neighbour's coordinates: reprojected when the plan and the neighbour carry
// two different systems. False when that reprojection fails: the neighbour cannot be searched.
bool extremitesChezLeVoisin(versegment& cle, host::ModelRef voisin, const verplaninfo& plan) {
  const std::wstring& systemePlan = plan.projection.cleSysteme;
  std::wstring systemeVoisin;
  stbProj_nomSysteme(systemeVoisin, voisin, L"");
  // A neighbour whose file carries no system is drawn in the plan's (the folder admits it only
  // when it declares the plan's projection): its ends are where the plan's are.
  if (systemePlan.empty() || systemeVoisin.empty() || systemeVoisin == systemePlan) return true;
  verprojection cible;
  cible.cleSysteme = systemeVoisin;
  std::vector<host::Point3d> points{cle.debut, cle.fin};
  if (stbProj_reprojeter(points, plan.projection, cible, plan.modeleTheme) != 0) return false;
  cle.debut = points[0];
  cle.fin = points[1];
  return true;
}

}  // namespace

std::uint8_t geo_extremiteVoisine(std::wstring& planVoisin, std::uint64_t& idVoisin, std::uint64_t idTroncon,
                                  std::uint8_t debut, const std::vector<veraccessoire>& catalogueV2,
                                  const std::vector<veraccessoire>& catalogueV3,
                                  const std::vector<host::ModelRef>& voisins, const verplaninfo& plan) {
  const host::ElementHandle troncon(idTroncon, plan.modeleTheme);
  if (!troncon.isValid()) return 0;
  versegment cle = geo_creerSegment(troncon, plan);
  cle.extremiteDebut = debut ? 1 : 0;
  cle.portee = kPortee;
  cle.porteeCellule = kPortee;
  cle.toleranceContact = kPortee;
  for (host::ModelRef voisin : voisins) {
    const std::uint32_t type = plan_typeFichierModele(voisin);
    if (type == 0) continue;
    if (res_chercherDansVoisin(planVoisin, idVoisin, troncon, cle, type == 1 ? catalogueV2 : catalogueV3, voisin,
                               plan) == 0)
      return 1;
  }
  return 0;
}

std::int32_t res_chercherDansVoisin(std::wstring& planVoisin, std::uint64_t& idVoisin, const host::ElementHandle& troncon,
                                    const versegment& segment, const std::vector<veraccessoire>& catalogue,
                                    host::ModelRef voisin, const verplaninfo& plan) {
  res_compterQuestionVoisin();
  if (!host::isValid(voisin)) return kEchec;
  verplaninfo enregistrement;
  enregistrement.modelePrincipal = voisin;
  enregistrement.modeleTheme = voisin;
  enregistrement.type = plan_typeFichierModele(voisin);
  enregistrement.masqueTheme = plan.masqueTheme;
  enregistrement.masqueReseau = plan.masqueReseau;

  versegment cle = segment;
  if (!extremitesChezLeVoisin(cle, voisin, plan)) return kEchec;
  const host::Point3d& p = cle.extremite();

  std::vector<host::ElementId> cables;
  res_scannerAutour(cables, kTypesCables, p, cle.portee, voisin);
  std::uint64_t trouve = 0;
  // The ends first: most of the elements a scan meets end far from p, and are never classified.
  for (host::ElementId id : cables) {
    const host::ElementHandle candidat(id, voisin);
    versegment autre = geo_extremitesSegment(candidat);
    if (!(autre.debut.distanceXY(p) < kPortee || autre.fin.distanceXY(p) < kPortee)) continue;
    geo_classerSegment(autre, candidat, enregistrement);
    const verclassement& a = autre.classement;
    const verclassement& c = cle.classement;
    // An element the classifier leaves without network is no cable.
    if (a.reseau == 0 || a.reseau != c.reseau || a.branchement != c.branchement || a.protection != c.protection ||
        a.etat == er_Abandonne)
      continue;
    trouve = id;
    break;
  }
  if (trouve == 0) {
    double distance = 0.0;
    if (geo_celluleVoisine(distance, trouve, troncon, cle, catalogue, voisin) != 0) return kEchec;
  }
  std::wstring nom;
  plan_nomDepuisFichier(nom, host::fileName(voisin));
  planVoisin = nom;
  idVoisin = trouve;
  return 0;
}

std::int32_t geo_celluleVoisine(double& distance, std::uint64_t& idCellule, const host::ElementHandle& troncon,
                                const versegment& segment, const std::vector<veraccessoire>& catalogue,
                                host::ModelRef modele) {
  std::vector<host::ElementId> cellules;
  res_scannerAutour(cellules, {host::ElementType::Cell}, segment.extremite(), segment.porteeCellule, modele);
  host::ElementId gardee = 0;
  double plusProche = 0.0;
  for (host::ElementId id : cellules) {
    double d = 0.0;
    if (geo_toucheCellule(d, troncon, host::ElementHandle(id, modele), segment, catalogue) != 0) continue;
    if (gardee == 0 || d < plusProche) {
      gardee = id;
      plusProche = d;
    }
  }
  if (gardee == 0) return kEchec;

  // A single straight segment belongs to the cell by the end nearer to it.
  const host::Element* e = troncon.element();
  const std::optional<host::CurveVector> courbe = e ? host::curveOfElement(*e) : std::nullopt;
  std::vector<host::Point3d> points;
  if (stbGeom_discretiserCourbe(points, courbe ? &*courbe : nullptr, fc_1, false) == 0 && points.size() == 2) {
    versegment inverse = segment;
    inverse.extremiteDebut = segment.extremiteDebut ? 0 : 1;
    double dq = 0.0;
    if (geo_toucheCellule(dq, troncon, host::ElementHandle(gardee, modele), inverse, catalogue) == 0 && dq < plusProche)
      return kEchec;
  }
  if (plusProche >= segment.toleranceContact) return kEchec;
  distance = plusProche;
  idCellule = gardee;
  return 0;
}

std::int32_t geo_toucheCellule(double& distance, const host::ElementHandle& troncon, const host::ElementHandle& cellule,
                               const versegment& segment, const std::vector<veraccessoire>& catalogue) {
  host::Point3d origine;
  std::wstring nom;
  if (stbElem_lireCellule(&origine, nullptr, nullptr, &nom, cellule) != 0 || nom.empty()) return kEchec;
  const std::int32_t ligne = cable_indexAccessoire(catalogue, nom);
  if (ligne < 0) return kEchec;
  const veraccessoire& accessoire = catalogue[static_cast<std::size_t>(ligne)];
  const host::Point3d& p = segment.extremite();
  if (accessoire.famille2) return geo_contactCellule(distance, troncon, cellule, p, segment);
  if (!accessoire.famille1) return kEchec;
  std::vector<host::Point3d> contour;
  if (!host::pointInPolygonXY(stbElem_contourCellule(contour, cellule), p, kPortee)) return kEchec;
  const double d = origine.distanceXY(p);
  if (d > origine.distanceXY(segment.autreExtremite())) return kEchec;
  distance = d;
  return 0;
}
