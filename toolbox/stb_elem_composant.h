#pragma once
// Reading an element that is no handle's (a component read where its cell or complex element
// holds it), as the handle readers of stb_elem.h read it.
#include <cstdint>

#include <string>

#include "host/element.h"
#include "toolbox/stb_elem.h"

// stbElem_symbologie of a handle on `element`: colour, weight and line-style number (each
// optional), those of its first text for a text node that counts; 0, or 0x8000 for an element
// that does not count (outputs filled all the same).
int stbElem_symbologieElement(std::uint32_t* couleur, std::uint32_t* epaisseur, std::uint32_t* style,
                              const host::Element& element);

// stbElem_estSignificatif of a handle on `element`: whether it counts as drawn.
bool stbElem_compteElement(const host::Element& element);

// stbElem_niveau of a handle on `element`: its level id, that of its first text for a text node
// that counts.
std::uint32_t stbElem_niveauElement(const host::Element& element);

// The element whose line style stands for the whole: the first text of a text node, else itself.
const host::Element& stbElem_porteurSymbologie(const host::Element& element);

// stbElem_lireTexte and stbElem_lireCellule of a handle on `element`.
int stbElem_lireTexteElement(host::Point3d* origine, std::wstring* texte, host::RotMatrix* orientation,
                             std::wstring* police, stbPoint2d* taille, double* interligne, std::uint32_t* justification,
                             std::uint32_t* nbRuns, const host::Element& element);
int stbElem_lireCelluleElement(host::Point3d* origine, host::RotMatrix* rotation, host::Point3d* echelle,
                               std::wstring* nom, const host::Element& element);
