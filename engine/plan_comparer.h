#pragma once
// The comparison of a delivered plan with its previous version of the same name in the Origine
// directory, file by file and element by element. Each delivered element ends unchanged, new or
// in error; each element of the previous version that no delivered element matched is removed.
// The results are appended to the plan's comparison list; new elements get check state 2.
// Nothing in Origine is ever written: mode 2 copies the previous version into Temp for the time
// of the comparison, and deletes the copy again. Internal to the library.
#include <cstdint>
#include <vector>

#include "engine/comparer_index.h"
#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"
#include "host/element_handle.h"
#include "toolbox/stb_symbologie.h"

// Reasons of comparer_cleGeometrie; 0: the same element.
enum raisonComparaison : std::int32_t {
  comparaisonIdentique = 0,
  comparaisonType = 1,
  comparaisonGeometrie = 2,
  comparaisonSymbologie = 3,
  comparaisonCellule = 4,
  comparaisonTexte = 5,
};

// The previous version's file set built in the context's Origine directory; the files whose
// delivered file has a valid signature opened (read-only), compared slot by slot, the previous
// producer code read into `codeOrigine` (slot 0, or EL2 for a three-file plan; empty when that
// file is not open), then closed unless active. Appends to `sortie`.
void plan_comparer(std::vector<verecart>& sortie, verplanfichiers& fichiers, vercontexte& contexte);

// One delivered file against its previous version. The delivered table is the drawing-rule
// stage's; the previous table is built here from the previous file's open model (empty when it
// is not open). The delivered file's `mode` chooses: 3 a restricted set matched against the
// previous model read in place, 2 every element matched against a work copy in `repTemp` (or,
// when the copy cannot be made or opened writable, against the previous model, deleting
// nothing). Records: delivered elements in table order (source 1), then removed ones (source 2)
// labelled by the rule book of the file's role.
void comparer_fichier(std::vector<verecart>& sortie, verfichier& livre, verfichier& precedent,
                      verplanfichiers& fichiers, vercontexte& contexte);

// Mode 1: 1 when the element of a file of that role takes part, 0 when it is left out. Level
// names are compared exactly.
std::int32_t comparer_niveauxTopo(const verelement& element, std::uint32_t role);

// Finds the element's counterpart among the previous model's elements on its level, of its type
// and within its range grown by 1.0 UOR: the first candidate in scan order still at state 0 in
// `tablePrecedente` that comparer_cleGeometrie finds the same; both get state 1 and the element
// the candidate's index. Else state 2, or 6 (not readable in the delivered model), or 5 (type
// not compared). With `modeFichier` 2 the matched candidate is deleted from `modelePrecedent`.
// The symbologies compared are those of `element` and of the table's rows, as
// element_construireTable read them. The candidates come from `index`, built once from the
// table and `modelePrecedent` for every element of a file; without one, from an index built for
// this element alone.
void comparer_scannerElements(verelement& element, std::vector<verelement>& tablePrecedente, host::ModelRef modeleLivre,
                              host::ModelRef modelePrecedent, std::uint32_t modeFichier,
                              comparer_index* index = nullptr);

// 0 when the two elements are the same (type, geometry within 1.0 UOR in XY, level, colour,
// weight, line style, and the cell's or text's own properties); a raisonComparaison otherwise.
// `symbologieA` and `symbologieB` are the elements' symbologies as their element tables hold them.
std::int32_t comparer_cleGeometrie(const host::ElementHandle& a, const versymbologie& symbologieA,
                                   const host::ElementHandle& b, const versymbologie& symbologieB);

// Candidates that comparer_scannerElements compared with an element since the start (benchmarks).
std::uint64_t comparer_candidatsExamines();
