// The graph of the merge of cable pieces: collecting the pieces and cells of the difference
// levels, attaching the pieces' ends to the nodes, and following each cable from node to node.
// Nodes find their pieces by range scans of the model and pieces are found by id through the
// graph's map, so that building costs O(n log n) for n elements.
#include <exception>

#include "application/diff_fusion_graphe.h"
#include "host/curve_element.h"
#include "host/element_handle.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_niveau.h"
#include "toolbox/stb_symbologie.h"

using host::ElementType;

namespace {

const std::vector<int> kTypesTroncons = {ElementType::Line, ElementType::LineString, ElementType::ComplexChain,
                                         ElementType::Arc};

// Whether a cable runs on through the node: a BT joint holding a branch, or a free end (or an
// unlisted cell) where exactly two counted pieces meet.
bool laisseContinuer(const diff_noeud& n) {
  if (n.genre == 6) return true;
  return n.genre == 0 && n.nbHta + n.nbBt + n.nbBrch == 2;
}

bool memeReseau(const diff_troncon& t, const diff_chaine& c) {
  return t.classement.reseau == c.classement.reseau && t.classement.branchement == c.classement.branchement &&
         t.direction == c.direction;
}

}  // namespace

void diff_collecterElements(diff_graphe& graphe, host::ModelRef modele) {
  graphe = diff_graphe();
  host::ScanCriteria criteres;
  criteres.types = kTypesTroncons;
  criteres.types.push_back(ElementType::Cell);
  for (const diff_ligneNiveau& ligne : diff_tableNiveaux)
    criteres.levels.push_back(host::levelIdFromName(modele, ligne.nom).value_or(0));
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, modele);

  std::wstring nomNiveau;
  for (host::ElementId id : ids) {
    const host::ElementHandle element(id, modele);
    const host::Element* e = element.element();
    if (!e) continue;
    int direction = 0;
    const verclassement classement = diff_classerNiveau(stbNiveau_nom(nomNiveau, modele, e->level), direction);
    if (e->type == ElementType::Cell) {
      diff_noeud noeud;
      std::wstring nom;
      if (stbElem_lireCellule(&noeud.point, nullptr, nullptr, &nom, element) != 0) continue;
      noeud.idElement = id;
      noeud.genre = diff_genreCellule(nom);
      noeud.direction = direction;
      graphe.noeuds.push_back(std::move(noeud));
      continue;
    }
    const auto courbe = host::curveOfElement(*e);
    if (!courbe) continue;
    diff_troncon troncon;
    if (!courbe->getStartEnd(troncon.debut, troncon.fin)) continue;
    troncon.idElement = id;
    troncon.classement = classement;
    troncon.direction = direction;
    troncon.groupe = e->graphicGroup;
    graphe.parId.emplace(id, static_cast<int>(graphe.troncons.size()));
    graphe.troncons.push_back(troncon);
  }
}

void diff_rattacherNoeud(diff_graphe& graphe, int indice, host::ModelRef modele) {
  try {
    const diff_noeud& noeud = graphe.noeuds[static_cast<std::size_t>(indice)];
    host::ScanCriteria criteres;
    criteres.types = kTypesTroncons;
    std::optional<host::CurveVector> contour;
    host::Range3d plage;
    if (noeud.genre == 1) {
      const host::ElementHandle cellule(noeud.idElement, modele);
      host::ElementHandle forme;
      if (stbElem_enfantDeType(forme, cellule, ElementType::Shape) != 0) return;
      contour = host::curveOfElement(*forme.element());
      if (!contour) return;
      plage = host::elementRangeOf(modele, noeud.idElement);
      if (plage.isNull()) return;
      const host::Point3d d{fc_1, fc_1, fc_1};
      plage = host::Range3d::from(plage.low - d, plage.high + d);
    } else {
      stbGeom_plageAutourPoint(plage, noeud.point, fc_1);
    }
    criteres.range = plage;
    std::vector<host::ElementId> ids;
    stbDgn_scanner(ids, criteres, modele);

    for (host::ElementId id : ids) {
      const auto trouve = graphe.parId.find(id);
      if (trouve == graphe.parId.end()) continue;
      diff_troncon& troncon = graphe.troncons[static_cast<std::size_t>(trouve->second)];
      if (troncon.direction != noeud.direction) continue;
      for (int bout = 0; bout < 2; ++bout) {
        const host::Point3d& extremite = bout == 0 ? troncon.debut : troncon.fin;
        host::Point3d reference = noeud.point;
        if (contour) stbGeom_plusProchePoint(&reference, nullptr, &*contour, extremite);
        if (extremite.distanceXY(reference) >= fc_1) continue;
        (bout == 0 ? troncon.noeudDebut : troncon.noeudFin) = indice;
        graphe.noeuds[static_cast<std::size_t>(indice)].troncons.push_back(trouve->second);
      }
    }
  } catch (const std::exception&) {
    // A node that cannot be read holds no piece.
  }
}

