#include "networks/defauts_trace.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "engine/erreur.h"
#include "host/curve_element.h"
#include "host/element_handle.h"
#include "networks/reseau_compteurs.h"
#include "standard/niv_classement.h"
#include "standard/niv_masque.h"
#include "standard/niv_reseaux.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_symbologie.h"

namespace {

constexpr std::uint32_t codeAllerRetour = 2064;
constexpr std::uint32_t codeSommetsConfondus = 2066;
constexpr std::uint32_t codeSuperposes = 2067;
constexpr double kDeuxPi = 2.0 * std::numbers::pi;

const std::vector<int> kTypesCables = {host::ElementType::Line, host::ElementType::LineString,
                                       host::ElementType::ComplexChain, host::ElementType::Arc};

// A drawn BT or HTA cable that the verification examines.
bool cableExamine(const verelement& e) {
  const verclassement& c = e.classement;
  return (e.etatControle == 2 || e.etatControle == 3) && c.contenu == cn_Lignes &&
         (c.reseau == nr_BT || c.reseau == nr_HTA);
}

// The element's curve in the file's model; none when it cannot be read or has no curve.
std::optional<host::CurveVector> courbeDe(const verfichier& fichier, std::uint64_t idElement) {
  const host::Element* e = host::readElement(fichier.modele, idElement);
  if (!e) return std::nullopt;
  return host::curveOfElement(*e);
}

// The cable's trace stroked within 1.0 UOR, breaks dropped; false when it cannot be read.
bool tracer(std::vector<host::Point3d>& points, const verfichier& fichier, const verelement& e) {
  const std::optional<host::CurveVector> courbe = courbeDe(fichier, e.idElement);
  return courbe && stbGeom_discretiserCourbe(points, &*courbe, fc_1, false) == 0;
}

void signaler(std::vector<vererreur>& erreurs, const verfichier& fichier, const verelement& e, std::uint32_t code,
              const host::Point3d* position) {
  erreur_ajouter(erreurs, fichier.nomFichier, e.idElement, static_cast<std::uint32_t>(e.symbologie.type), code,
                 position, e.categorie, L"");
}

// The levels of the live electricity cables of the plan's theme file, kept for the last file asked
// about: built once per file, not once per cable. Keyed by the model's handle and design file,
// which a closed and reopened file never shares.
const host::LevelMask& masqueCablesVivants(const verplaninfo& plan) {
  static struct {
    std::uint64_t modele = 0;
    const host::DesignFile* fichier = nullptr;
    std::uint32_t type = 0, theme = 0;
    host::LevelMask masque;
  } cache;
  const host::DesignFile* fichier = host::designFile(plan.modeleTheme);
  if (cache.modele != plan.modeleTheme.handle || cache.fichier != fichier || cache.type != plan.type ||
      cache.theme != plan.masqueTheme) {
    cache.modele = plan.modeleTheme.handle;
    cache.fichier = fichier;
    cache.type = plan.type;
    cache.theme = plan.masqueTheme;
    cache.masque = niv_masqueAffichage(nr_ThemeEle, er_Classe | er_Normal | er_Incertain, cn_Lignes, 0, plan);
  }
  return cache.masque;
}

}  // namespace

// Error 2064 at each interior vertex of an examined cable (abandoned ones too) where the trace
// turns back: both legs at least `distance` UORs long in XY and the angle between them below
// `angle` radians. Returns 0.
std::int32_t cable_controlerAllerRetour(std::vector<vererreur>& erreurs, double angle, double distance,
                                        const verfichier& fichier) {
  std::vector<host::Point3d> points;
  for (const verelement& e : fichier.elements) {
    if (!cableExamine(e) || !tracer(points, fichier, e)) continue;
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
      const host::Point3d &a = points[i - 1], &b = points[i], &c = points[i + 1];
      if (a.distanceXY(b) < distance || b.distanceXY(c) < distance) continue;
      double ecart = std::atan2(a.y - b.y, a.x - b.x) - std::atan2(c.y - b.y, c.x - b.x);
      if (ecart < 0.0) ecart += kDeuxPi;
      if (ecart >= kDeuxPi) ecart -= kDeuxPi;
      if (ecart >= std::numbers::pi) ecart = kDeuxPi - ecart;
      if (ecart < angle) signaler(erreurs, fichier, e, codeAllerRetour, &b);
    }
  }
  return 0;
}

// Error 2066 at each interior vertex of an examined live cable that lies less than `distance`
// UORs (XY) from the last vertex kept before it; the first and last points are never reported.
// Returns 0.
std::int32_t cable_controlerSommetsConfondus(std::vector<vererreur>& erreurs, double distance,
                                             const verfichier& fichier) {
  std::vector<host::Point3d> points;
  for (const verelement& e : fichier.elements) {
    if (!cableExamine(e) || e.classement.etat == er_Abandonne || !tracer(points, fichier, e)) continue;
    if (points.size() < 3) continue;
    host::Point3d garde = points.front();
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
      if (points[i].distanceXY(garde) >= distance) garde = points[i];
      else signaler(erreurs, fichier, e, codeSommetsConfondus, &points[i]);
    }
  }
  return 0;
}

// Error 2067 on the element, without position, once for each live (not abandoned) cable of its
// network and service-connection flag whose range meets the element's grown by `distance`, that is not
// shorter than the element by more than `distance` and shares a stretch of trace with it within
// `distance` (lengths and distances in UORs). So the shorter of two such cables is reported, or
// both when their lengths differ by no more than `distance`. Returns 0.
std::int32_t cable_controlerCablesSuperposes(std::vector<vererreur>& erreurs, const verelement& element,
                                             double distance, const verfichier& fichier, const verplaninfo& plan) {
  const std::optional<host::CurveVector> courbe = courbeDe(fichier, element.idElement);
  if (!courbe) return 0;
  const double longueur = courbe->length();

  host::Range3d plage = host::elementRangeOf(fichier.modele, element.idElement);
  if (plage.isNull()) return 0;
  plage.low = plage.low - host::Point3d{distance, distance, distance};
  plage.high = plage.high + host::Point3d{distance, distance, distance};
  host::ScanCriteria criteres;
  criteres.types = kTypesCables;
  criteres.levelMask = masqueCablesVivants(plan);
  criteres.range = plage;
  std::vector<host::ElementId> ids;
  res_scanner(ids, criteres, fichier.modele);
  for (host::ElementId id : ids) {
    if (id == element.idElement) continue;
    verclassement c;
    if (niv_classerElement(&c, host::ElementHandle(id, fichier.modele), fichier.modele, plan.type, plan.masqueTheme) != 0)
      continue;
    // The one-file standard draws abandoned cables on the live cables' levels: the level mask
    // alone would let them through.
    if (c.etat == er_Abandonne || c.reseau != element.classement.reseau ||
        c.branchement != element.classement.branchement)
      continue;
    const std::optional<host::CurveVector> autre = courbeDe(fichier, id);
    if (!autre || longueur > distance + autre->length()) continue;
    if (stbGeom_raccordExtremites(&*courbe, &*autre, distance) == 0)
      signaler(erreurs, fichier, element, codeSuperposes, nullptr);
  }
  return 0;
}
