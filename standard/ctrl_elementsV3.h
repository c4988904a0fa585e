#pragma once
// The element-rule drivers of the three files of a three-file plan: each rebuilds the file's
// element table, classifies every element with the file's rule book and reports every element
// left with an error code. The background driver also applies the "Elément BDU" rule.
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "standard/niv_catalogues.h"
#include "standard/verelement.h"

// The file's model is read (none: an empty table, nothing reported), its table rebuilt and
// classified; the scale class and the BDU flag come from the plan's file set. One error per
// element with a code, in table order: the file's name, the element id, its type as extra value,
// its category as object name, its cell name as complement for a cell.
void ctrl_elementsFdpV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers);
void ctrl_elementsElecV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers);
void ctrl_elementsAutreV3(std::vector<vererreur>& erreurs, verfichier& fichier, const verplanfichiers& fichiers);

// "Elément BDU": in a plan whose background comes from the BDU source, an element of the
// background with a code, on a level other than the eight exempt slots, takes the category
// "Elément BDU" and loses its code when its type is a drawing type (cells, lines, arcs, shapes,
// ellipses, texts, dimensions); any other type gets 2032.
void regle_elementBDU(verelement& element, const verniveauxfdp& niveaux);
