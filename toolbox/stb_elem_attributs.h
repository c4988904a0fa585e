#pragma once
// Removing the attribute linkages of an element while keeping its visible properties.
#include "host/element_handle.h"

// Strips the element's attribute linkages (the element in the handle is replaced by the stripped
// copy; the model is not written). The line style, fill, pattern and cell name stay. 0; 0x8000
// for an empty handle or an element without linkages, left unchanged.
int stbElem_retirerAttributs(host::ElementHandle& element, host::ModelRef modele);
