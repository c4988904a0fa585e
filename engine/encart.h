#pragma once
// Insets of a plan: closed shapes on the plan's inset level that frame a detail drawn at another
// place or scale. Elements drawn inside one are left out of the network checks.
#include <cstdint>
#include <vector>

#include "engine/verplaninfo.h"
#include "host/curve_element.h"
#include "host/element_handle.h"

// Fills the plan's inset list (emptied first): the shapes (6), complex shapes (14) and ellipses
// (15) of the theme model on the inset level (looked up by name; a level the model lacks, or of
// id 0, gives none) whose colour, weight and line-style number are the inset symbology's. Nothing
// without a theme model.
void encart_collecter(verplaninfo& plan);

// Appends to the agenda the plan's insets that the host can still read, in list order; nothing
// without a theme model.
void encart_remplirAgenda(host::ElementAgenda& agenda, const verplaninfo& plan);

// The same for inset shapes given by their element ids in `modele`.
void encart_remplirAgendaModele(host::ElementAgenda& agenda, host::ModelRef modele,
                                const std::vector<std::uint64_t>& encarts);

// 0 when some part of the element lies inside one of the insets, 32768 otherwise, also for an
// element that cannot be read and for an empty agenda. An inset is clipped against only when its
// range meets the element's.
std::int32_t encart_contientElement(const host::ElementHandle& element, const host::ElementAgenda& encarts);

// Clips built by encart_contientElement since the start (figures of the benchmarks).
std::uint64_t encart_nombreClips();
