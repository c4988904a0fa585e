#pragma once
// The substations of a plan's electricity file: outlines of colour 14 on the protection levels,
// grouped with a text "POSTE SOURCE", "AUTO-TRANSFO" or "POSTE" and a name and number, and the
// BT and HTA node cells lying on them.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/verplaninfo.h"
#include "networks/verposte.h"

// The substations of the plan record's theme model (emptied first), in scan order, outside its
// insets, each with its text read and its nodes found.
void poste_collecterPostes(std::vector<verposte>& sortie, const verplaninfo& plan);

// Fills the kind, name and number from the text (the whole text is kept too when it holds more
// than its prefix). 0; 0x8000 when the text has none of the prefixes (kind 0).
std::int32_t poste_analyserTexte(verposte& poste, const std::wstring& texte);

// Fills the node and line lists: the BT and HTA node cells of the theme model lying within 1.0
// UOR of the outline, each with the nearest line of its network within 1.0 UOR of its origin.
// Nothing for an outline without curve.
void poste_noeudsProches(verposte& poste, const verplaninfo& plan);
