#pragma once
// Reading one element of a plan: whether it counts as drawn, its level, colour, weight and line
// style, a text's string and properties, the outline of a text or a cell, a cell's origin,
// rotation, scale and name, a cell's first child of a type, and a dimension's text. Readers
// return 0, or 0x8000 for an element of the wrong type or without the part they read, and leave
// the outputs they did not reach as they were. Coordinates and sizes are in UORs. No message.
#include <cstdint>
#include <string>
#include <vector>

#include "host/element_handle.h"

// Width (x) and height (y) of a text's characters, in UORs.
struct stbPoint2d {
  double x = 0.0;
  double y = 0.0;
};

// 0 when the element counts as drawn, 0x8000 when it does not: an empty handle, a text or text
// node without characters, and the types 5, 9, 26, 39, 66, 95 to 98 and 100 and above.
int stbElem_estSignificatif(const host::ElementHandle& element);

// The level id; that of the first text for a text node that counts.
std::uint32_t stbElem_niveau(const host::ElementHandle& element);

// Colour, weight and line-style number (each optional; they start at 0). For a text node that
// counts, those of its first text. 0; 0x8000 for an element that does not count (outputs filled
// all the same) and for an empty handle (nothing filled).
int stbElem_symbologie(std::uint32_t* couleur, std::uint32_t* epaisseur, std::uint32_t* style,
                       const host::ElementHandle& element);

// The line style's name in the model's file (empty for the standard styles 0 to 7) and its
// parameters (optional). 0; 0x8000 for an element that does not count.
int stbElem_styleLigne(std::wstring& nom, host::LineStyleParams* parametres, const host::ElementHandle& element,
                       host::ModelRef modele);

// The text's string: of a text, its characters; of a text node, its lines separated by "\r".
// Empty when the element has no text.
const std::wstring& stbElem_texte(std::wstring& texte, const host::ElementHandle& element);

// The first text's properties, for texts (17) and text nodes (7) only: user origin, string,
// orientation, font name, font size, line spacing, justification, run count. Every output is
// optional. 0 or 0x8000.
int stbElem_lireTexte(host::Point3d* origine, std::wstring* texte, host::RotMatrix* orientation, std::wstring* police,
                      stbPoint2d* taille, double* interligne, std::uint32_t* justification, std::uint32_t* nbRuns,
                      const host::ElementHandle& element);

// The text's box: its range in its own axes shrunk by half the text height at the bottom and at
// the top, turned back into place; five points at z 0, closed. Emptied first; empty when the
// element is not a readable text.
std::vector<host::Point3d>& stbElem_contourTexte(std::vector<host::Point3d>& contour, const host::ElementHandle& texte);

// Origin, rotation, scale and name of a cell (2) or shared cell (35); every output optional.
// 0 or 0x8000.
int stbElem_lireCellule(host::Point3d* origine, host::RotMatrix* rotation, host::Point3d* echelle, std::wstring* nom,
                        const host::ElementHandle& element);

// The cell's range in its own plane orientation, as five points closed, turned back into place.
// Emptied first; empty for any other type.
std::vector<host::Point3d>& stbElem_contourCellule(std::vector<host::Point3d>& contour,
                                                    const host::ElementHandle& cellule);

// A copy (owned by the output handle) of the first child of that type of a normal cell (2; a
// shared cell is refused): 0 or 0x8000.
int stbElem_enfantDeType(host::ElementHandle& enfant, const host::ElementHandle& cellule, int type);

// A copy (owned by the output handle) of the first text or text node of a dimension: 0 or 0x8000.
int stbElem_texteCotation(host::ElementHandle& texte, const host::ElementHandle& cotation);
