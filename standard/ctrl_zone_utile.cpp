#include "standard/ctrl_zone_utile.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "engine/erreur.h"
#include "engine/plan_construire.h"
#include "host/curve_element.h"
#include "host/element.h"
#include "standard/element_table.h"
#include "standard/emprise_decouper.h"
#include "titleblock/cart_zone_utile.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_symbologie.h"

using host::Element;
using host::ElementHandle;
using host::ElementType;

namespace {

constexpr std::uint32_t codeHorsZone = 1203;
constexpr std::uint32_t codeClasse = 2021;
constexpr std::uint32_t codeDiscontinuite = 2022;
constexpr std::uint32_t codeSymbologieComplexe = 2023;
constexpr std::uint32_t codeTypeComplexe = 2024;
constexpr std::uint32_t codeFormeFermee = 1267;
constexpr std::uint32_t codeLargeurStyle = 2036;

constexpr double kMargeTroisFichiers = 10.0;  // UORs
constexpr double kFormeMinimale = 10.0;       // area and length, UORs
constexpr std::uint32_t kLargeurDebut = 8;    // line-style modifier bits
constexpr std::uint32_t kLargeurFin = 16;

// One cut of the plan: each id that the file's table holds is one 1203.
void signalerDehors(std::vector<vererreur>& erreurs, const verfichier& fichier, const verplaninfo& vue,
                    std::uint32_t mode, const std::vector<host::Point3d>& zone) {
  std::vector<std::uint64_t> dehors;
  if (emprise_decouperPlan(dehors, vue, mode, zone) != 0) return;
  for (const std::uint64_t id : dehors) element_signalerParId(erreurs, fichier, id, codeHorsZone);
}

bool estComplexe(int type) { return type == ElementType::ComplexChain || type == ElementType::ComplexShape; }

bool composantAccepte(int type) {
  return type == ElementType::Line || type == ElementType::LineString || type == ElementType::Shape ||
         type == ElementType::Ellipse || type == ElementType::Arc;
}

// Class: 0 primary, 1 pattern component, 3 dimension and 5 linear patterned are accepted.
bool classeAcceptee(std::int32_t classe) { return classe == 0 || classe == 1 || classe == 3 || classe == 5; }

// The symbology reporter's class for a significant element, the raw property otherwise.
std::int32_t classeDe(const verelement& r, const ElementHandle& h, const Element& e) {
  return r.symbologie.classe != -1 && stbElem_estSignificatif(h) == 0 ? r.symbologie.classe : e.elementClass;
}

// A line string or shape whose stroke holds a disconnect point.
bool discontinu(const Element& e) {
  if (e.type != ElementType::LineString && e.type != ElementType::Shape) return false;
  const auto courbe = host::curveOfElement(e);
  if (!courbe) return false;
  std::vector<host::Point3d> points;
  if (stbGeom_discretiserCourbe(points, &*courbe, fc_1, true) != 0) return false;
  return std::any_of(points.begin(), points.end(), [](const host::Point3d& p) { return host::isDisconnect(p); });
}

struct SymbologieComposant {
  std::uint32_t niveau = 0, couleur = 0, epaisseur = 0, style = 0;
  std::wstring nomStyle;
};

SymbologieComposant symbologieDe(const ElementHandle& h, host::ModelRef modele) {
  SymbologieComposant s;
  s.niveau = stbElem_niveau(h);
  stbElem_symbologie(&s.couleur, &s.epaisseur, &s.style, h);
  stbElem_styleLigne(s.nomStyle, nullptr, h, modele);
  return s;
}

bool symbologiesDifferent(const SymbologieComposant& a, const SymbologieComposant& b) {
  if (a.niveau != b.niveau || a.couleur != b.couleur || a.epaisseur != b.epaisseur) return true;
  if (!a.nomStyle.empty() || !b.nomStyle.empty()) return a.nomStyle != b.nomStyle;
  return a.style != b.style;
}

}  // namespace

