// The network cell catalogues of the two standards. Masks: 27 service connection, BT, 8 and 16;
// 19 service connection, BT and 16; 23 service connection, BT, HTA and 16; 3 service connection
// and BT; 4 HTA.
#include "networks/accessoires_table.h"

#include <array>

namespace {

constexpr std::array<accessoire_ligne, 27> tableV3 = {{
    {L"1BCO", 2, 27, 0, 31},   {L"1RCO", 2, 27, 0, 31},   {L"1BARMO", 2, 27, 0, 31}, {L"1RARMO", 2, 27, 0, 31},
    {L"2RARMO", 2, 4, 0, 31},  {L"1BBSTB", 2, 27, 0, 29}, {L"1RBSTR", 2, 27, 0, 29}, {L"1BREMB", 2, 27, 1, 31},
    {L"1RREMB", 2, 27, 1, 31}, {L"1BREMA", 1, 3, 1, 1},   {L"1RREMA", 1, 3, 1, 1},   {L"2RREMA", 1, 4, 1, 1},
    {L"1BJONC", 1, 3, 2, 5},   {L"1RJONC", 1, 3, 2, 5},   {L"2RJONC", 1, 4, 2, 5},   {L"1BDERD", 1, 3, 3, 4},
    {L"1BDERG", 1, 3, 3, 4},   {L"1RDERD", 1, 3, 3, 4},   {L"1RDERG", 1, 3, 3, 4},   {L"2RDERD", 1, 4, 3, 4},
    {L"2RDERG", 1, 4, 3, 4},   {L"1BBOUP", 1, 3, 1, 1},   {L"1RBOUP", 1, 3, 1, 1},   {L"2RBOUP", 1, 4, 1, 1},
    {L"1BNEUD", 1, 3, 1, 1},   {L"1RNEUD", 1, 3, 1, 1},   {L"2RNEUD", 1, 4, 1, 1},
}};

constexpr std::array<accessoire_ligne, 17> tableV2 = {{
    {L"COELEC", 2, 19, 0, 31}, {L"ARELEC", 2, 23, 0, 31}, {L"1RREMB", 2, 19, 1, 31}, {L"1BBSTB", 2, 19, 1, 29},
    {L"1RBSTR", 2, 19, 1, 29}, {L"1BREMA", 1, 3, 1, 1},   {L"1RREMA", 1, 3, 1, 1},   {L"2RREMA", 1, 4, 1, 1},
    {L"1BJONC", 1, 3, 2, 5},   {L"JONBT", 1, 3, 2, 5},    {L"JONMT", 1, 4, 2, 5},    {L"1BBOUP", 1, 3, 1, 1},
    {L"1RBOUP", 1, 3, 1, 1},   {L"2RBOUP", 1, 4, 1, 1},   {L"1BNEUD", 1, 3, 1, 1},   {L"1RNEUD", 1, 3, 1, 1},
    {L"2RNEUD", 1, 4, 1, 1},
}};

}  // namespace

std::span<const accessoire_ligne> accessoire_tableV2() { return tableV2; }
std::span<const accessoire_ligne> accessoire_tableV3() { return tableV3; }
