#pragma once
// Matching with the previous version: the unchanged elements of the plan's network file that
// touch a new or a deleted network element get status 3 in the file's element table, and a cable
// among them the end that touches it (marqueExtremite 1 start, 2 end). Points in UORs.
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "host/model_ref.h"
#include "networks/verreseau.h"

// The comparison records of the network file alone (the list holds every file of the plan, and
// element ids are unique only within a file), with the first of them by previous-version id (an
// id of 0 is never indexed). Points into the list it was built from.
struct verecartsReseau {
  std::vector<const verecart*> ecarts;
  std::unordered_map<std::uint64_t, const verecart*> parOrigine;

  // The first record of that previous-version id; null when none or for 0.
  const verecart* origine(std::uint64_t idOrigine) const;
};

// The records of `ecarts` whose file is the network file (its name compared without case).
verecartsReseau cable_ecartsDuFichier(const std::vector<verecart>& ecarts, const verfichier& fichier);

// Side of a network that cable_marquerVoisins looks at.
enum coteAssociation : std::int32_t {
  ca_Courant = 1,    // the delivered network; no model
  ca_Precedent = 2,  // the previous version's network, with its model (null when it was not opened)
};

// For each record of the network file: a new cable marks what touches its ends in the current
// network; a deleted cable marks, through the previous network, the unchanged elements that
// touched its ends there; a deleted cell marks the unchanged cables that met at its node.
void cable_associerExtremites(verfichier& fichier, const std::vector<verecart>& ecarts, const verreseau& courant,
                              verreseau& precedent, host::ModelRef modelePrecedent);

// What touches the end (`debut` 1 the start, 0 the end) of the piece `troncon` of `reseau`: the
// node's cell, else the other pieces at the node (with a model, only those whose curve meets the
// piece's end to end within 1.0). Elements with status 2 are never marked.
void cable_marquerVoisins(verfichier& fichier, const verreseau& reseau, host::ModelRef modele, std::int32_t cote,
                          const verecartsReseau& ecarts, std::int32_t troncon, std::uint8_t debut);