void ctrl_elementsFichier(std::vector<vererreur>& erreurs, verfichier& fichier) {
  const host::ModelRef modele = fichier.modele;
  if (!stbDgn_modeleValide(modele)) return;
  // The records whose element the model still holds, each looked up once for every pass (the
  // model does not change while they run).
  std::vector<std::pair<const verelement*, const Element*>> lus;
  lus.reserve(fichier.elements.size());
  for (const verelement& r : fichier.elements)
    if (const Element* e = host::readElement(modele, r.idElement)) lus.emplace_back(&r, e);
  const auto passe = [&](const auto& controle) {
    for (const auto& [r, e] : lus) {
      try {
        controle(*r, ElementHandle(r->idElement, modele), *e);
      } catch (const std::exception&) {
      }
    }
  };
  passe([&](const verelement& r, const ElementHandle& h, const Element& e) {
    if (!classeAcceptee(classeDe(r, h, e))) element_signaler(erreurs, fichier, r, codeClasse);
  });
  passe([&](const verelement& r, const ElementHandle&, const Element& e) {
    if (!estComplexe(e.type)) return;
    const auto it = std::find_if(e.children.begin(), e.children.end(),
                                 [](const Element& c) { return !composantAccepte(c.type); });
    if (it != e.children.end()) element_signaler(erreurs, fichier, r, codeTypeComplexe, std::to_wstring(it->type));
  });
  passe([&](const verelement& r, const ElementHandle&, const Element& e) {
    bool trouve = false;
    if (e.type == ElementType::LineString || e.type == ElementType::Shape) {
      trouve = discontinu(e);
    } else if (estComplexe(e.type)) {
      trouve = std::any_of(e.children.begin(), e.children.end(), discontinu);
    }
    if (trouve) element_signaler(erreurs, fichier, r, codeDiscontinuite);
  });
  passe([&](const verelement& r, const ElementHandle& h, const Element& e) {
    if (!estComplexe(e.type)) return;
    const SymbologieComposant entete = symbologieDe(h, modele);
    for (const Element& c : e.children) {
      if (symbologiesDifferent(entete, symbologieDe(ElementHandle(c, modele), modele))) {
        element_signaler(erreurs, fichier, r, codeSymbologieComplexe);
        return;
      }
    }
  });
  passe([&](const verelement& r, const ElementHandle&, const Element& e) {
    if (e.type != ElementType::Shape && e.type != ElementType::ComplexShape && e.type != ElementType::Ellipse) return;
    const auto courbe = host::curveOfElement(e);
    if (!courbe) return;
    const double aire = std::abs(courbe->signedAreaXY());
    const double longueur = std::abs(courbe->length());
    if (aire < kFormeMinimale && longueur < kFormeMinimale) element_signaler(erreurs, fichier, r, codeFormeFermee);
  });
  passe([&](const verelement& r, const ElementHandle& h, const Element&) {
    if (stbElem_estSignificatif(h) != 0) return;
    std::wstring nom;
    host::LineStyleParams parametres;
    if (stbElem_styleLigne(nom, &parametres, h, modele) != 0 || nom.empty()) return;
    if ((parametres.modifiers & (kLargeurDebut | kLargeurFin)) != 0) element_signaler(erreurs, fichier, r, codeLargeurStyle);
  });
}

void ctrl_zoneUtile(std::vector<vererreur>& erreurs, verplanfichiers& plan) {
  verplaninfo electricite, autres;
  plan_copierIdentite(electricite, plan, 62);
  plan_copierIdentite(autres, plan, 6144);
  std::vector<host::Point3d> zone;
  if (cart_zoneUtile(zone, electricite, true) != 0 || zone.size() < 5) return;
  if (plan.type == 2) {
    const double m = kMargeTroisFichiers;
    zone = {{zone[0].x - m, zone[0].y + m, 0.0}, {zone[1].x + m, zone[1].y + m, 0.0},
            {zone[2].x + m, zone[2].y - m, 0.0}, {zone[3].x - m, zone[3].y - m, 0.0}};
    zone.push_back(zone.front());
  }
  signalerDehors(erreurs, plan.fichiers[0], electricite, 1, zone);
  if (plan.type == 2) {
    if (plan.fichiers[1].existe) signalerDehors(erreurs, plan.fichiers[1], electricite, 2, zone);
    if (plan.fichiers[2].existe) signalerDehors(erreurs, plan.fichiers[2], autres, 2, zone);
  }
  for (verfichier& f : plan.fichiers)
    if (f.existe) ctrl_elementsFichier(erreurs, f);
}
