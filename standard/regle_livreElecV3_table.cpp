// The electricity (EL2) rule book of a three-file plan as data: its 63 slots in test order
// (service connections, BT and HTA first, then TLC, TLR, protections, abandoned networks, the
// PTR levels and SansContrôles), the branches by type, the cells with their categories and the
// rows. The text slots (T) and dimension slots (D) are written as their pattern with its labels.
// UTF-8 source.
#include "standard/regle_livresV3.h"

namespace {

using enum regle_gabarit;
constexpr std::uint8_t kCellules = 1, kTraits = 4, kFormes = 20, kTextes = 32, kCellulesTextes = 33,
                       kCotations = 64, kTextesCotations = 96, kSansControle = 117;
constexpr auto T = regle_slotTexteV3;
constexpr auto D = regle_slotCotationV3;

// CellulesEchanges (1)
constexpr std::array<regle_celluleV3, 3> cellulesEchanges = {{
    {L"IDFICH", L"Cartouche - %s"},
    {L"IDELE", L"Cartouche - %s"},
    {L"ERPTAS", L"PTRL source", regle_enfantsPTRL},
}};
constexpr std::array<regle_ligne, 1> textesEchanges = {{{L"Texte PTRL source", 2, 0, -1, L"~", petit, -1.0}}};
constexpr std::array<regle_brancheV3, 2> echanges = {{
    {.masque = kCellules, .cellules = cellulesEchanges, .lignes = regle_lignesCartoucheV3},
    {.masque = kTextes, .lignes = textesEchanges},
}};

// Drap+TxtIndiffEle (2), EncartsIndiffEle (3), EmprisesRésIndif (4)
constexpr std::array<regle_ligne, 1> lignesVides = {{{L"", 0, 0, 0}}};
constexpr std::array<regle_brancheV3, 2> emprises = {{
    {.masque = kFormes, .categorie = L"Emprise de réseaux", .lignes = lignesVides},
    {.masque = kCotations, .categorie = L"Cote d'emprise de réseaux", .lignes = lignesVides},
}};

// Service connections (5 to 11)
constexpr std::array<regle_ligne, 3> lignesCablesBrancht = {{
    {L"Câble Branchement Classe A", 7, 0, -1, L"ST_BRANCH_CLA_V3"},
    {L"Câble Branchement Classe B", 7, 0, 0},
    {L"Câble Branchement Classe C", 7, 0, -1, L"ST_BT_BRANCH_INC"},
}};
constexpr std::array<regle_brancheV3, 1> cablesBrancht = {{{.masque = kTraits, .lignes = lignesCablesBrancht}}};
constexpr std::array<regle_celluleV3, 5> cellulesAccNonAffBrancht = {{
    {L"1BJONC", L"Jonction Branchement"},
    {L"1BDERD", L"Dérivation droite Branchement"},
    {L"1BDERG", L"Dérivation gauche Branchement"},
    {L"1BBOUP", L"Bout perdu Branchement"},
    {L"1BNEUD", L"Noeud topo Branchement"},
}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffBrancht = {{{L"Accessoire Branchement non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffBrancht = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffBrancht, .lignes = lignesAccNonAffBrancht},
}};
constexpr std::array<regle_celluleV3, 5> cellulesAccAffBrancht = {{
    {L"1BARMO", L"Armoire Branchement"},
    {L"1BBSTB", L"Boite sous trottoir Branchement"},
    {L"1BCO", L"Coffret Branchement"},
    {L"1BREMB", L"Coffret REMBT Branchement"},
    {L"1BREMA", L"Remontée aérienne Branchement"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAffBrancht = {{{L"Accessoire Branchement affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffBrancht = {{
    {.masque = kCellules, .cellules = cellulesAccAffBrancht, .lignes = lignesAccAffBrancht},
}};
constexpr std::array<regle_ligne, 1> textesCableBrancht = {{{L"Texte câble Branchement", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffBrancht = {{{L"Texte accessoire non affleurant Branchement", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccAffBrancht = {{{L"Texte accessoire affleurant Branchement", 7, 0, 0}}};

// BT (12 to 21)
constexpr std::array<regle_ligne, 4> lignesCablesBT = {{
    {L"Câble BT Classe A", 7, 2, -1, L"ST_BT_CLA_V3"},
    {L"Câble BT nappe inférieure Classe A", 7, 2, -1, L"ST_BT_NI_CLA_V3"},
    {L"Câble BT Classe B", 7, 2, -1, L"ST_BT"},
    {L"Câble BT nappe inférieure Classe B", 7, 2, -1, L"ST_BT_NI"},
}};
constexpr std::array<regle_brancheV3, 1> cablesBT = {{{.masque = kTraits, .lignes = lignesCablesBT}}};
constexpr std::array<regle_celluleV3, 5> cellulesAccNonAffBT = {{
    {L"1RJONC", L"Jonction BT"},
    {L"1RDERD", L"Dérivation droite BT"},
    {L"1RDERG", L"Dérivation gauche BT"},
    {L"1RBOUP", L"Bout perdu BT"},
    {L"1RNEUD", L"Noeud topo BT"},
}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffBT = {{{L"Accessoire BT non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffBT = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffBT, .lignes = lignesAccNonAffBT},
}};
constexpr std::array<regle_celluleV3, 5> cellulesAccAffBT = {{
    {L"1RARMO", L"Armoire BT"},
    {L"1RBSTR", L"Boite sous trottoir BT"},
    {L"1RCO", L"Coffret BT"},
    {L"1RREMB", L"Coffret REMBT BT"},
    {L"1RREMA", L"Remontée aérienne BT"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAffBT = {{{L"Accessoire BT affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffBT = {{
    {.masque = kCellules, .cellules = cellulesAccAffBT, .lignes = lignesAccAffBT},
}};
constexpr std::array<regle_ligne, 1> textesCableBT = {{{L"Texte câble BT", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffBT = {{{L"Texte accessoire non affleurant BT", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccAffBT = {{{L"Texte accessoire affleurant BT", 7, 0, 0}}};
constexpr std::array<regle_ligne, 2> lignesIncertainBT = {{
    {L"Câble BT Classe C", 7, 2, -1, L"ST_BT_INC"},
    {L"Câble BT nappe inférieure Classe C", 7, 2, -1, L"ST_BT_NI_INC"},
}};
constexpr std::array<regle_brancheV3, 1> incertainBT = {{{.masque = kTraits, .lignes = lignesIncertainBT}}};
constexpr std::array<regle_ligne, 1> lignesEncartBT = {{{L"Encart BT", -1, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> encartBT = {{{.tousTypes = true, .lignes = lignesEncartBT}}};
constexpr std::array<regle_ligne, 1> lignesFouilleBT = {{{L"Emprise de fouille BT", 7, 0, 0}}};
constexpr std::array<regle_ligne, 2> cotesFouilleBT = {{
    {L"Cote levée fouille BT", 7, 0, 0, L"~", petit},
    {L"Cote non levée fouille BT", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 2> fouillesBT = {{
    {.masque = kFormes, .lignes = lignesFouilleBT},
    {.masque = kCotations, .lignes = cotesFouilleBT},
}};

// HTA (22 to 31)
constexpr std::array<regle_ligne, 12> lignesCablesHTA = {{
    {L"Câble HTA Classe A", 3, 4, -1, L"ST_HTA_CLA_V3"},
    {L"Câble HTA Classe B", 3, 4, -1, L"ST_HTA"},
    {L"Câble HTA nappe inférieure Classe A", 3, 4, -1, L"ST_HTA_NI_CLA_V3"},
    {L"Câble HTA nappe inférieure Classe B", 3, 4, -1, L"ST_HTA_NI"},
    {L"Câble HTB 63KV Classe A", 149, 4, -1, L"ST_HTA_CLA_V3"},
    {L"Câble HTB 63KV Classe B", 149, 4, -1, L"ST_HTA"},
    {L"Câble HTB 90KV Classe A", 38, 4, -1, L"ST_HTA_CLA_V3"},
    {L"Câble HTB 90KV Classe B", 38, 4, -1, L"ST_HTA"},
    {L"Câble HTB 150KV Classe A", 63, 4, -1, L"ST_HTA_CLA_V3"},
    {L"Câble HTB 150KV Classe B", 63, 4, -1, L"ST_HTA"},
    {L"Câble HTB 200KV Classe A", 146, 4, -1, L"ST_HTA_CLA_V3"},
    {L"Câble HTB 200KV Classe B", 146, 4, -1, L"ST_HTA"},
}};
constexpr std::array<regle_brancheV3, 1> cablesHTA = {{{.masque = kTraits, .lignes = lignesCablesHTA}}};
constexpr std::array<regle_celluleV3, 5> cellulesAccNonAffHTA = {{
    {L"2RJONC", L"Jonction HTA"},
    {L"2RDERD", L"Dérivation droite HTA"},
    {L"2RDERG", L"Dérivation gauche HTA"},
    {L"2RBOUP", L"Bout perdu HTA"},
    {L"2RNEUD", L"Noeud topo HTA"},
}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffHTA = {{{L"Accessoire HTA non affleurant", 3, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffHTA = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffHTA, .lignes = lignesAccNonAffHTA},
}};
constexpr std::array<regle_celluleV3, 2> cellulesAccAffHTA = {{
    {L"2RARMO", L"Armoire HTA"},
    {L"2RREMA", L"Remontée aérienne HTA"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAffHTA = {{{L"Accessoire HTA affleurant", 3, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffHTA = {{
    {.masque = kCellules, .cellules = cellulesAccAffHTA, .lignes = lignesAccAffHTA},
}};
// TxtCâblesHTA: no category before the rows; the texts by type of cable.
constexpr std::array<regle_ligne, 1> annotationHTA = {{{L"Annotation HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 1> flecheHTA = {{{L"Flèche annotation HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 1> traitHTA = {{{L"Trait de rappel Drapeau HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 5> textesCableHTA = {{
    {L"Texte câble HTA", 3, 0, 0},
    {L"Texte câble HTB 63KV", 149, 0, 0},
    {L"Texte câble HTB 90KV", 38, 0, 0},
    {L"Texte câble HTB 150KV", 63, 0, 0},
    {L"Texte câble HTB 200KV", 146, 0, 0},
}};
constexpr std::array<regle_brancheV3, 4> txtCablesHTA = {{
    {.masque = kTextes, .lignes = textesCableHTA},
    {.masque = kCellules, .annotationSeule = true, .lignes = annotationHTA},
    {.masque = kCotations, .lignes = flecheHTA},
    {.masque = 2, .lignes = traitHTA},
}};
constexpr std::array<regle_ligne, 1> textesAccNonAffHTA = {{{L"Texte accessoire non affleurant HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccAffHTA = {{{L"Texte accessoire affleurant HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 6> lignesIncertainHTA = {{
    {L"Câble HTA Classe C", 3, 4, -1, L"ST_HTA_INC"},
    {L"Câble HTA nappe inférieure Classe C", 3, 4, -1, L"ST_HTA_NI_INC"},
    {L"Câble HTB 63KV Classe C", 149, 4, -1, L"ST_HTA_INC"},
    {L"Câble HTB 90KV Classe C", 38, 4, -1, L"ST_HTA_INC"},
    {L"Câble HTB 150KV Classe C", 63, 4, -1, L"ST_HTA_INC"},
    {L"Câble HTB 200KV Classe C", 146, 4, -1, L"ST_HTA_INC"},
}};
constexpr std::array<regle_brancheV3, 1> incertainHTA = {{{.masque = kTraits, .lignes = lignesIncertainHTA}}};
constexpr std::array<regle_ligne, 1> lignesEncartHTA = {{{L"Encart HTA", -1, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> encartHTA = {{{.tousTypes = true, .lignes = lignesEncartHTA}}};
constexpr std::array<regle_ligne, 1> lignesFouilleHTA = {{{L"Emprise de fouille HTA", 3, 0, 0}}};
constexpr std::array<regle_ligne, 2> cotesFouilleHTA = {{
    {L"Cote levée fouille HTA", 3, 0, 0, L"~", petit},
    {L"Cote non levée fouille HTA", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 2> fouillesHTA = {{
    {.masque = kFormes, .lignes = lignesFouilleHTA},
    {.masque = kCotations, .lignes = cotesFouilleHTA},
}};

// TLC (32 to 40)
constexpr std::array<regle_ligne, 1> lignesCablesTLC = {{{L"Câble TLC", 7, 0, -1, L"ST_TLC_E"}}};
constexpr std::array<regle_brancheV3, 1> cablesTLC = {{{.masque = kTraits, .lignes = lignesCablesTLC}}};
constexpr std::array<regle_celluleV3, 1> cellulesAccNonAffTLC = {{{L"CRJONC", L"Jonction TLC"}}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffTLC = {{{L"Accessoire TLC non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffTLC = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffTLC, .lignes = lignesAccNonAffTLC},
}};
constexpr std::array<regle_celluleV3, 1> cellulesAccAffTLC = {{{L"CRCO", L"Coffret TLC"}}};
constexpr std::array<regle_ligne, 1> lignesAccAffTLC = {{{L"Accessoire TLC affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffTLC = {{
    {.masque = kCellules, .cellules = cellulesAccAffTLC, .lignes = lignesAccAffTLC},
}};
constexpr std::array<regle_ligne, 1> textesCableTLC = {{{L"Texte câble TLC", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffTLC = {{{L"Texte accessoire non affleurant TLC", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccAffTLC = {{{L"Texte accessoire affleurant TLC", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> lignesIncertainTLC = {{{L"Câble TLC incertain", 7, 0, -1, L"ST_TLC_E_INC"}}};
constexpr std::array<regle_brancheV3, 1> incertainTLC = {{{.masque = kTraits, .lignes = lignesIncertainTLC}}};
constexpr std::array<regle_ligne, 1> lignesEncartTLC = {{{L"Encart TLC", -1, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> encartTLC = {{{.tousTypes = true, .lignes = lignesEncartTLC}}};

// TLR (41 to 49)
constexpr std::array<regle_ligne, 1> lignesCablesTLR = {{{L"Câble TLR", 7, 0, -1, L"ST_TLR"}}};
constexpr std::array<regle_brancheV3, 1> cablesTLR = {{{.masque = kTraits, .lignes = lignesCablesTLR}}};
constexpr std::array<regle_celluleV3, 1> cellulesAccNonAffTLR = {{{L"RRJONC", L"Jonction TLR"}}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffTLR = {{{L"Accessoire TLR non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffTLR = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffTLR, .lignes = lignesAccNonAffTLR},
}};
constexpr std::array<regle_celluleV3, 1> cellulesAccAffTLR = {{{L"RRCO", L"Coffret TLR"}}};
constexpr std::array<regle_ligne, 1> lignesAccAffTLR = {{{L"Accessoire TLR affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffTLR = {{
    {.masque = kCellules, .cellules = cellulesAccAffTLR, .lignes = lignesAccAffTLR},
}};
constexpr std::array<regle_ligne, 1> textesCableTLR = {{{L"Texte câble TLR", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffTLR = {{{L"Texte accessoire non affleurant TLR", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccAffTLR = {{{L"Texte accessoire affleurant TLR", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> lignesIncertainTLR = {{{L"Câble TLR incertain", 7, 0, -1, L"ST_TLR_INC"}}};
constexpr std::array<regle_brancheV3, 1> incertainTLR = {{{.masque = kTraits, .lignes = lignesIncertainTLR}}};
constexpr std::array<regle_ligne, 1> lignesEncartTLR = {{{L"Encart TLR", -1, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> encartTLR = {{{.tousTypes = true, .lignes = lignesEncartTLR}}};

// Protections (50, 55, 58): lines and arcs only when styled "ST_PROT_TERRE", else lines, arcs,
// shapes and ellipses.
template <std::size_t N>
constexpr std::array<regle_brancheV3, 2> protection(const std::array<regle_ligne, N>& lignes) {
  return {{
      {.masque = kTraits, .lignes = lignes, .siStyle = regle_siStyle::egal, .nomStyle = L"ST_PROT_TERRE"},
      {.masque = kFormes, .lignes = lignes, .siStyle = regle_siStyle::different, .nomStyle = L"ST_PROT_TERRE"},
  }};
}
constexpr std::array<regle_ligne, 12> lignesProtecIndif = {{
    {L"Câble terre indifférencié", 6, 0, -1, L"ST_PROT_TERRE"},
    {L"Poste", 14, 4, 0},
    {L"Fourreau indifférencié", 6, 0, 0},
    {L"Maçonnerie enterrée indifférenciée", 6, 4, 0},
    {L"Caniveau 3 indifférencié", 6, 2, -1, L"ST_PROT_CANI3"},
    {L"Caniveau 6 indifférencié", 6, 2, -1, L"ST_PROT_CANI6"},
    {L"Caniveau 9 indifférencié", 6, 2, -1, L"ST_PROT_CANI9"},
    {L"Caniveau 12 indifférencié", 6, 2, -1, L"ST_PROT_CANI12"},
    {L"Caniveau 15 indifférencié", 6, 2, -1, L"ST_PROT_CANI15"},
    {L"Plaque dessous câble indifférenciée", 6, 0, -1, L"ST_PROT_PLAQSR"},
    {L"Plaque dessus câble indifférenciée", 6, 0, 0},
    {L"Plaque verticale indifférenciée", 6, 8, -1, L"ST_PROT_PLAQV"},
}};
constexpr std::array<regle_ligne, 11> lignesProtecBT = {{
    {L"Câble terre BT", 6, 0, -1, L"ST_PROT_TERRE"},
    {L"Fourreau BT", 6, 0, 0},
    {L"Maçonnerie enterrée BT", 6, 4, 0},
    {L"Caniveau 3 BT", 6, 2, -1, L"ST_PROT_CANI3"},
    {L"Caniveau 6 BT", 6, 2, -1, L"ST_PROT_CANI6"},
    {L"Caniveau 9 BT", 6, 2, -1, L"ST_PROT_CANI9"},
    {L"Caniveau 12 BT", 6, 2, -1, L"ST_PROT_CANI12"},
    {L"Caniveau 15 BT", 6, 2, -1, L"ST_PROT_CANI15"},
    {L"Plaque dessous câble BT", 6, 0, -1, L"ST_PROT_PLAQSR"},
    {L"Plaque dessus câble BT", 6, 0, 0},
    {L"Plaque verticale BT", 6, 8, -1, L"ST_PROT_PLAQV"},
}};
constexpr std::array<regle_ligne, 11> lignesProtecHTA = {{
    {L"Câble terre HTA", 6, 0, -1, L"ST_PROT_TERRE"},
    {L"Fourreau HTA", 6, 0, 0},
    {L"Maçonnerie enterrée HTA", 6, 4, 0},
    {L"Caniveau 3 HTA", 6, 2, -1, L"ST_PROT_CANI3"},
    {L"Caniveau 6 HTA", 6, 2, -1, L"ST_PROT_CANI6"},
    {L"Caniveau 9 HTA", 6, 2, -1, L"ST_PROT_CANI9"},
    {L"Caniveau 12 HTA", 6, 2, -1, L"ST_PROT_CANI12"},
    {L"Caniveau 15 HTA", 6, 2, -1, L"ST_PROT_CANI15"},
    {L"Plaque dessous câble HTA", 6, 0, -1, L"ST_PROT_PLAQSR"},
    {L"Plaque dessus câble HTA", 6, 0, 0},
    {L"Plaque verticale HTA", 6, 8, -1, L"ST_PROT_PLAQV"},
}};
constexpr auto protecIndif = protection(lignesProtecIndif);
constexpr auto protecBT = protection(lignesProtecBT);
constexpr auto protecHTA = protection(lignesProtecHTA);
constexpr std::array<regle_ligne, 2> textesProtecIndif = {{
    {L"Texte protection indifférenciée", 6, 0, 0},
    {L"Texte poste", 14, 0, 0},
}};
constexpr std::array<regle_ligne, 1> textesProtecBT = {{{L"Texte protection BT", 6, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesProtecHTA = {{{L"Texte protection HTA", 6, 0, 0}}};

// RéseauAbandonnéEle (53), Cote+PtConsAbanEle (54)
constexpr std::array<regle_ligne, 5> lignesAbandonEle = {{
    {L"Câble abandonné Branchement", 0, 0, -1, L"ST_ABAND"},
    {L"Câble abandonné BT", 0, 2, -1, L"ST_ABAND"},
    {L"Câble abandonné HTA", 0, 4, -1, L"ST_ABAND"},
    {L"Câble abandonné Terre", 0, 0, -1, L"ST_PROT_TERRE"},
    {L"Trait de coupe abandonnée", 0, 5, 0},
}};
constexpr std::array<regle_celluleV3, 18> cellulesAbandonEle = {{
    {L"EACO", L"Coffret abandonné"},
    {L"EAARMO", L"Armoire abandonnée"},
    {L"EABSTR", L"Boîte sous trottoir BT abandonnée"},
    {L"EABSTB", L"Boîte sous trottoir Branchement abandonnée"},
    {L"EAREMA", L"Remontée aérienne abandonnée"},
    {L"1AREMB", L"REMBT abandonnée"},
    {L"EAJONC", L"Jonction abandonnée"},
    {L"EABOUP", L"Bout perdu abandonné"},
    {L"EADERG", L"Dérivation gauche abandonnée"},
    {L"EADERD", L"Dérivation droite abandonnée"},
    {L"RACO", L"Coffret téléreport abandonné"},
    {L"CACO", L"Coffret téléconduite abandonné"},
    {L"RAJONC", L"Jonction téléreport abandonnée"},
    {L"CAJONC", L"Jonction téléconduite abandonnée"},
    {L"EACOUD", L"Trait de coupe D abandonné"},
    {L"EACOUG", L"Trait de coupe G abandonné"},
    {L"EAR1AB", L"Detail C1 abandonné"},
    {L"EAR2AB", L"Detail C2 abandonné"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAbandonEle = {{{L"Accessoire abandonné", 0, 0, 0, L""}}};
constexpr std::array<regle_ligne, 1> textesAbandonEle = {{{L"Texte abandonné", 0, 0, 0}}};
constexpr std::array<regle_ligne, 1> flechesAbandonEle = {{{L"Flèche annotation abandonnée", 0, 0, 0, L"~", petit}}};
constexpr std::array<regle_brancheV3, 4> abandonEle = {{
    {.masque = kTraits, .lignes = lignesAbandonEle},
    {.masque = kCellules, .annotation = L"Annotation Elec abandonnée", .cellules = cellulesAbandonEle,
     .lignes = lignesAccAbandonEle},
    {.masque = kTextes, .lignes = textesAbandonEle},
    {.masque = kCotations, .lignes = flechesAbandonEle},
}};
constexpr std::array<regle_ligne, 2> cotesAbandonEle = {{
    {L"Cote levée abandonnée", 0, 0, 0, L"~", petit},
    {L"Cote non levée abandonnée", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 1> coteAbandonEle = {{{.masque = kTextesCotations, .lignes = cotesAbandonEle}}};

// SansContrôles (61), PTRC+TxtEle (62), PTRL+TxtEle (63)
constexpr std::array<regle_ligne, 1> lignesSansControle = {{{L"Sans contrôle", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> sansControle = {{{.masque = kSansControle, .lignes = lignesSansControle}}};
constexpr std::array<regle_celluleV3, 1> cellulesPTRC = {{{L"ERPTRC", L"PTRC"}}};
constexpr std::array<regle_brancheV3, 1> ptrc = {{
    {.masque = kCellulesTextes, .cellules = cellulesPTRC, .lignes = regle_lignesPTRCV3},
}};
constexpr std::array<regle_celluleV3, 2> cellulesPTRL = {{
    {L"ERPTRL", L"PTRL stock", regle_enfantsPTRL},
    {L"ERPTA", L"PTRL publié", regle_enfantsPTRL},
}};
constexpr std::array<regle_brancheV3, 1> ptrl = {{
    {.masque = kCellulesTextes, .cellules = cellulesPTRL, .lignes = regle_textesPTRLV3},
}};

constexpr std::array<regle_slotV3, 63> livre = {{
    {L"CellulesEchanges", echanges},
    T(L"Drap+TxtIndiffEle", {L"Texte indifférencié", L"Annotation indifférenciée", L"Flèche annotation indiff.", L"Trait de drapeau"},
      lignesVides),
    {L"EncartsIndiffEle", regle_encartIndifV3},
    {L"EmprisesRésIndif", emprises},
    {L"CâblesBrancht", cablesBrancht},
    {L"AccNonAffBranchtEle", accNonAffBrancht},
    {L"AccAffBranchtEle", accAffBrancht},
    T(L"TxtBranchtEle", {L"Texte câble Branchement", L"Annotation Branchement", L"Flèche annotation Branchement",
                         L"Trait de rappel Drapeau Branchement"},
      textesCableBrancht),
    T(L"TxtAccNonAffBrtEle", {L"Texte accessoire non affleurant Branchement", L"Annotation accessoire non affleurant Branchement",
                              L"Flèche annotation accessoire non affleurant Branchement"},
      textesAccNonAffBrancht),
    T(L"TxtAccAffBrtEle", {L"Texte accessoire affleurant Branchement", L"Annotation accessoire affleurant Branchement",
                           L"Flèche annotation accessoire affleurant Branchement"},
      textesAccAffBrancht),
    D(L"Cote+PtConstBrtEle", 7, L"Cote levée Branchement", L"Cote non levée Branchement"),
    {L"CâblesBT", cablesBT},
    {L"AccNonAffBT", accNonAffBT},
    {L"AccAffBT", accAffBT},
    T(L"TxtCâblesBT", {L"Texte câble BT", L"Annotation BT", L"Flèche annotation BT", L"Trait de rappel Drapeau BT"},
      textesCableBT),
    T(L"TxtAccNonAffBT", {L"Texte accessoire non affleurant BT", L"Annotation accessoire non affleurant BT",
                          L"Flèche annotation accessoire non affleurant BT"},
      textesAccNonAffBT),
    T(L"TxtAccAffBT", {L"Texte accessoire affleurant BT", L"Annotation accessoire affleurant BT",
                       L"Flèche annotation accessoire affleurant BT"},
      textesAccAffBT),
    D(L"Cote+PtConstBT", 7, L"Cote levée BT", L"Cote non levée BT"),
    {L"RésIncertainBT", incertainBT},
    {L"EncartsBT", encartBT},
    {L"FouillesBT", fouillesBT},
    {L"CâblesHTA", cablesHTA},
    {L"AccNonAffHTA", accNonAffHTA},
    {L"AccAffHTA", accAffHTA},
    {L"TxtCâblesHTA", txtCablesHTA},
    T(L"TxtAccNonAffHTA", {L"Texte accessoire non affleurant HTA", L"Annotation accessoire non affleurant HTA",
                           L"Flèche annotation accessoire non affleurant HTA"},
      textesAccNonAffHTA),
    T(L"TxtAccAffHTA", {L"Texte accessoire affleurant HTA", L"Annotation accessoire affleurant HTA",
                        L"Flèche annotation accessoire affleurant HTA"},
      textesAccAffHTA),
    D(L"Cote+PtConstHTA", 3, L"Cote levée HTA", L"Cote non levée HTA"),
    {L"RésIncertainHTA", incertainHTA},
    {L"EncartsHTA", encartHTA},
    {L"FouillesHTA", fouillesHTA},
    // Orders 32 to 63
    {L"CâblesTLCEle", cablesTLC},
    {L"AccNonAffTLCEle", accNonAffTLC},
    {L"AccAffTLCEle", accAffTLC},
    T(L"TxtCâblesTLCEle", {L"Texte câble TLC", L"Annotation TLC", L"Flèche annotation TLC"}, textesCableTLC),
    T(L"TxtAccNonAffTLCEle", {L"Texte accessoire non affleurant TLC", L"Annotation accessoire non affleurant TLC",
                              L"Flèche annotation accessoire non affleurant TLC"},
      textesAccNonAffTLC),
    T(L"TxtAccAffTLCEle", {L"Texte accessoire affleurant TLC", L"Annotation accessoire affleurant TLC",
                           L"Flèche annotation accessoire affleurant TLC"},
      textesAccAffTLC),
    D(L"Cote+PtConstTLCEle", 7, L"Cote levée TLC", L"Cote non levée TLC"),
    {L"RésIncertainTLCEle", incertainTLC},
    {L"EncartsTLCEle", encartTLC},
    {L"CâblesTLR", cablesTLR},
    {L"AccNonAffTLR", accNonAffTLR},
    {L"AccAffTLR", accAffTLR},
    T(L"TxtCâblesTLR", {L"Texte câble TLR", L"Annotation TLR", L"Flèche annotation TLR"}, textesCableTLR),
    T(L"TxtAccNonAffTLR", {L"Texte accessoire non affleurant TLR", L"Annotation accessoire non affleurant TLR",
                           L"Flèche annotation accessoire non affleurant TLR"},
      textesAccNonAffTLR),
    T(L"TxtAccAffTLR", {L"Texte accessoire affleurant TLR", L"Annotation accessoire affleurant TLR",
                        L"Flèche annotation accessoire affleurant TLR"},
      textesAccAffTLR),
    D(L"Cote+PtConstTLR", 7, L"Cote levée TLR", L"Cote non levée TLR"),
    {L"RésIncertainTLR", incertainTLR},
    {L"EncartsTLR", encartTLR},
    {L"ProtectionsIndif", protecIndif},
    D(L"CoteProtecIndiff", 6, L"Cote levée protection indifférenciée", L"Cote non levée protection indifférenciée"),
    T(L"TxtProtecIndiff", {L"Texte protection indifférenciée", L"Annotation protection indifférenciée",
                           L"Flèche annotation protection indifférenciée"},
      textesProtecIndif),
    {L"RéseauAbandonnéEle", abandonEle},
    {L"Cote+PtConsAbanEle", coteAbandonEle},
    {L"ProtectionsBT", protecBT},
    D(L"CoteProtecBT", 6, L"Cote levée protection BT", L"Cote non levée protection BT"),
    T(L"TxtProtecBT", {L"Texte protection BT", L"Annotation protection BT", L"Flèche annotation protection BT"},
      textesProtecBT),
    {L"ProtectionsHTA", protecHTA},
    D(L"CoteProtecHTA", 6, L"Cote levée protection HTA", L"Cote non levée protection HTA"),
    T(L"TxtProtecHTA", {L"Texte protection HTA", L"Annotation protection HTA", L"Flèche annotation protection HTA"},
      textesProtecHTA),
    {L"SansContrôles", sansControle},
    {L"PTRC+TxtEle", ptrc},
    {L"PTRL+TxtEle", ptrl},
}};

}  // namespace

std::span<const regle_slotV3> regle_livreElecV3() { return livre; }
