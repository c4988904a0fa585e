#pragma once
// Finding the title-block and identification cells of a plan's model, and reading the field
// texts of a cell. A reader given a null model opens the plan file at `chemin` itself (read-only
// accepted) and closes it before returning, unless it is the host's active model. Results are
// 0 or 32768; nothing is shown and no error is added anywhere.
#include <cstdint>
#include <string>
#include <vector>

#include "host/element_handle.h"
#include "host/model_ref.h"
#include "titleblock/vercellule.h"

// Every cell (type 2) of the model whose name is in `noms` (exact, case-sensitive; an empty list
// keeps every cell), in scan order, with name, id, origin, rotation, scale and graphic group. A
// cell inside one of the `encarts` shapes (element ids of the model; the inset test of
// encart_contientElement) is left out.
void cart_collecterCellules(std::vector<vercellule>& cellules, host::ModelRef modele,
                            const std::vector<std::wstring>& noms, const std::vector<std::uint64_t>& encarts);

// The first cell named CART or CART2: 0, or 32768 when there is none or the file does not open.
std::uint32_t cart_trouverCellule(vercellule& cellule, host::ModelRef modele, const std::wstring& chemin);

// The identification cells, by their roles, in scan order, a later cell of a role replacing an
// earlier one: IDFICH; the theme cell (IDFDP, IDELE, IDGAZ or IDAUT); IDLOC or IDLOCV3; every
// IDVOIE in order. A role not seen gives 0. Every output is optional and written whenever the
// model could be read. 0 when an IDFICH cell was seen, else 32768.
std::uint32_t cart_cellulesIdentification(std::uint64_t* idFich, std::uint64_t* idTheme, std::uint64_t* idLoc,
                                          std::vector<std::uint64_t>* idVoies, host::ModelRef modele,
                                          const std::wstring& chemin);

// Sortes of cell for cart_trouverCelluleId.
enum cart_sorteCellule : int {
  sorteCartouche = 1,          // sub-kind 1: the title block
  sorteIdentification = 2,     // sub-kind 1 IDFICH, 2 the theme cell, 3 the IDLOC cell
};

// The cell of that id when the id is not 0; else the title block (kind 1, sub-kind 1) or an
// identification cell (kind 2). 32768 for another kind or sub-kind or when there is none.
std::uint32_t cart_trouverCelluleId(host::ElementHandle& cellule, std::uint64_t id, host::ModelRef modele,
                                    int sorte, int sousSorte);

// The n-th field text of a cell, trimmed of blanks: only the cell's texts that hold an enter-data
// field count, numbered from 0; empty when there are fewer, and for n = -1.
const std::wstring& cart_texteCellule(std::wstring& texte, const host::ElementHandle& cellule, int n);
