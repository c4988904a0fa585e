#pragma once
// The dialog variable that the application publishes to the host's dialog manager as "TvkDlg"
// of type "tvkdialogue". Items of the resource file (resources/tolvek.json) are bound to its
// fields by name; the data definition there lists the same fields, in the same order and with the
// same widths, and a test holds the two together. Text fields are single-byte and zero-terminated:
// a wide string is stored by keeping the low byte of each character.
#include <cstdint>

extern "C" {

struct tvkdialogue {
  std::int32_t vuesMarqueur;            // errors dialog: the error's marker shown in view 1
  std::int32_t selectionLivre;          // errors dialog: the faulty element selected in the delivered plan
  char nomPlan[80];                     // plan shown by the description dialog
  std::int32_t affichageReferences;     // description dialog: 0 both versions in every view, else side by side
  std::int32_t substitutionSymbologie;  // description dialog: non-zero draws substitute colours
  std::int32_t filtreDescription;       // description dialog: 0 all rows, 1 additions, 2 removals
  char filtrePlan[80];                  // summary: text of the plan filter
  std::int32_t demonterTout;            // detach command: all plans rather than one
  std::uint64_t idElement;              // summary: element number of the locate-element command
  std::int32_t codeTheme;               // file of a three-file plan: 2 FP2, 4 EL2, 8 GZ2, 16 AR2
  std::int32_t numeroVue;               // coordinates dialog: host view, 0-based
  char libelleProjection[84];           // coordinates dialog: label of the projection shown
  double coordonnees[4];                // projected X, Y, geographic X, Y; master units
  char versionApplication[80];          // about dialog
  char versionBibliotheque[80];         // about dialog
};

}  // extern "C"

extern tvkdialogue TvkDlg;
