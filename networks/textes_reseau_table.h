#pragma once
// The words and characters of the network texts, as the drawing standard writes them.
#include <array>
#include <cstdint>
#include <string_view>

// A word that a network text begins with, and the network bit it names.
struct txt_motReseau {
  std::wstring_view mot;
  std::uint32_t reseau;
};

// Network words, in the order they are tried: the first a word begins with wins.
inline constexpr std::array<txt_motReseau, 6> txt_motsReseau = {{
    {L"BT", 2},
    {L"HTA", 4},
    {L"BP", 64},
    {L"MPB", 128},
    {L"MPC", 256},
    {L"PRC", 1024},
}};

// Value texts: their length bounds, the characters that count as a value, the letters allowed
// only first or only last, and the characters allowed anywhere without counting.
inline constexpr std::size_t txt_longueurValeurMin = 3;
inline constexpr std::size_t txt_longueurValeurMax = 10;
inline constexpr std::wstring_view txt_caracteresValeur = L",-./0123456789";
inline constexpr std::wstring_view txt_lettresPremieres = L"PC";
inline constexpr std::wstring_view txt_lettresDernieres = L"M";
inline constexpr std::wstring_view txt_caracteresNeutres = L" =";

// Words of a cable text that name a network against its symbology (compared with case), and the
// first words after which the network word comes later in the text.
inline constexpr std::array<txt_motReseau, 3> txt_motsSymbologie = {{
    {L"BT", 2},
    {L"HTA", 4},
    {L"HTB", 4},
}};
inline constexpr std::array<std::wstring_view, 2> txt_motsDecales = {L"NS", L"NI"};
