// The expected symbology of network objects, as the standard writes it.
#include "standard/niv_symbologies_table.h"

namespace {
constexpr std::int32_t X = niv_indifferent;
}  // namespace

// clang-format off

// One-file plans. The gas networks in state 8 (the abandoned-gas rule) take level
// "RéseauAbandonnéGaz", colour 0, "ST_ABAND" and weight 2 (TLC gas: 0); a branchement keeps its
// line-style number 5 and its alternate level "CanaBrancht".
// Uncertain TLC on the gas side, which the standard leaves open, is drawn as the PRC row beside
// it: the level name stays "CâblesTLCGaz" with "RésIncertainTLCGaz" as alternate level, so the
// expected level is "RésIncertainTLCGaz" when the file has it, else "CâblesTLCGaz".
// TLC on the electricity side, EP and VDC have no row.
const std::array<niv_symbologieLigne, 14> niv_symbologiesV2 = {{
    {1, 2, 0, 0, 0, L"R\u00e9seauBT", 7, 0, {}, {{
        {.nomStyle = L"ST_BT_CLA_V2"},
        {.style = 2},
        {.nomStyle = L"ST_BT_INC_V2"},
        {.couleur = 0, .epaisseur = 2, .nomStyle = L"ST_ABAND"}}}},
    {1, 2, 1, 0, 0, L"R\u00e9seauBT", 7, 0, {}, {{
        {.nomStyle = L"ST_BRANCH_CLA_V2"},
        {.style = 0},
        {.nomStyle = L"ST_BRANCH_INC"},
        {.couleur = 0, .epaisseur = 0, .nomStyle = L"ST_ABAND"}}}},
    {1, 4, X, 0, 0, L"R\u00e9seauHTA", 3, 2, {}, {{
        {.nomStyle = L"ST_HTA_CLA"},
        {.style = 3},
        {.nomStyle = L"ST_HTA_INC_V2"},
        {.couleur = 0, .epaisseur = 4, .nomStyle = L"ST_ABAND"}}}},
    {1, 16, X, 0, 0, L"R\u00e9seauTLR", 7, 0, {}, {{
        {.style = 3}, {.style = 3}, {.style = 3}, {.style = 3}}}},
    {1, 32, X, 0, 0, L"Fourreaux+Tub_", 6, 0, {}, {{
        {.nomStyle = L"ST_PROT_TERRE"}, {.nomStyle = L"ST_PROT_TERRE"},
        {.nomStyle = L"ST_PROT_TERRE"}, {.nomStyle = L"ST_PROT_TERRE"}}}},
    {1, 64, 0, 0, 0, L"R\u00e9seauBP", 2, 4, {}, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .epaisseur = 2, .nomStyle = L"ST_ABAND"}}}},
    {1, 64, 1, 0, 0, L"R\u00e9seauBP", 2, 4, {}, {{
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .alterne = L"CanaBrancht", .couleur = 0, .epaisseur = 2, .style = 5, .nomStyle = L"ST_ABAND"}}}},
    {1, 128, 0, 0, 0, L"R\u00e9seauMPB", 11, 4, {}, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .epaisseur = 2, .nomStyle = L"ST_ABAND"}}}},
    {1, 128, 1, 0, 0, L"R\u00e9seauMPB", 11, 4, {}, {{
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .alterne = L"CanaBrancht", .couleur = 0, .epaisseur = 2, .style = 5, .nomStyle = L"ST_ABAND"}}}},
    {1, 256, 0, 0, 0, L"R\u00e9seauMPC", 12, 4, {}, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .epaisseur = 2, .nomStyle = L"ST_ABAND"}}}},
    {1, 256, 1, 0, 0, L"R\u00e9seauMPC", 12, 4, {}, {{
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.alterne = L"CanaBrancht", .style = 5},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .alterne = L"CanaBrancht", .couleur = 0, .epaisseur = 2, .style = 5, .nomStyle = L"ST_ABAND"}}}},
    {1, 512, X, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, {}, {{
        {.nomStyle = L"ST_TLC_G"},
        {.nomStyle = L"ST_TLC_G"},
        {.alterne = L"R\u00e9sIncertainTLCGaz", .nomStyle = L"ST_TLC_G_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .epaisseur = 0, .nomStyle = L"ST_ABAND"}}}},
    {1, 1024, X, 0, 0, L"R\u00e9seauPRC", 7, 0, {}, {{
        {.style = 6}, {.style = 6}, {.alterne = L"R\u00e9sIncertainPRC", .style = 6}, {.style = 6}}}},
    {1, 8192, X, 0, 0, L"Fourreaux+Tub_", 6, 2, {}, {}},
}};

// Three-file plans. For BT the branchement flag takes precedence over the NI flag (the
// branchement row comes first and has no NI style); only BT and HTA read the NI flag.
// Protections of a plan whose theme is neither 62 nor 1984, EP and VDC have no row.
const std::array<niv_symbologieLigne, 18> niv_symbologiesV3 = {{
    {2, 2, 1, 0, 0, L"C\u00e2blesBrancht", 7, 0, {}, {{
        {.nomStyle = L"ST_BRANCH_CLA_V3"},
        {},
        {.nomStyle = L"ST_BT_BRANCH_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Ele", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 2, X, 0, 0, L"C\u00e2blesBT", 7, 2, {}, {{
        {.nomStyle = L"ST_BT_CLA_V3", .nomStyleNI = L"ST_BT_NI_CLA_V3"},
        {.nomStyle = L"ST_BT", .nomStyleNI = L"ST_BT_NI"},
        {.niveau = L"R\u00e9sIncertainBT", .nomStyle = L"ST_BT_INC", .nomStyleNI = L"ST_BT_NI_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Ele", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 4, X, 0, 0, L"C\u00e2blesHTA", 3, 4, {}, {{
        {.nomStyle = L"ST_HTA_CLA_V3", .nomStyleNI = L"ST_HTA_NI_CLA_V3"},
        {.nomStyle = L"ST_HTA", .nomStyleNI = L"ST_HTA_NI"},
        {.niveau = L"R\u00e9sIncertainHTA", .nomStyle = L"ST_HTA_INC", .nomStyleNI = L"ST_HTA_NI_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Ele", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 8, X, 0, 0, L"C\u00e2blesTLCEle", 7, 0, {}, {{
        {.nomStyle = L"ST_TLC_E"},
        {.nomStyle = L"ST_TLC_E"},
        {.niveau = L"R\u00e9sIncertainTLCEle", .nomStyle = L"ST_TLC_E_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Ele", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 16, X, 0, 0, L"C\u00e2blesTLR", 7, 0, {}, {{
        {.nomStyle = L"ST_TLR"},
        {.nomStyle = L"ST_TLR"},
        {.niveau = L"R\u00e9sIncertainTLR", .nomStyle = L"ST_TLR_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Ele", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 32, X, 0, 0, L"ProtectionsIndif", 6, 0, {}, {{
        {.nomStyle = L"ST_PROT_TERRE"}, {.nomStyle = L"ST_PROT_TERRE"},
        {.nomStyle = L"ST_PROT_TERRE"}, {.nomStyle = L"ST_PROT_TERRE"}}}},
    {2, 64, 1, 0, 0, L"CanaBrancht", 2, 0, 5, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 128, 1, 0, 0, L"CanaBrancht", 11, 0, 5, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 256, 1, 0, 0, L"CanaBrancht", 12, 0, 5, {{
        {}, {}, {},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 64, X, 0, 0, L"CanalisationBP", 2, 2, {}, {{
        {.nomStyle = L"ST_BP"},
        {.nomStyle = L"ST_BP"},
        {.niveau = L"R\u00e9sIncertainBP", .nomStyle = L"ST_BP_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 128, X, 0, 0, L"CanalisationMPB", 11, 2, {}, {{
        {.nomStyle = L"ST_MPB"},
        {.nomStyle = L"ST_MPB"},
        {.niveau = L"R\u00e9sIncertainMPB", .nomStyle = L"ST_MPB_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 256, X, 0, 0, L"CanalisationMPC", 12, 2, {}, {{
        {.nomStyle = L"ST_MPC"},
        {.nomStyle = L"ST_MPC"},
        {.niveau = L"R\u00e9sIncertainMPC", .nomStyle = L"ST_MPC_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 512, X, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, {}, {{
        {.nomStyle = L"ST_TLC_G"},
        {.nomStyle = L"ST_TLC_G"},
        {.niveau = L"R\u00e9sIncertainTLCGaz", .nomStyle = L"ST_TLC_G_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 1024, X, 0, 0, L"C\u00e2blesPRC", 7, 0, {}, {{
        {.nomStyle = L"ST_PRC"},
        {.nomStyle = L"ST_PRC"},
        {.niveau = L"R\u00e9sIncertainPRC", .nomStyle = L"ST_PRC_INC"},
        {.niveau = L"R\u00e9seauAbandonn\u00e9Gaz", .couleur = 0, .nomStyle = L"ST_ABAND"}}}},
    {2, 8192, X, 62, 2, L"ProtectionsBT", 6, 0, {}, {}},
    {2, 8192, X, 62, 4, L"ProtectionsHTA", 6, 0, {}, {}},
    {2, 8192, X, 62, 0, L"ProtectionsIndif", 6, 0, {}, {}},
    {2, 8192, X, 1984, 0, L"Protections", 6, 0, {}, {}},
}};
// clang-format on
