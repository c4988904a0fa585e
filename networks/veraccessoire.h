#pragma once
// The network cell catalogue: the cells of the electricity networks that take part in the cable
// topology (boxes, cabinets, risers, ends, joints, branchings, nodes), with how cables meet each
// cell, which kinds of cable may end there and how many. One catalogue per standard.
#include <cstdint>
#include <string>
#include <vector>

#include "toolbox/stb_symbologie.h"

// Kinds of cable a cell admits, as bits. A piece counts as a service connection (bit 1) when its
// classification carries the branchement flag, else by its network bit.
enum masqueCablesAccessoire : std::uint32_t {
  mca_Branchement = 1,  // a BT piece of a service connection
  mca_BT = 2,
  mca_HTA = 4,
  mca_TLCEle = 8,
  mca_TLR = 16,
};

// One row of a catalogue. The fields marked fixed keep their value in every row and are read by
// no network check.
struct veraccessoire {
  std::wstring code;                 // the cell name, compared without case
  std::wstring libelle;              // fixed: empty
  std::uint32_t reserve1 = 0;        // fixed
  std::wstring reserve2;             // fixed: empty
  std::uint8_t reserve3 = 0;         // fixed
  std::uint8_t reserve4 = 0;         // fixed
  // Family 1: a point accessory, joined by the ends within 1.0 UOR of its origin. Family 2: a
  // box or cabinet, also joined by the ends that touch its drawn shape. One of the two is 1.
  std::uint8_t famille1 = 0;
  std::uint8_t famille2 = 0;
  std::vector<std::wstring> reserve5;  // fixed: empty
  std::int32_t reserve6 = -1;          // fixed
  std::vector<std::wstring> reserve7;  // fixed: empty
  std::uint32_t cablesAdmis = 0;       // masqueCablesAccessoire bits
  std::uint32_t reserve8 = 0;          // fixed
  double reserve9 = 999.0;             // fixed
  // How many cables may meet at the cell; a row without counts takes no part in the graph.
  std::vector<std::int32_t> nombresAdmis;
  std::vector<std::wstring> reserve10;  // fixed: empty
  versymbologie symbologie;             // fixed: as constructed
};

// A row with the code, the family flag (1 or 2; any other value sets neither), the admitted kinds
// and the counts premier, premier + 1, ..., dernier (none when premier > dernier).
veraccessoire veraccessoire_definir(const std::wstring& code, std::uint32_t famille, std::uint32_t cablesAdmis,
                                    std::int32_t premier, std::int32_t dernier);

// The catalogue of a standard: 1 the one-file (V2) catalogue, 2 the three-file (V3) one, any other
// value an empty list. Rows in the standard's order.
std::vector<veraccessoire> cable_listeAccessoires(std::uint32_t catalogue);

// Index of the row of that cell name (compared without case); -1 when none.
std::int32_t cable_indexAccessoire(const std::vector<veraccessoire>& catalogue, const std::wstring& nom);
