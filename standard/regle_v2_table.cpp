// The one-file (V2) rule book as data. UTF-8 source: the accents belong to the labels.
// Rows read label, colour, weight, line-style number, line-style name, template, cell scale,
// type condition; -1 and "~" are not checked.
#include "standard/regle_v2_table.h"

namespace {

using enum regle_gabarit;

constexpr regle_condition pourCellules{1, false};
constexpr regle_condition horsCellules{1, true};
constexpr regle_condition pourTextes{32, false};
constexpr regle_condition pourMasque4{4, false};
constexpr regle_condition pourMasque20{20, false};

// ---- children rows ----

constexpr regle_enfant enfantsPTRLAS[] = {{14, 4, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}};
constexpr regle_enfant enfantsSPIT[] = {{12, 4, 0, 0}, {12, 4, 0, 0}, {12, 4, 0, 0},
                                        {12, 4, 0, 0}, {3, 4, 0, 0},  {17, 0, 0, 0}};
constexpr regle_enfant enfantsPTRL[] = {{14, 0, 2, 0}, {4, 0, 0, 0}, {12, 0, 0, 0}};

// ---- background and title slots ----

constexpr regle_celluleV2 cellulesHabillage[] = {
    {L"A1", L"Cadre"},          {L"A4X4", L"Cadre"},      {L"A15", L"Cadre"},  {L"A4X45", L"Cadre"},
    {L"CART", L"Cartouche"},    {L"CART2", L"Cartouche"}, {L"NORD", L"Flèche Nord"},
    {L"PTRLAS", L"PTRL source", enfantsPTRLAS},
};
constexpr regle_ligne lignesHabillage[] = {
    {L"Habillage", 0, 0, 0, L"~", simple, -1.0},
    {L"Texte PTRL source", 2, -1, -1, L"~", petit, 0.0, pourTextes},
    {L"Axe de voie facturée", 5, 0, -1, L"ST_FDP_AXEVOIE", simple, 0.0, pourMasque20},
};

constexpr regle_ligne lignesPropFdp[] = {{L"Propriétaire FDP", 0, 0, 0}};

constexpr regle_celluleV2 cellulesPtConstruction[] = {{L"PT", L""}};
constexpr regle_ligne lignesPtConstruction[] = {{L"Point de construction", 0, 0, 0}};

constexpr regle_celluleV2 cellulesRaccords[] = {{L"RACRIV", L""}};
constexpr regle_ligne lignesRaccords[] = {{L"Raccord de voie", 0, 0, 0, L"~", simple, 1.0}};

constexpr regle_ligne lignesLimites[] = {{L"Limite", 5, 0, 0}};
constexpr regle_ligne lignesBatis[] = {{L"Bâti", 14, 4, 0}};
constexpr regle_ligne lignesRoutes[] = {{L"Route", 5, 0, 1}, {L"Route", 5, 0, 0}};

constexpr regle_celluleV2 cellulesDivers[] = {
    {L"ACCES", L"Flèche d'accès"}, {L"ACCES1", L"Repère d'accès"}, {L"ESC", L"Flèche escalier"},
    {L"PLAMBE", L"Point Lambert"}, {L"SPIT", L"Spit", enfantsSPIT},
};
constexpr regle_ligne lignesDivers[] = {{L"Divers", 0, 0, 0}};

constexpr regle_celluleV2 cellulesSymboles[] = {
    {L"ARBRE", L"Arbre"},
    {L"AVSIMP", L"Avaloir simple"},
    {L"AVISIT", L"Avaloir visitable"},
    {L"PLEGOU", L"Plaque égout"},
    {L"REGARD", L"Regard divers"},
    {L"PLPTT1", L"Plaque PTT simple"},
    {L"PLPTT2", L"Plaque PTT double"},
    {L"PLPTT3", L"Plaque PTT triple"},
    {L"PLPTT4", L"Plaque PTT quadruple"},
    {L"POTLAM", L"Poteau PTT ou candélabre"},
    {L"POTKRV", L"Poteau KRV"},
    {L"BORNE", L"Borne de repérage"},
    {L"FPOECA", L"Poteau KRV candélabre"},
    {L"FPYKRV", L"Pylône KRV"},
    {L"FINCEN", L"Borne incendie"},
    {L"FGRIAV", L"Grille avaloir"},
    {L"FREGRO", L"Regard rond"},
    {L"FEAU", L"Bouche d'eau"},
    {L"FBODIV", L"Borne diverse"},
    {L"FCOPTT", L"Coffret PTT"},
    {L"FTEL", L"Cabine téléphonique"},
    {L"FFEUX", L"Panneau de signalisation"},
    {L"FINDIC", L"Panneau indicateur"},
    {L"FAFFIC", L"Colonne d'affichage"},
    {L"FINFO", L"Panneau d'informations"},
    {L"FBALIS", L"Balise routière"},
    {L"FBANC", L"Banc"},
    {L"FBUS", L"Abris bus"},
    {L"FPOPTT", L"Poteau PTT"},
    {L"FPOCAN", L"Poteau candélabre"},
    {L"COELEC", L"Coffret électrique"},
    {L"ARELEC", L"Armoire électrique"},
    {L"1RREMB", L"Coffret RemBT"},
    {L"COGAZ", L"Coffret gaz"},
    {L"ARGAZ", L"Armoire gaz"},
    {L"BOUGAZ", L"Bouche à gaz"},
    {L"GFCART", L"Carter de siphon"},
    {L"GACOF", L"Coffret en facade abandonné"},
    {L"GACOE", L"Coffret enterré abandonné"},
    {L"GFCOF", L"Coffret en facade avec organe de coupure"},
    {L"GFCOFD", L"Coffret en facade avec détente et organe de coupure"},
};
constexpr regle_ligne lignesSymboles[] = {{L"~", 4, 0, -1}};

constexpr regle_celluleV2 cellulesFourreaux[] = {
    {L"FOUR0", L"Extrémité de fourreau (0)"}, {L"FOUR1", L"Extrémité de fourreau (1)"},
    {L"FOUR2", L"Extrémité de fourreau (2)"}, {L"FOUR3", L"Extrémité de fourreau (3)"},
    {L"FOUR4", L"Extrémité de fourreau (4)"}, {L"TUBE", L"Tubage"},
};
constexpr regle_ligne lignesFourreaux[] = {
    {L"Fourreau", 6, 2, 0},
    {L"Câble de mise à la terre", 6, 0, -1, L"ST_PROT_TERRE", simple, 0.0, pourMasque4},
    {L"Poste électricité", 14, 2, 0, L"~", simple, 0.0, horsCellules},
};

constexpr regle_ligne lignesTxtFourreaux[] = {{L"Texte fourreau", 21, 0, 0}, {L"Nom de poste", 14, 0, 0}};

constexpr regle_ligne lignesCotesFourreaux[] = {{L"Cote levée protection", 6, 0, 0},
                                                {L"Cote non levée protection", 0, 0, 0}};

constexpr regle_ligne lignesCoupeTranchee[] = {{L"~", -1, -1, -1, L"~", simple, 1.0}};
constexpr regle_celluleV2 cellulesDrapeaux[] = {
    {L"COUPET", L"Coupe de tranchée", {}, lignesCoupeTranchee},
    {L"PTDRAP", L"Point de drapeau"},
    {L"TRAIT", L"Trait de drapeau"},
    {L"DRAP2", L"Drapeau (1 entrée)"},
    {L"DRAP3", L"Drapeau (2 entrées)"},
    {L"DRAP4", L"Drapeau (3 entrées)"},
    {L"DRAP5", L"Drapeau (4 entrées)"},
    {L"DRAP6", L"Drapeau (5 entrées)"},
    {L"DRAP7", L"Drapeau (6 entrées)"},
    {L"DRAP8", L"Drapeau (7 entrées)"},
    {L"DRAP9", L"Drapeau (8 entrées)"},
    {L"DRAP10", L"Drapeau (9 entrées)"},
};
constexpr regle_ligne lignesDrapeaux[] = {{L"Drapeau", 0, 0, 0, L"~", simple, -1.0}};

constexpr regle_celluleV2 cellulesPTRC[] = {{L"PTRC", L"PTRC"}};
constexpr regle_ligne lignesPTRC[] = {{L"PTRC", 0, 0, 0, L"~", petit, -1.0}};

constexpr regle_celluleV2 cellulesPTRL[] = {{L"PTRL", L"PTRL stock", enfantsPTRL},
                                            {L"PTRLA", L"PTRL publié", enfantsPTRL}};
constexpr regle_ligne lignesPTRL[] = {{L"Texte PTRL", 0, 0, 0, L"~", petit, -1.0, pourTextes}};

// ---- network slots: on mask 5 a cell takes the accessory row, every other type the cable rows ----

constexpr regle_celluleV2 cellulesBT[] = {
    {L"JONBT", L"Jonction BT"},          {L"1RBSTR", L"Boîte sous trottoir BT"},
    {L"1BBSTB", L"Boîte sous trottoir Branchement"}, {L"1RREMA", L"Remontée aérienne BT"},
    {L"1RBOUP", L"Bout perdu BT"},       {L"1RNEUD", L"Noeud de départ BT"},
};
constexpr regle_ligne lignesBT[] = {
    {L"Accessoire BT", 7, -1, -1, L"~", simple, 0.0, pourCellules},
    {L"Câble BT Classe A", 7, 0, -1, L"ST_BT_CLA_V2", simple, 0.0, horsCellules},
    {L"Câble Branchement Classe A", 7, 0, -1, L"ST_BRANCH_CLA_V2", simple, 0.0, horsCellules},
    {L"Câble BT Classe B", 7, 0, 2, L"~", simple, 0.0, horsCellules},
    {L"Câble Branchement Classe B", 7, 0, 0, L"~", simple, 0.0, horsCellules},
    {L"Câble BT Classe C", 7, 0, -1, L"ST_BT_INC_V2", simple, 0.0, horsCellules},
    {L"Câble Branchement Classe C", 7, 0, -1, L"ST_BRANCH_INC", simple, 0.0, horsCellules},
    {L"Câble BT abandonné", 0, 2, -1, L"ST_ABAND", simple, 0.0, horsCellules},
    {L"Câble Branchement abandonné", 0, 0, -1, L"ST_ABAND", simple, 0.0, horsCellules},
};
constexpr regle_ligne lignesTxtBT[] = {{L"Texte BT", 22, 0, 0}, {L"Texte BT abandonné", 0, 0, 0}};
constexpr regle_ligne lignesCotesBT[] = {{L"Cote levée BT", 7, 0, 0, L"~", petit},
                                         {L"Cote non levée BT", 0, 0, 0, L"~", petit}};

constexpr regle_celluleV2 cellulesHTA[] = {
    {L"JONMT", L"Jonction HTA"},     {L"2RREMA", L"Remontée aérienne HTA"},
    {L"2RBOUP", L"Bout perdu HTA"},  {L"2RNEUD", L"Noeud de départ HTA"},
};
// "Câble HTA abandonné" has weight 4, the abandoned HTA weight of the standard.
constexpr regle_ligne lignesHTA[] = {
    {L"Accessoire HTA", 3, -1, -1, L"~", simple, 0.0, pourCellules},
    {L"Câble HTA Classe A", 3, 2, -1, L"ST_HTA_CLA", simple, 0.0, horsCellules},
    {L"Câble HTA Classe B", 3, 2, 3, L"~", simple, 0.0, horsCellules},
    {L"Câble HTA Classe C", 3, 2, -1, L"ST_HTA_INC_V2", simple, 0.0, horsCellules},
    {L"Câble HTA abandonné", 0, 4, -1, L"ST_ABAND", simple, 0.0, horsCellules},
    {L"Câble HTB 63KV Classe A", 149, 2, -1, L"ST_HTA_CLA", simple, 0.0, horsCellules},
    {L"Câble HTB 63KV Classe B", 149, 2, 3, L"~", simple, 0.0, horsCellules},
    {L"Câble HTB 63KV Classe C", 149, 2, -1, L"ST_HTA_INC_V2", simple, 0.0, horsCellules},
    {L"Câble HTB 90KV Classe A", 38, 2, -1, L"ST_HTA_CLA", simple, 0.0, horsCellules},
    {L"Câble HTB 90KV Classe B", 38, 2, 3, L"~", simple, 0.0, horsCellules},
    {L"Câble HTB 90KV Classe C", 38, 2, -1, L"ST_HTA_INC_V2", simple, 0.0, horsCellules},
    {L"Câble HTB 150KV Classe A", 63, 2, -1, L"ST_HTA_CLA", simple, 0.0, horsCellules},
    {L"Câble HTB 150KV Classe B", 63, 2, 3, L"~", simple, 0.0, horsCellules},
    {L"Câble HTB 150KV Classe C", 63, 2, -1, L"ST_HTA_INC_V2", simple, 0.0, horsCellules},
    {L"Câble HTB 200KV Classe A", 146, 2, -1, L"ST_HTA_CLA", simple, 0.0, horsCellules},
    {L"Câble HTB 200KV Classe B", 146, 2, 3, L"~", simple, 0.0, horsCellules},
    {L"Câble HTB 200KV Classe C", 146, 2, -1, L"ST_HTA_INC_V2", simple, 0.0, horsCellules},
};
constexpr regle_ligne lignesTxtHTA[] = {
    {L"Texte HTA", 18, 0, 0},       {L"Texte HTA abandonné", 0, 0, 0}, {L"Texte HTB 63KV", 149, 0, 0},
    {L"Texte HTB 90KV", 38, 0, 0},  {L"Texte HTB 150KV", 63, 0, 0},    {L"Texte HTB 200KV", 146, 0, 0},
};
constexpr regle_ligne lignesCotesHTA[] = {{L"Cote levée HTA", 3, 0, 0, L"~", petit},
                                          {L"Cote non levée HTA", 0, 0, 0, L"~", petit}};

constexpr regle_celluleV2 cellulesTLR[] = {{L"JONTLR", L"Jonction TLR"}, {L"INTLR", L"Symbole incertain TLR"}};
constexpr regle_ligne lignesTLR[] = {
    {L"Accessoire TLR", 7, -1, -1, L"~", simple, 0.0, pourCellules},
    {L"Câble TLR", 7, 0, 3, L"~", simple, 0.0, horsCellules},
};
constexpr regle_ligne lignesTxtTLR[] = {{L"Texte TLR", 22, 0, 0}};
constexpr regle_ligne lignesCotesTLR[] = {{L"Cote levée TLR", 7, 0, 0, L"~", petit},
                                          {L"Cote non levée TLR", 0, 0, 0, L"~", petit}};

constexpr regle_celluleV2 cellulesEP[] = {{L"JONEP", L"Jonction EP"}, {L"INEP", L"Symbole incertain EP"}};
constexpr regle_ligne lignesEP[] = {
    {L"Accessoire EP", 7, -1, -1, L"~", simple, 0.0, pourCellules},
    {L"Câble EP", 7, 0, 0, L"~", simple, 0.0, horsCellules},
};
constexpr regle_ligne lignesTxtEP[] = {{L"Texte EP", 22, 0, 0}};
constexpr regle_ligne lignesCotesEP[] = {{L"Cote levée EP", 7, 0, 0, L"~", petit},
                                         {L"Cote non levée EP", 0, 0, 0, L"~", petit}};

constexpr regle_celluleV2 cellulesVDC[] = {
    {L"JONVDC", L"Jonction VDC"},          {L"INVDC", L"Symbole incertain VDC"},
    {L"TETE", L"Tête de réseau VDC"},      {L"INJVDC", L"Téléalimentation VDC"},
    {L"BULLE", L"Bulle de repérage VDC"},  {L"AMPLI", L"Amplificateur VDC"},
    {L"REPART", L"Répartiteur VDC"},       {L"DERIVA", L"Dérivateur VDC"},
    {L"TERRE", L"Mise à la terre VDC"},
};
constexpr regle_ligne lignesVDC[] = {
    {L"Accessoire VDC", 7, -1, -1, L"~", simple, 0.0, pourCellules},
    {L"Câble VDC", 7, 0, 4, L"~", simple, 0.0, horsCellules},
};
constexpr regle_ligne lignesTxtVDC[] = {{L"Texte VDC", 22, 0, 0}};
constexpr regle_ligne lignesCotesVDC[] = {{L"Cote levée VDC", 7, 0, 0, L"~", petit},
                                          {L"Cote non levée VDC", 0, 0, 0, L"~", petit}};

// ---- the chain ----

constexpr regle_slotV2 chaine[] = {
    {0, 53, cellulesHabillage, lignesHabillage},        // Cart+habillage
    {11, 32, {}, lignesPropFdp},                        // TxtPropFdp
    {47, 1, cellulesPtConstruction, lignesPtConstruction},  // PtConstruction
    {10, 1, cellulesRaccords, lignesRaccords},          // RaccordsVoies
    {1, 20, {}, lignesLimites},                         // Topo1Limites
    {2, 20, {}, lignesBatis},                           // Topo2Bâtis
    {3, 20, {}, lignesRoutes},                          // Topo3Routes
    {4, 53, cellulesDivers, lignesDivers},              // Topo4Divers
    {5, 1, cellulesSymboles, lignesSymboles},           // SymbolesFixes
    {6, 21, cellulesFourreaux, lignesFourreaux},        // Fourreaux+Tub_
    {7, 32, {}, lignesTxtFourreaux},                    // TxtFourreaux
    {8, 64, {}, lignesCotesFourreaux},                  // CotesFourreaux (or "58")
    {9, 1, cellulesDrapeaux, lignesDrapeaux},           // Drap+CoupeTranch
    {45, 33, cellulesPTRC, lignesPTRC},                 // PTRC+Txt
    {46, 33, cellulesPTRL, lignesPTRL},                 // PTRL+Txt
    {13, 5, cellulesBT, lignesBT},                      // RéseauBT
    {14, 32, {}, lignesTxtBT},                          // TxtRéseauBT
    {16, 64, {}, lignesCotesBT},                        // CotesRéseauBT
    {17, 5, cellulesHTA, lignesHTA},                    // RéseauHTA
    {18, 32, {}, lignesTxtHTA},                         // TxtRéseauHTA
    {20, 64, {}, lignesCotesHTA},                       // CotesRéseauHTA
    {36, 5, cellulesTLR, lignesTLR},                    // RéseauTLR
    {37, 32, {}, lignesTxtTLR},                         // TxtRéseauTLR
    {38, 64, {}, lignesCotesTLR},                       // CotesRéseauTLR
    {33, 5, cellulesEP, lignesEP},                      // RéseauEP
    {34, 32, {}, lignesTxtEP},                          // TxtRéseauEP
    {35, 64, {}, lignesCotesEP},                        // CotesRéseauEP
    {42, 5, cellulesVDC, lignesVDC},                    // RéseauVDC
    {43, 32, {}, lignesTxtVDC},                         // TxtRéseauVDC
    {44, 64, {}, lignesCotesVDC},                       // CotesRéseauVDC
};

constexpr regle_celluleLocale cellulesLocales[] = {
    {L"CEL1", 4},  {L"CEL2", 4},  {L"CEL3", 4},  {L"CEL4", 4},  {L"CEL5", 4},  {L"CEL6", 4},  {L"CEL7", 4},
    {L"CEL8", 4},  {L"CEL9", 4},  {L"CEL10", 4}, {L"CEL11", 4}, {L"CEL12", 4}, {L"CEL13", 4}, {L"CEL14", 4},
    {L"EP1", 7},   {L"EP2", 7},   {L"TLR1", 7},  {L"TLR2", 7},  {L"VDC1", 7},  {L"VDC2", 7},  {L"PRC1", 7},
    {L"PRC2", 7},
};

}  // namespace

std::span<const regle_slotV2> regle_chaineV2() { return chaine; }

std::span<const regle_celluleLocale> regle_cellulesLocalesV2() { return cellulesLocales; }
