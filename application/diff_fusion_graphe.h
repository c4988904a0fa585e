#pragma once
// The graph that the merge of cable pieces walks: the pieces (linear elements on the difference
// levels), the nodes where they end (accessory cells and free ends) and the chains of pieces that
// run from node to node. Indexes are positions in the graph's lists; -1 means none. Points are in
// the model's UORs.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/geom_types.h"
#include "host/model_ref.h"
#include "standard/verclassement.h"

// One collected linear element.
struct diff_troncon {
  host::ElementId idElement = 0;
  verclassement classement;  // made from the element's level name
  int direction = 0;         // 1 addition, 2 removal, 0 neither
  std::uint32_t groupe = 0;  // graphic group
  host::Point3d debut;
  host::Point3d fin;
  int noeudDebut = -1;
  int noeudFin = -1;
  int chaine = -1;
};

// An accessory cell or a free end of a piece.
struct diff_noeud {
  host::ElementId idElement = 0;  // the cell's; 0 for a free end
  int genre = 0;                  // diff_genresNoeuds; 6 a BT joint with a branch
  int direction = 0;
  host::Point3d point;            // the cell's origin, or the free end
  std::vector<int> troncons;      // in attachment order; a piece attached by both ends twice
  int nbHta = 0;
  int nbBt = 0;
  int nbBrch = 0;
};

// A run of pieces, in the order in which they were reached.
struct diff_chaine {
  host::ElementId idElement = 0;  // the merged element once it exists
  verclassement classement;
  int direction = 0;
  std::vector<int> troncons;
};

struct diff_graphe {
  std::vector<diff_troncon> troncons;
  std::vector<diff_noeud> noeuds;
  std::unordered_map<host::ElementId, int> parId;  // piece index by element id
};

// What the level name of a collected element gives.
struct diff_ligneNiveau {
  const wchar_t* nom;
  std::uint32_t reseau;
  std::uint8_t branchement;
  int direction;
};
extern const std::array<diff_ligneNiveau, 8> diff_tableNiveaux;

// The node kind of an accessory cell, by its exact name.
struct diff_genreNoeud {
  const wchar_t* nom;
  int genre;
};
extern const std::array<diff_genreNoeud, 31> diff_genresNoeuds;

// The classification (`contenu` 1, `un` 1, the row's network and branchement) and direction of a
// level name; a name of no row gives network 0 and direction 0.
verclassement diff_classerNiveau(const std::wstring& nomNiveau, int& direction);
// The kind of a cell name; 0 for a name of no row.
int diff_genreCellule(const std::wstring& nomCellule);

// Reads the pieces and the accessory cells on the eight difference levels of the model, in scan
// order. The graph is emptied first.
void diff_collecterElements(diff_graphe& graphe, host::ModelRef modele);
// Attaches every node, adds a node at each free end, counts the pieces at each node and makes
// kind-3 joints with two BT pieces and a branch kind 6.
void diff_construireGraphe(diff_graphe& graphe, host::ModelRef modele);
// Attaches to the node the pieces of its direction whose ends lie near it (strictly within fc_1).
void diff_rattacherNoeud(diff_graphe& graphe, int noeud, host::ModelRef modele);
// Follows the chain from the node, reached by the piece `depuis`, through the nodes that let a
// cable run on, appending the pieces met and giving them the chain's index.
void diff_prolongerChaine(diff_graphe& graphe, std::vector<diff_chaine>& chaines, int chaine, int noeud, int depuis);
// Every piece in one chain: each piece without a chain starts one, followed from both its ends.
std::vector<diff_chaine> diff_construireChaines(diff_graphe& graphe);
