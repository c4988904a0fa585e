#pragma once
// The pieces from which the rule books are written: the type-mask test, the expected symbology of
// a rule row, the actual symbology of an element, the comparison of the two with its fixed order
// (the first mismatch gives the code), the choice of the best of several rows, and the check of
// a complex element's components against a list of rows.
#include <cstdint>
#include <string>
#include <vector>

#include "host/element_handle.h"
#include "standard/verelement.h"
#include "toolbox/stb_symbologie.h"

// The result of comparing an element with one row: the items found equal, the code of the first
// mismatch (0 none), the row's label. As a best result, matches -1 means unset.
struct vercomparaison {
  std::int32_t correspondances = -1;
  std::uint32_t code = 0;
  std::wstring libelle;
  friend bool operator==(const vercomparaison&, const vercomparaison&) = default;
};

// 0 when a set bit of the mask admits the type (element_masques_table.h), 0x8000 otherwise.
std::uint32_t element_typeAccepte(std::int32_t type, std::uint8_t masque);

// A rule row: label, colour, weight and line-style number as given (-1 not checked), the
// line-style name as given ("~" not checked) with a style scale of 2.0 (5.0 in scale class 2),
// the font and text sizes of the text template (times 2.5 in scale class 2), and the cell scale:
// 0 not checked, -1.0 the standard's 2.0 (5.0 in scale class 2), any other value as it is.
// Sizes in master units; a scale class other than 2 gets the 1:200 sizes.
versymbologie& element_symbologieAttendue(versymbologie& ligne, const std::wstring& libelle, std::uint32_t couleur,
                                          std::uint32_t epaisseur, std::int32_t style, const std::wstring& nomStyle,
                                          const versymbologie& modeleTexte, double echelleCellule,
                                          std::int32_t classeEchelle);

// The element's actual symbology. A complex chain or shape of a named line style at scale 1.0
// takes the style scale of its first component when that component has the same style.
void element_lireSymbologie(versymbologie& symbologie, const host::ElementHandle& element, host::ModelRef modele);
// The same for an element read where it lies, with the names of `noms`'s model (a pass over
// every element of a model looks each level and style up once).
void element_lireSymbologie(versymbologie& symbologie, const host::Element& element, stbNomsSymbologie& noms);

// Compares colour, line-style name and scale (lines, line strings, shapes, complex chains and
// shapes only), line-style number, weight, then font and text sizes (texts and text nodes) or
// the cell's x scale (cells), skipping the items the row does not check.
void element_comparerSymbologie(vercomparaison& resultat, versymbologie actuelle, versymbologie attendue);

// Keeps in `meilleur` the better of the two: a result without code beats one with a code, then
// more matches win, the earlier result on ties.
void element_retenirMeilleur(vercomparaison& meilleur, const vercomparaison& candidat);

// The element's components, one for one and in order, against the rows: type, colour, weight and
// line-style number exactly (no wildcard). 0, or 0x8000 on any difference or count mismatch.
std::uint32_t element_controlerEnfants(const verelement& element, host::ModelRef modele,
                                       const std::vector<versymbologie>& lignes);
