// The display-mask rules of the drawing standard, as the standard writes them.
#include "standard/niv_masques_table.h"

// clang-format off
const std::array<niv_groupeMasque, 13> niv_groupesV3 = {{
    // electricity file
    {62, 2, {0, 1, 2, 3, 4, 5, 6, -1}},              // branchement
    {62, 2, {7, 8, 9, 10, 11, 12, 13, 14}},          // BT
    {62, 4, {20, 21, 22, 23, 24, 25, 26, 27}},       // HTA
    {62, 8, {33, 34, 35, 36, 37, 38, 39, 40}},       // TLC
    {62, 16, {42, 43, 44, 45, 46, 47, 48, 49}},      // TLR
    // gas file
    {1984, 0, {0, 1, 2, 3, 4, 5, 6, -1}},            // branchement, whatever the networks
    {1984, 64, {7, 8, 9, 10, 11, 12, 13, 14}},       // BP
    {1984, 128, {16, 17, 18, 19, 20, 21, 22, 23}},   // MPB
    {1984, 256, {25, 26, 27, 28, 29, 30, 31, 32}},   // MPC
    {1984, 1024, {34, 35, 36, 37, 38, 39, 40, 41}},  // PRC
    {1984, 512, {43, 44, 45, 46, 47, 48, 49, 50}},   // TLC
    // other-networks file
    {6144, 2048, {0, 1, 2, 3, 4, 5, 6, 7}},          // EP
    {6144, 4096, {9, 10, 11, 12, 13, 14, 15, 16}},   // VDC
}};

// The electricity file has no earthing level of its own: bit 32 selects the protection levels.
const std::array<niv_regleNiveau, 21> niv_autresNiveauxV3 = {{
    {62, L"Drap+TxtIndiffEle", {.drapeau = true}},
    {62, L"ProtectionsIndif", {.reseau = 8192 | 32, .contenu = 1}},
    {62, L"ProtectionsBT", {.reseau = 8192 | 32, .contenu = 1}},
    {62, L"ProtectionsHTA", {.reseau = 8192 | 32, .contenu = 1}},
    {62, L"TxtProtecIndiff", {.reseau = 8192, .contenu = 4}},
    {62, L"TxtProtecBT", {.reseau = 8192, .contenu = 4}},
    {62, L"TxtProtecHTA", {.reseau = 8192, .contenu = 4}},
    {62, L"CoteProtecIndiff", {.reseau = 8192, .contenu = 8}},
    {62, L"CoteProtecBT", {.reseau = 8192, .contenu = 8}},
    {62, L"CoteProtecHTA", {.reseau = 8192, .contenu = 8}},
    {62, L"R\u00e9seauAbandonn\u00e9Ele", {.contenu = 1 | 2 | 4, .etat = 8}},
    {62, L"Cote+PtConsAbanEle", {.contenu = 8, .etat = 8}},
    {1984, L"Drap+TxtIndiffGaz", {.drapeau = true}},
    {1984, L"Protections", {.reseau = 8192, .contenu = 1 | 2}},
    {1984, L"TxtProtections", {.reseau = 8192, .contenu = 4}},
    {1984, L"Cote+PtConsProt", {.reseau = 8192, .contenu = 8}},
    {1984, L"R\u00e9seauAbandonn\u00e9Gaz", {.contenu = 1 | 2 | 4, .etat = 8}},
    {1984, L"Cote+PtConsAbanGaz", {.contenu = 8, .etat = 8}},
    {6144, L"Drap+TxtIndiffAut", {.drapeau = true}},
    {6144, L"R\u00e9seauAbandonn\u00e9Aut", {.contenu = 1 | 2 | 4, .etat = 8}},
    {6144, L"Cote+PtConsAbanAut", {.contenu = 8, .etat = 8}},
}};

const std::array<std::wstring_view, 25> niv_jamaisAffichesV3 = {
    L"EncartsBT", L"EncartsHTA", L"EncartsTLCEle", L"EncartsTLR", L"EncartsIndiffEle",
    L"EncartsBP", L"EncartsMPB", L"EncartsMPC", L"Encarts PRC", L"EncartsTLCGaz", L"EncartsIndiffGaz",
    L"Encarts EP", L"Encarts VDC", L"EncartsIndiffAut",
    L"FouillesBT", L"FouillesHTA", L"EmprisesR\u00e9sIndif",
    L"PTRC+TxtEle", L"PTRL+TxtEle", L"PTRC+TxtGaz", L"PTRL+TxtGaz", L"PTRC+TxtAut", L"PTRL+TxtAut",
    L"SansContr\u00f4les", L"CellulesEchanges",
};

