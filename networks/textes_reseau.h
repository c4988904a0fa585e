#pragma once
// Readers of the texts of network groups: the network a text's first word names, and whether a
// text is a bare value (a section, a count, a bracketed remark).
#include <cstdint>
#include <string>

// The network bit of the first word of the text: the part before its first "::", upper-cased,
// cut at every blank (a leading blank gives an empty first word); 0 when it names no network.
std::uint32_t txt_analyserCaracteristiques(const std::wstring& texte);

// The network bit of the first network word that the word begins with (without case); 0 for none.
std::uint32_t txt_natureReseau(const std::wstring& mot);

// 0 when the text is a value text of 3 to 10 characters: bracketed, or made of value characters
// with blanks and "=", "P" or "C" first and "M" last; 0x8000 otherwise.
std::int32_t txt_estTexteValeur(const std::wstring& texte);
