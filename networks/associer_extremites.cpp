#include "networks/associer_extremites.h"

#include <optional>

#include "host/curve_element.h"
#include "host/element_handle.h"
#include "standard/element_table.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_str.h"

namespace {

constexpr double kPortee = 1.0;  // UORs: a node and an element end closer than this meet
constexpr std::uint32_t kInchange = 1, kNouveau = 2, kSupprime = 3;
constexpr std::uint32_t kMarque = 3;  // etatControle of an element marked here

bool estCable(std::uint32_t type) {
  return type == host::ElementType::Line || type == host::ElementType::LineString ||
         type == host::ElementType::ComplexChain || type == host::ElementType::Arc;
}

// The element of the table with that id, unless it is new; null otherwise (and for 0).
verelement* marquable(verfichier& fichier, std::uint64_t id) {
  if (id == 0) return nullptr;
  const std::int32_t i = element_rechercherParId(fichier.elements, id);
  if (i < 0) return nullptr;
  verelement& e = fichier.elements[static_cast<std::size_t>(i)];
  return e.etatControle == kNouveau ? nullptr : &e;
}

// Status 3, and the end of the element lying at the node's point (left as it was when neither).
void marquerCable(verelement& e, const host::Point3d& noeud) {
  e.etatControle = kMarque;
  if (noeud.distanceXY(e.debut) < kPortee) e.marqueExtremite = 1;
  else if (noeud.distanceXY(e.fin) < kPortee) e.marqueExtremite = 2;
}

// The delivered id of an element of the previous version, when it is unchanged; 0 otherwise.
std::uint64_t idLivreInchange(const verecartsReseau& ecarts, std::uint64_t idOrigine) {
  const verecart* r = ecarts.origine(idOrigine);
  return r && r->statut == kInchange ? r->idLivre : 0;
}

// The first piece of each element id.
std::unordered_map<std::uint64_t, std::int32_t> premiersTroncons(const verreseau& reseau) {
  std::unordered_map<std::uint64_t, std::int32_t> index;
  for (std::size_t i = 0; i < reseau.troncons.size(); ++i)
    index.emplace(reseau.troncons[i].idElement, static_cast<std::int32_t>(i));
  return index;
}

std::optional<host::CurveVector> courbe(host::ModelRef modele, std::uint64_t id) {
  const host::Element* e = host::readElement(modele, id);
  if (!e) return std::nullopt;
  return host::curveOfElement(*e);
}

// True when an end of one curve lies less than 1.0 from the other curve.
bool seRaccordent(const host::CurveVector& a, const host::CurveVector& b) {
  for (const auto& [courbe, autre] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
    host::Point3d debut, fin;
    if (!courbe->getStartEnd(debut, fin)) continue;
    if (stbGeom_distanceChemin(autre, debut) < kPortee || stbGeom_distanceChemin(autre, fin) < kPortee) return true;
  }
  return false;
}

}  // namespace

const verecart* verecartsReseau::origine(std::uint64_t idOrigine) const {
  if (idOrigine == 0) return nullptr;
  const auto it = parOrigine.find(idOrigine);
  return it == parOrigine.end() ? nullptr : it->second;
}

verecartsReseau cable_ecartsDuFichier(const std::vector<verecart>& ecarts, const verfichier& fichier) {
  verecartsReseau r;
  for (const verecart& e : ecarts) {
    if (stbStr_comparer(e.fichier, fichier.nomFichier, false) != 0) continue;
    r.ecarts.push_back(&e);
    if (e.idOrigine != 0) r.parOrigine.emplace(e.idOrigine, &e);
  }
  return r;
}

void cable_associerExtremites(verfichier& fichier, const std::vector<verecart>& ecarts, const verreseau& courant,
                              verreseau& precedent, host::ModelRef modelePrecedent) {
  const verecartsReseau duFichier = cable_ecartsDuFichier(ecarts, fichier);
  const auto tronconsCourants = premiersTroncons(courant);
  const auto tronconsPrecedents = premiersTroncons(precedent);
  for (const verecart* r : duFichier.ecarts) {
    if (r->statut == kNouveau && estCable(r->type)) {
      const auto it = tronconsCourants.find(r->idLivre);
      if (it == tronconsCourants.end()) continue;
      for (const std::uint8_t debut : {std::uint8_t{1}, std::uint8_t{0}})
        cable_marquerVoisins(fichier, courant, {}, ca_Courant, duFichier, it->second, debut);
    } else if (r->statut == kSupprime && estCable(r->type)) {
      const auto it = tronconsPrecedents.find(r->idOrigine);
      if (r->idOrigine == 0 || it == tronconsPrecedents.end()) continue;
      for (const std::uint8_t debut : {std::uint8_t{1}, std::uint8_t{0}})
        cable_marquerVoisins(fichier, precedent, modelePrecedent, ca_Precedent, duFichier, it->second, debut);
    } else if (r->statut == kSupprime && r->type == host::ElementType::Cell) {
      const std::int32_t n = res_noeudAuPoint(precedent, r->position);
      if (n < 0) continue;
      const vernoeud& noeud = precedent.noeuds[static_cast<std::size_t>(n)];
      for (const std::int32_t t : noeud.troncons) {
        const std::uint64_t id = idLivreInchange(duFichier, precedent.troncons[static_cast<std::size_t>(t)].idElement);
        if (verelement* e = marquable(fichier, id)) marquerCable(*e, noeud.point);
      }
    }
  }
}

void cable_marquerVoisins(verfichier& fichier, const verreseau& reseau, host::ModelRef modele, std::int32_t cote,
                          const verecartsReseau& ecarts, std::int32_t troncon, std::uint8_t debut) {
  if (troncon < 0 || static_cast<std::size_t>(troncon) >= reseau.troncons.size()) return;
  const vertroncon& p = reseau.troncons[static_cast<std::size_t>(troncon)];
  const std::int32_t n = debut ? p.noeudDebut : p.noeudFin;
  if (n < 0 || static_cast<std::size_t>(n) >= reseau.noeuds.size()) return;
  const vernoeud& noeud = reseau.noeuds[static_cast<std::size_t>(n)];

  if (noeud.idCellule != 0) {
    const std::uint64_t id = cote == ca_Courant ? noeud.idCellule : idLivreInchange(ecarts, noeud.idCellule);
    if (verelement* e = marquable(fichier, id)) e->etatControle = kMarque;
    return;
  }

  std::optional<host::CurveVector> courbeP;
  if (modele) courbeP = courbe(modele, p.idElement);
  for (const std::int32_t t : noeud.troncons) {
    if (t == troncon) continue;
    const vertroncon& q = reseau.troncons[static_cast<std::size_t>(t)];
    if (modele) {
      // Pieces of the previous version meet only where an end of one lies on the other: a node
      // without cell can also gather ends that merely come near one another.
      if (!courbeP) continue;
      const std::optional<host::CurveVector> courbeQ = courbe(modele, q.idElement);
      if (!courbeQ || !seRaccordent(*courbeP, *courbeQ)) continue;
    }
    const std::uint64_t id = cote == ca_Courant ? q.idElement : idLivreInchange(ecarts, q.idElement);
    if (verelement* e = marquable(fichier, id)) marquerCable(*e, noeud.point);
  }
}
