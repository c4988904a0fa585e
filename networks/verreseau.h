#pragma once
// The records of the network graph of one plan file: its nodes, its pieces of cable, the key of
// one cable end for the touch tests, and the network record that holds them with the two cell
// catalogues and the tolerances. Points are in the file's model units (UORs), lengths of pieces
// in master units, directions in radians.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"
#include "host/geom_types.h"
#include "networks/veraccessoire.h"
#include "networks/vertolerances.h"
#include "standard/verclassement.h"

// A node: a network cell, or the point where piece ends meet without a cell.
struct vernoeud {
  host::Point3d point;
  std::int32_t indexCatalogue = -1;   // row of the plan's catalogue for the node's cell; -1 without cell
  std::uint64_t idCellule = 0;        // 0 without cell
  std::uint8_t traverse = 0;          // 1 when a piece end here continues in a neighbouring plan
  std::wstring planVoisin;            // that neighbour's plan name (plan_nomDepuisFichier); empty otherwise
  std::uint64_t idVoisin = 0;         // the element met in the neighbour's file; 0 otherwise
  std::uint8_t abandonne = 0;         // 1 when the cell's state is 8
  std::uint8_t changement = 0;        // 1 when two pieces of one network change characteristics here
  // The pieces that end here, in the order they were connected; a piece whose two ends meet here
  // stands twice.
  std::vector<std::int32_t> troncons;
};

// State of a piece: the classification's state (etatReseau: 1, 2, 4, 8).
using etatTroncon = std::uint32_t;

// A piece: one cable element of the network file.
struct vertroncon {
  host::Point3d debut;
  double directionDebut = 0.0;  // angle of the curve's tangent at its start
  host::Point3d fin;
  double directionFin = 0.0;    // angle of the tangent at the end plus pi: it points back into the piece
  // The first part of the element's classification.
  std::uint32_t reseau = 0;
  std::uint32_t contenu = 0;
  std::uint8_t branchement = 0;
  std::uint8_t ni = 0;
  std::uint32_t protection = 0;
  etatTroncon etat = 0;
  std::uint64_t idElement = 0;
  double longueur = 0.0;        // master units
  std::int32_t noeudDebut = -1;  // -1 until connected
  std::int32_t noeudFin = -1;
};

// One end of a cable, for the touch tests. `debut` says which end is meant; the reaches and the
// tolerance are distances in UORs.
struct versegment {
  std::uint64_t idElement = 0;
  verclassement classement;
  host::Point3d debut;
  double directionDebut = 0.0;
  host::Point3d fin;
  double directionFin = 0.0;
  std::uint8_t extremiteDebut = 1;  // 1 the start end, 0 the end
  double portee = 1.0;              // reach of the cable searches
  double porteeCellule = 1.0;       // reach of the cell searches
  double toleranceContact = 0.1;    // an end nearer a cell's shape touches it

  // The tested end, and the other one.
  const host::Point3d& extremite() const { return extremiteDebut ? debut : fin; }
  const host::Point3d& autreExtremite() const { return extremiteDebut ? fin : debut; }
};

// The look-up of the nodes by point and by cell, kept by res_ajouterNoeud; not part of the graph.
// The point grid has square cells of 1.0 UOR; each lists its nodes in ascending index.
struct verreseau_index {
  struct Case {
    std::int64_t x = 0, y = 0;
    friend bool operator==(const Case&, const Case&) = default;
  };
  struct HachageCase {
    std::size_t operator()(const Case& c) const noexcept {
      return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(c.x) * 0x9E3779B97F4A7C15ULL ^ static_cast<std::uint64_t>(c.y));
    }
  };
  std::unordered_map<Case, std::vector<std::int32_t>, HachageCase> grille;
  std::unordered_map<std::uint64_t, std::int32_t> cellules;  // cell element id -> its node
  std::size_t indexes = 0;  // nodes indexed; the index is rebuilt when the node list differs
};

// The network of one plan file, owned by the check that builds it for one call.
struct verreseau {
  std::vector<vernoeud> noeuds;
  std::vector<vertroncon> troncons;
  std::vector<veraccessoire> catalogueV2;
  std::vector<veraccessoire> catalogueV3;
  vertolerances tolerances{};  // zeros until tol_initialiser
  verreseau_index index;
};

// Assigns the source to the target member by member.
void verreseau_copier(verreseau& cible, const verreseau& source);
// Releases every list.
void verreseau_detruire(verreseau& reseau);

// The catalogue of the plan's standard in the network: V2 for a one-file plan (kind 1), else V3.
const std::vector<veraccessoire>& res_catalogue(const verreseau& reseau, std::uint32_t typePlan);

// Appends a node with these members, the others empty, and returns its index. Nodes are appended
// only through here, so that the look-ups below find them.
std::int32_t res_ajouterNoeud(verreseau& reseau, const host::Point3d& point, std::int32_t indexCatalogue,
                              std::uint64_t idCellule, std::uint8_t abandonne);

// The first node, in list order, lying less than 1.0 from the point in XY; -1 when none.
std::int32_t res_noeudAuPoint(verreseau& reseau, const host::Point3d& point);
// The first node of that cell; -1 when none.
std::int32_t res_noeudDeCellule(verreseau& reseau, std::uint64_t idCellule);

// The end key of a cable element: its classification in the plan's theme model (kind and theme
// of the plan; left at zeros when the plan has no theme model or the element is not classified),
// its ends and directions. An element without a curve keeps zeros there. The start end is meant.
versegment geo_creerSegment(const host::ElementHandle& troncon, const verplaninfo& plan);

// The two halves of that key: the element's ends and directions (and id), then its
// classification, so that a search can test the ends of each candidate before classifying it.
versegment geo_extremitesSegment(const host::ElementHandle& troncon);
void geo_classerSegment(versegment& segment, const host::ElementHandle& troncon, const verplaninfo& plan);

// The ends and directions of a curve element: false, nothing written, when it has no curve.
bool res_extremitesCourbe(host::Point3d& debut, double& directionDebut, host::Point3d& fin, double& directionFin,
                          const host::Element& element);