void diff_construireGraphe(diff_graphe& graphe, host::ModelRef modele) {
  const int cellules = static_cast<int>(graphe.noeuds.size());
  for (int n = 0; n < cellules; ++n) diff_rattacherNoeud(graphe, n, modele);

  for (std::size_t t = 0; t < graphe.troncons.size(); ++t) {
    for (int bout = 0; bout < 2; ++bout) {
      const diff_troncon& troncon = graphe.troncons[t];
      if ((bout == 0 ? troncon.noeudDebut : troncon.noeudFin) != -1) continue;
      diff_noeud libre;
      libre.direction = troncon.direction;
      libre.point = bout == 0 ? troncon.debut : troncon.fin;
      graphe.noeuds.push_back(std::move(libre));
      diff_rattacherNoeud(graphe, static_cast<int>(graphe.noeuds.size() - 1), modele);
    }
  }

  for (diff_noeud& noeud : graphe.noeuds) {
    for (int t : noeud.troncons) {
      const verclassement& c = graphe.troncons[static_cast<std::size_t>(t)].classement;
      if (c.reseau == 4) ++noeud.nbHta;
      else if (c.reseau == 2 && c.branchement) ++noeud.nbBrch;
      else if (c.reseau == 2) ++noeud.nbBt;
    }
    if (noeud.genre == 3 && noeud.nbBt == 2 && noeud.nbBrch >= 1) noeud.genre = 6;
  }
}

void diff_prolongerChaine(diff_graphe& graphe, std::vector<diff_chaine>& chaines, int indiceChaine, int noeud,
                          int depuis) {
  diff_chaine& chaine = chaines[static_cast<std::size_t>(indiceChaine)];
  while (noeud != -1) {
    const diff_noeud& n = graphe.noeuds[static_cast<std::size_t>(noeud)];
    if (!laisseContinuer(n) || n.troncons.empty()) return;
    int suivant = -1;
    for (int t : n.troncons) {
      if (t != depuis && memeReseau(graphe.troncons[static_cast<std::size_t>(t)], chaine)) {
        suivant = t;
        break;
      }
    }
    if (suivant == -1) return;
    diff_troncon& troncon = graphe.troncons[static_cast<std::size_t>(suivant)];
    // A piece already in a chain (this one, round a ring, or another) is never taken twice.
    if (troncon.chaine != -1) return;
    troncon.chaine = indiceChaine;
    chaine.troncons.push_back(suivant);
    // The piece's other end; none when neither end, or both, are this node.
    if (troncon.noeudDebut == troncon.noeudFin) return;
    if (troncon.noeudDebut == noeud) noeud = troncon.noeudFin;
    else if (troncon.noeudFin == noeud) noeud = troncon.noeudDebut;
    else return;
    depuis = suivant;
  }
}

std::vector<diff_chaine> diff_construireChaines(diff_graphe& graphe) {
  std::vector<diff_chaine> chaines;
  for (std::size_t t = 0; t < graphe.troncons.size(); ++t) {
    diff_troncon& troncon = graphe.troncons[t];
    if (troncon.chaine != -1) continue;
    const int indice = static_cast<int>(chaines.size());
    diff_chaine chaine;
    chaine.classement = troncon.classement;
    chaine.direction = troncon.direction;
    chaine.troncons.push_back(static_cast<int>(t));
    chaines.push_back(std::move(chaine));
    troncon.chaine = indice;
    const int debut = troncon.noeudDebut, fin = troncon.noeudFin;
    diff_prolongerChaine(graphe, chaines, indice, debut, static_cast<int>(t));
    diff_prolongerChaine(graphe, chaines, indice, fin, static_cast<int>(t));
  }
  return chaines;
}