// N's bit 8 (TLC on the electricity side) selects nothing in a one-file plan.
const std::array<niv_regleNiveau, 50> niv_reglesV2 = {{
    {0, L"R\u00e9seauBT", {.reseau = 2, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauBT", {.reseau = 2, .contenu = 4}},
    {0, L"CotesR\u00e9seauBT", {.reseau = 2, .contenu = 8}},
    {0, L"R\u00e9seauHTA", {.reseau = 4, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauHTA", {.reseau = 4, .contenu = 4}},
    {0, L"CotesR\u00e9seauHTA", {.reseau = 4, .contenu = 8}},
    {0, L"R\u00e9seauTLR", {.reseau = 16, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauTLR", {.reseau = 16, .contenu = 4}},
    {0, L"CotesR\u00e9seauTLR", {.reseau = 16, .contenu = 8}},
    {0, L"R\u00e9seauEP", {.reseau = 2048, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauEP", {.reseau = 2048, .contenu = 4}},
    {0, L"CotesR\u00e9seauEP", {.reseau = 2048, .contenu = 8}},
    {0, L"R\u00e9seauVDC", {.reseau = 4096, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauVDC", {.reseau = 4096, .contenu = 4}},
    {0, L"CotesR\u00e9seauVDC", {.reseau = 4096, .contenu = 8}},
    {0, L"R\u00e9seauPRC", {.reseau = 1024, .contenu = 1 | 2}},
    {0, L"TxtR\u00e9seauPRC", {.reseau = 1024, .contenu = 4}},
    {0, L"CotesR\u00e9seauPRC", {.reseau = 1024, .contenu = 8}},
    {0, L"R\u00e9sIncertainPRC", {.reseau = 1024, .etat = 4}},
    {0, L"R\u00e9seauBP", {.reseau = 64, .contenu = 1 | 2}},
    {0, L"AccAffBP", {.reseau = 64, .contenu = 2}},
    {0, L"AccNonAffBP", {.reseau = 64, .contenu = 2}},
    {0, L"TxtR\u00e9seauBP", {.reseau = 64, .contenu = 4}},
    {0, L"CotesR\u00e9seauBP", {.reseau = 64, .contenu = 8}},
    {0, L"R\u00e9seauMPB", {.reseau = 128, .contenu = 1 | 2}},
    {0, L"AccAffMPB", {.reseau = 128, .contenu = 2}},
    {0, L"AccNonAffMPB", {.reseau = 128, .contenu = 2}},
    {0, L"TxtR\u00e9seauMPB", {.reseau = 128, .contenu = 4}},
    {0, L"CotesR\u00e9seauMPB", {.reseau = 128, .contenu = 8}},
    {0, L"R\u00e9seauMPC", {.reseau = 256, .contenu = 1 | 2}},
    {0, L"AccAffMPC", {.reseau = 256, .contenu = 2}},
    {0, L"AccNonAffMPC", {.reseau = 256, .contenu = 2}},
    {0, L"TxtR\u00e9seauMPC", {.reseau = 256, .contenu = 4}},
    {0, L"CotesR\u00e9seauMPC", {.reseau = 256, .contenu = 8}},
    {0, L"C\u00e2blesTLCGaz", {.reseau = 512, .contenu = 1 | 2}},
    {0, L"AccAffTLCGaz", {.reseau = 512, .contenu = 2}},
    {0, L"AccNonAffTLCGaz", {.reseau = 512, .contenu = 2}},
    {0, L"TxtC\u00e2blesTLCGaz", {.reseau = 512, .contenu = 4}},
    {0, L"CotesR\u00e9seauTLC", {.reseau = 512, .contenu = 8}},
    {0, L"R\u00e9sIncertainTLCGaz", {.reseau = 512, .etat = 4}},
    {0, L"Fourreaux+Tub_", {.reseau = 32, .contenu = 1}},
    {0, L"Fourreaux+Tub_", {.reseau = 8192, .contenu = 1 | 2}},
    {0, L"TxtFourreaux", {.reseau = 8192, .contenu = 4}},
    {0, L"CotesFourreaux", {.reseau = 8192, .contenu = 8}},
    {0, L"CanaBrancht", {.contenu = 1, .theme = 1984}},  // whatever N
    {0, L"AccAffBranchtGaz", {.contenu = 2, .theme = 1984}},
    {0, L"AccNonAffBranchtGaz", {.contenu = 2, .theme = 1984}},
    {0, L"TxtBranchtGaz", {.contenu = 4, .theme = 1984}},
    {0, L"R\u00e9seauAbandonn\u00e9Gaz", {.etat = 8}},  // whatever C
    {0, L"Drap+CoupeTranch", {.drapeau = true}},
}};
// clang-format on
