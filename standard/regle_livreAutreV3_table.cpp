// The other-networks (AR2) rule book of a three-file plan as data: public lighting (EP) and video
// (VDC), its 26 slots in test order, the branches by type, the cells with their categories and
// the rows. UTF-8 source.
#include "standard/regle_livresV3.h"

namespace {

using enum regle_gabarit;
constexpr std::uint8_t kCellules = 1, kLignes = 2, kTraits = 4, kTextes = 32, kCellulesTextes = 33, kCotations = 64,
                       kTextesCotations = 96, kSansControle = 117;
constexpr auto T = regle_slotTexteV3;

// CellulesEchanges (1)
constexpr std::array<regle_celluleV3, 2> cellulesEchanges = {{{L"IDFICH", L"Cartouche - %s"}, {L"IDAUT", L"Cartouche - %s"}}};
constexpr std::array<regle_brancheV3, 1> echanges = {{
    {.masque = kCellules, .cellules = cellulesEchanges, .lignes = regle_lignesCartoucheV3},
}};

// Drap+TxtIndiffAut (2), EncartsIndiffAut (3)
constexpr std::array<regle_ligne, 1> lignesIndif = {{{L"", 0, 0, 0, L"~", simple, -1.0}}};
constexpr std::array<regle_brancheV3, 3> indif = {{
    {.masque = kCotations, .categorie = L"Flèche annotation indiff.", .lignes = lignesIndif},
    {.masque = kLignes, .categorie = L"Trait de drapeau", .lignes = lignesIndif},
    {.masque = kTextes, .categorie = L"Texte indifférencié", .lignes = lignesIndif},
}};

// EP (4 to 12)
constexpr std::array<regle_ligne, 1> lignesCablesEP = {{{L"Câble EP", 7, 0, -1, L"ST_EP"}}};
constexpr std::array<regle_brancheV3, 1> cablesEP = {{{.masque = kTraits, .lignes = lignesCablesEP}}};
constexpr std::array<regle_celluleV3, 1> cellulesAccNonAffEP = {{{L"ERJONC", L"Jonction EP"}}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffEP = {{{L"Accessoire EP non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffEP = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffEP, .lignes = lignesAccNonAffEP},
}};
constexpr std::array<regle_celluleV3, 1> cellulesAccAffEP = {{{L"ERCOEP", L"Coffret EP"}}};
constexpr std::array<regle_ligne, 1> lignesAccAffEP = {{{L"Accessoire EP affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffEP = {{
    {.masque = kCellules, .cellules = cellulesAccAffEP, .lignes = lignesAccAffEP},
}};
constexpr std::array<regle_ligne, 1> textesCableEP = {{{L"Texte câble EP", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffEP = {{{L"Texte accessoire non affleurant EP", 7, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> txtAccNonAffEP = {{{.masque = kTextes, .lignes = textesAccNonAffEP}}};
constexpr std::array<regle_ligne, 1> textesAccAffEP = {{{L"Texte accessoire affleurant EP", 7, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> txtAccAffEP = {{{.masque = kTextes, .lignes = textesAccAffEP}}};
constexpr std::array<regle_ligne, 2> lignesCotesEP = {{
    {L"Cote levée EP", 7, 0, 0, L"~", petit},
    {L"Cote non levée EP", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 1> cotesEP = {{{.masque = kCotations, .lignes = lignesCotesEP}}};
constexpr std::array<regle_ligne, 1> lignesIncertainEP = {{{L"Câble EP incertain", 7, 0, -1, L"ST_EP_INC"}}};
constexpr std::array<regle_ligne, 1> lignesEncartEP = {{{L"Encart EP", -1, -1, -1}}};
constexpr std::array<regle_ligne, 1> cellulesIncertainEP = {{{L"Encart EP", -1, -1, -1, L"~", petit}}};
constexpr std::array<regle_brancheV3, 2> incertainEP = {{
    {.masque = kTraits, .lignes = lignesIncertainEP},
    {.masque = kCellules, .lignes = cellulesIncertainEP},
}};
constexpr std::array<regle_brancheV3, 1> encartEP = {{{.tousTypes = true, .lignes = lignesEncartEP}}};

// VDC (13 to 21)
constexpr std::array<regle_ligne, 1> lignesCablesVDC = {{{L"Câble VDC", 7, 0, -1, L"ST_VDC"}}};
constexpr std::array<regle_brancheV3, 1> cablesVDC = {{{.masque = kTraits, .lignes = lignesCablesVDC}}};
constexpr std::array<regle_celluleV3, 2> cellulesAccNonAffVDC = {{
    {L"VRJONC", L"Jonction VDC"},
    {L"VRTERR", L"Mise à la terre VDC"},
}};
constexpr std::array<regle_ligne, 1> lignesAccNonAffVDC = {{{L"Accessoire VDC non affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accNonAffVDC = {{
    {.masque = kCellules, .cellules = cellulesAccNonAffVDC, .lignes = lignesAccNonAffVDC},
}};
constexpr std::array<regle_celluleV3, 6> cellulesAccAffVDC = {{
    {L"VRTELE", L"Téléalimentation VDC"},
    {L"VRAMPL", L"Amplificateur VDC"},
    {L"VRTETE", L"Tête de réseau VDC"},
    {L"VRREPA", L"Répartiteur VDC"},
    {L"VRBULL", L"Bulle de repérage VDC"},
    {L"VRDERI", L"Dérivateur VDC"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAffVDC = {{{L"Accessoire VDC affleurant", 7, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAffVDC = {{
    {.masque = kCellules, .cellules = cellulesAccAffVDC, .lignes = lignesAccAffVDC},
}};
constexpr std::array<regle_ligne, 1> textesCableVDC = {{{L"Texte câble VDC", 7, 0, 0}}};
constexpr std::array<regle_ligne, 1> textesAccNonAffVDC = {{{L"Texte accessoire non affleurant VDC", 7, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> txtAccNonAffVDC = {{{.masque = kTextes, .lignes = textesAccNonAffVDC}}};
constexpr std::array<regle_ligne, 1> textesAccAffVDC = {{{L"Texte accessoire affleurant VDC", 7, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> txtAccAffVDC = {{{.masque = kTextes, .lignes = textesAccAffVDC}}};
constexpr std::array<regle_ligne, 2> lignesCotesVDC = {{
    {L"Cote levée VDC", 7, 0, 0, L"~", petit},
    {L"Cote non levée VDC", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 1> cotesVDC = {{{.masque = kCotations, .lignes = lignesCotesVDC}}};
constexpr std::array<regle_ligne, 1> lignesIncertainVDC = {{{L"Câble VDC incertain", 7, 0, -1, L"ST_VDC_INC"}}};
constexpr std::array<regle_brancheV3, 1> incertainVDC = {{{.masque = kTraits, .lignes = lignesIncertainVDC}}};
constexpr std::array<regle_ligne, 1> lignesEncartVDC = {{{L"Encart VDC", -1, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> encartVDC = {{{.tousTypes = true, .lignes = lignesEncartVDC}}};

// RéseauAbandonnéAut (22), Cote+PtConsAbanAut (23)
constexpr std::array<regle_ligne, 2> lignesAbandon = {{
    {L"Câble EP/VDC abandonné EP/VDC", 0, 0, -1, L"ST_ABAND"},
    {L"Trait de coupe abandonnée", 0, 5, 0},
}};
constexpr std::array<regle_celluleV3, 14> cellulesAbandon = {{
    {L"EACOEP", L"Coffret EP abandonné"},
    {L"VATELE", L"Téléalimentation VDC abandonnée"},
    {L"EAJONC", L"Jonction EP abandonnée"},
    {L"VAJONC", L"Jonction VDC abandonnée"},
    {L"VAAMPL", L"Amplificateur VDC abandonné"},
    {L"VATETE", L"Tête de réseau VDC abandonnée"},
    {L"VATERR", L"Mise à la terre VDC abandonnée"},
    {L"VAREPA", L"Répartiteur VDC abandonné"},
    {L"VABULL", L"Bulle de repérage VDC abandonnée"},
    {L"VADERI", L"Dérivateur VDC abandonné"},
    {L"AACOUD", L"Trait de coupe D abandonné"},
    {L"AACOUG", L"Trait de coupe G abandonné"},
    {L"EAR1AB", L"Detail C1 abandonné"},
    {L"EAR2AB", L"Detail C2 abandonné"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAbandon = {{{L"Accessoire EP/VDC abandonné", 0, 0, 0, L""}}};
constexpr std::array<regle_ligne, 1> textesAbandon = {{{L"Texte EP/VDC abandonné", 0, 0, 0}}};
constexpr std::array<regle_ligne, 1> flechesAbandon = {{{L"Flèche annotation EP/VDC abandonnée", 0, 0, 0, L"~", petit}}};
constexpr std::array<regle_brancheV3, 4> abandon = {{
    {.masque = kTraits, .lignes = lignesAbandon},
    {.masque = kCellules, .annotation = L"Annotation VDC abandonnée", .cellules = cellulesAbandon,
     .lignes = lignesAccAbandon},
    {.masque = kTextes, .lignes = textesAbandon},
    {.masque = kCotations, .lignes = flechesAbandon},
}};
constexpr std::array<regle_ligne, 2> cotesAbandon = {{
    {L"Cote levée EP/VDC abandonnée", 0, 0, 0, L"~", petit},
    {L"Cote non levée EP/VDC abandonnée", 0, 0, 0, L"~", petit, 0.0, {}, true},
}};
constexpr std::array<regle_brancheV3, 1> coteAbandon = {{{.masque = kTextesCotations, .lignes = cotesAbandon}}};

// SansContrôles (24), PTRC+TxtAut (25), PTRL+TxtAut (26)
constexpr std::array<regle_ligne, 1> lignesSansControle = {{{L"Sans contrôle EP/VDC", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> sansControle = {{{.masque = kSansControle, .lignes = lignesSansControle}}};
constexpr std::array<regle_celluleV3, 1> cellulesPTRC = {{{L"ARPTRC", L"PTRC"}}};
constexpr std::array<regle_brancheV3, 1> ptrc = {{
    {.masque = kCellulesTextes, .cellules = cellulesPTRC, .lignes = regle_lignesPTRCV3},
}};
constexpr std::array<regle_celluleV3, 1> cellulesPTRL = {{{L"ARPTRL", L"PTRL publié", regle_enfantsPTRL}}};
constexpr std::array<regle_brancheV3, 1> ptrl = {{
    {.masque = kCellulesTextes, .cellules = cellulesPTRL, .lignes = regle_textesPTRLV3},
}};

constexpr std::array<regle_slotV3, 26> livre = {{
    {L"CellulesEchanges", echanges},
    {L"Drap+TxtIndiffAut", indif},
    {L"EncartsIndiffAut", regle_encartIndifV3},
    {L"CâblesEP", cablesEP},
    {L"AccNonAfflEP", accNonAffEP},
    {L"AccAffEP", accAffEP},
    T(L"TxtCâblesEP", {L"Texte câble EP", L"Annotation EP", L"Flèche annotation EP"}, textesCableEP),
    {L"TxtAccNonAffEP", txtAccNonAffEP},
    {L"TxtAccAffEP", txtAccAffEP},
    {L"Cote+PtConstEP", cotesEP},
    {L"RésIncertainEP", incertainEP},
    {L"Encarts EP", encartEP},
    {L"CâblesVDC", cablesVDC},
    {L"AccNonAffVDC", accNonAffVDC},
    {L"AccAffVDC", accAffVDC},
    T(L"TxtCâblesVDC", {L"Texte câble VDC", L"Annotation VDC", L"Flèche annotation VDC"}, textesCableVDC),
    {L"TxtAccNonAffVDC", txtAccNonAffVDC},
    {L"TxtAccAffVDC", txtAccAffVDC},
    {L"Cote+PtConstVDC", cotesVDC},
    {L"RésIncertainVDC", incertainVDC},
    {L"Encarts VDC", encartVDC},
    {L"RéseauAbandonnéAut", abandon},
    {L"Cote+PtConsAbanAut", coteAbandon},
    {L"SansContrôles", sansControle},
    {L"PTRC+TxtAut", ptrc},
    {L"PTRL+TxtAut", ptrl},
}};

}  // namespace

std::span<const regle_slotV3> regle_livreAutreV3() { return livre; }
