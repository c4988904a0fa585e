#pragma once
// Texts without any significant character, and the cell scales, fonts and text sizes of the
// elements that the comparison with the previous version marked new or changed (check state 2
// or 3).
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"

// The string with the blanks of the "C" locale (space, tab, line feed, vertical tab, form feed,
// carriage return) removed at both ends; a no-break space stays.
std::wstring ctrl_sansBlancs(const std::wstring& texte);

// 2053 for each text and text node of the file's model that holds nothing but blanks, whatever
// its check state, when the file's table holds it. Nothing without a model.
void ctrl_texteVide(std::vector<vererreur>& erreurs, const verfichier& fichier);

// One-file plan: 2042 for the cells on the cell levels whose scale is not the scale class's
// (on "SymbolesFixes" only POTKRV and FPOECA are checked).
void ctrl_echelleCellulesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier);

// One-file plan: 2051 for a font other than "WORKING", 2052 for a size other than the scale
// class's, for the texts on the text levels.
void ctrl_textesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier);

// Three-file plan: the cell-scale check on the accessory levels, the exempt accessory cells left
// out.
void ctrl_echelleAccessoiresV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier);

// Three-file plan: the text check with the font "INTL_ENGINEERING" on the text levels of the
// file's role (3 electricity, 4 other networks); nothing for any other role.
void ctrl_textesV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier);
