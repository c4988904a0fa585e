#pragma once
// Network dates written in a title block or an identification cell against the networks drawn
// in the plan. Findings carry the cell's id, extra 2 and the object "Cartouche".
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "networks/recherches_reseau.h"
#include "titleblock/vercartouche.h"
#include "titleblock/verdate.h"

// One network's date as written, with the network's label ("BT", "HTA", "TLC", "TLR", "EP", "VDC").
using ctrl_dateReseau = std::pair<std::wstring, std::wstring>;  // label, date text

// The rule for one network; the network is absent when |longueur| (master units) is below 0.001.
// A valid date later than today: 1109 "Date des réseaux <label> postérieure à la date du jour",
// and, absent network, 1110 "Plan sans réseaux <label> en service". An absent (empty) date with
// the network present: 1110 "Plan avec réseaux <label> en service". Any other date: 1109
// "Date des réseaux <label> invalide".
void ctrl_datesReseaux(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                       double longueur, const verdate& date, const verdate& aujourdhui, const std::wstring& reseau);

// A network's length in the lengths of the network search: its total less its abandoned part,
// BT with the service connections added the same way; 0.0 for an unknown label.
double ctrl_longueurReseau(const verlongueurs& longueurs, const std::wstring& reseau);

// The rule for each date of the list, in order, with today's date and the given lengths.
void ctrl_datesReseauxMesures(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idCellule,
                              const verlongueurs& longueurs, const std::vector<ctrl_dateReseau>& dates);

// The dates of a one-file plan's title block (fichiers[0]): BT, HTA, TLR, EP and VDC against the
// electricity and other networks drawn; then each valid gas date (BP, MPB, MPC, PRC) gives 1247.
void ctrl_datesReseauxV2(std::vector<vererreur>& erreurs, const verplanfichiers& fichiers, std::uint64_t idCartouche,
                         const vercartouche& cartouche);
