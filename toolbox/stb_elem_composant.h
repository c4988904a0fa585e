#pragma once
// Reading an element that is no handle's (a component read where its cell or complex element
// holds it), as the handle readers of stb_elem.h read it.
#include <cstdint>

#include "host/element.h"

// stbElem_symbologie of a handle on `element`: colour, weight and line-style number (each
// optional), those of its first text for a text node that counts; 0, or 0x8000 for an element
// that does not count (outputs filled all the same).
int stbElem_symbologieElement(std::uint32_t* couleur, std::uint32_t* epaisseur, std::uint32_t* style,
                              const host::Element& element);
