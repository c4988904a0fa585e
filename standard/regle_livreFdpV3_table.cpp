// The background (FP2) rule book of a three-file plan as data: its 26 slots in test order
// (Réservé_2, Réservé_4 and Réservé_5 are none of them, so their elements get 2031), the branches
// by type, the cells with their categories and the rows. UTF-8 source.
#include "standard/regle_livresV3.h"

namespace {

using enum regle_gabarit;
constexpr std::uint8_t kCellules = 1, kTraits = 20, kTraitsCellules = 21, kTextes = 32, kCellulesTextes = 33,
                       kCotations = 64;

template <typename T, std::size_t N>
constexpr std::span<const T> s(const std::array<T, N>& a) {
  return {a.data(), N};
}

// CellulesEchanges
constexpr std::array<regle_celluleV3, 5> cellulesEchanges = {{
    {L"IDFICH", L"Cartouche - %s"},
    {L"IDLOC", L"Cartouche - %s"},
    {L"IDFDP", L"Cartouche - %s"},
    {L"IDVOIE", L"Cartouche - %s"},
    {L"CADA1C", L"Cadre"},
}};
constexpr std::array<regle_ligne, 1> lignesEchanges = {{{L"Cartouche", 0, 0, -1, L"~", simple, -1.0}}};
constexpr std::array<regle_brancheV3, 1> echanges = {{
    {.masque = kCellules, .cellules = s(cellulesEchanges), .lignes = s(lignesEchanges)},
}};

// RACSEC+txt
constexpr std::array<regle_celluleV3, 1> cellulesRacsec = {{{L"RACSEC", L"Raccord de plans"}}};
constexpr std::array<regle_ligne, 1> lignesRacsec = {{{L"Raccord", 0, 0, -1, L"~", simple, 1.0}}};
constexpr std::array<regle_brancheV3, 1> racsec = {{
    {.masque = kCellulesTextes, .cellules = s(cellulesRacsec), .lignes = s(lignesRacsec)},
}};

// PolygoneDécoupe
constexpr std::array<regle_ligne, 1> lignesDecoupe = {{{L"Polygone de découpe", 0, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> decoupe = {{{.masque = kTraits, .lignes = s(lignesDecoupe)}}};

// Limites et Hydro
constexpr std::array<regle_celluleV3, 1> cellulesTaillis = {{{L"FBOIS", L"Symbole taillis"}}};
constexpr std::array<regle_ligne, 1> lignesSymboleLimites = {{{L"Bois et taillis", -1, -1, -1}}};
constexpr std::array<regle_ligne, 1> lignesFlecheLimites = {{{L"Flèche annotation fond de plan", -1, -1, -1, L"~", petit}}};
constexpr std::array<regle_ligne, 10> lignesLimites = {{
    {L"Limite", 5, 0, 0},
    {L"Mur bahut droit", 5, 0, -1, L"ST_FDP_MBAHUTD"},
    {L"Mur bahut gauche", 5, 0, -1, L"ST_FDP_MBAHUTG"},
    {L"Fil d'eau", 5, 0, -1, L"ST_FDP_FEAU"},
    {L"Voie ferrée", 5, 0, -1, L"ST_FDP_VFERRE"},
    {L"Clôture", 5, 0, -1, L"ST_FDP_CLOTURE"},
    {L"Haie droite", 5, 0, -1, L"ST_FDP_HAIED"},
    {L"Haie gauche", 5, 0, -1, L"ST_FDP_HAIEG"},
    {L"Limite commune", 5, 0, -1, L"ST_FDP_LCOM"},
    {L"Limite département", 5, 0, -1, L"ST_FDP_LDEP"},
}};
constexpr std::array<regle_brancheV3, 3> limites = {{
    {.masque = kCellules, .annotation = L"Annotation fond de plan", .cellules = s(cellulesTaillis),
     .lignes = s(lignesSymboleLimites)},
    {.masque = kCotations, .lignes = s(lignesFlecheLimites)},
    {.masque = kTraits, .lignes = s(lignesLimites)},
}};

// Bois-Taillis
constexpr std::array<regle_ligne, 1> lignesTaillis = {{{L"Bois et taillis", 5, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> taillis = {{
    {.masque = kTraitsCellules, .cellules = s(cellulesTaillis), .lignes = s(lignesTaillis)},
}};

// Bâtiments
constexpr std::array<regle_ligne, 2> lignesBatiments = {{{L"Bâtiment", 14, 4, 0}, {L"Bâti souterrain", 14, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> batiments = {{{.masque = kTraits, .lignes = s(lignesBatiments)}}};

// Routes
constexpr std::array<regle_ligne, 5> lignesRoutes = {{
    {L"Route", 5, 0, 1},
    {L"Talus", 5, 0, 0},
    {L"Limite chaussée", 5, 0, -1, L"ST_FDP_LCHAUS"},
    {L"Glissière sécurité gauche", 5, 0, -1, L"ST_FDP_GSECUG"},
    {L"Glissière sécurité droite", 5, 0, -1, L"ST_FDP_GSECUD"},
}};
constexpr std::array<regle_brancheV3, 1> routes = {{{.masque = kTraits, .lignes = s(lignesRoutes)}}};

// Divers: a failing text is compared with the second text row, whose result stands.
constexpr std::array<regle_celluleV3, 3> cellulesDivers = {{
    {L"FACCE1", L"Flèche d'accès"},
    {L"FACCE2", L"Repère d'accès"},
    {L"FEVACU", L"Grille d'évacuation"},
}};
constexpr std::array<regle_ligne, 1> lignesSymboleDivers = {{{L"Symbole divers", -1, -1, -1}}};
constexpr std::array<regle_ligne, 1> lignesFlecheDivers = {{{L"Flèche annotation diverse", -1, -1, -1, L"~", petit}}};
constexpr std::array<regle_ligne, 2> lignesTexteDivers = {{{L"Petit texte divers", 0, 0, 0}, {L"Grand texte divers", 0, 0, 0}}};
constexpr std::array<regle_ligne, 1> lignesTraitDivers = {{{L"Trait divers", 0, 0, 0}}};
constexpr std::array<regle_brancheV3, 4> divers = {{
    {.masque = kCellules, .annotation = L"Annotation diverse", .cellules = s(cellulesDivers), .sansNom = L"Objet inconnu",
     .lignes = s(lignesSymboleDivers)},
    {.masque = kCotations, .lignes = s(lignesFlecheDivers)},
    {.masque = kTextes, .lignes = s(lignesTexteDivers), .essai = regle_essai::dernier},
    {.tousTypes = true, .lignes = s(lignesTraitDivers)},
}};

// Spits+txt
constexpr std::array<regle_celluleV3, 3> cellulesSpits = {{
    {L"FSPIT", L"Spit"},
    {L"ESC", L"Flèche escalier"},
    {L"PLAMBE", L"Point Lambert"},
}};
constexpr std::array<regle_ligne, 1> lignesSpits = {{{L"Spit", 0, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> spits = {{{.masque = kCellules, .cellules = s(cellulesSpits), .lignes = s(lignesSpits)}}};

// Axe de voie
constexpr std::array<regle_ligne, 1> lignesAxe = {{{L"Axe de voie", 5, 0, -1, L"ST_FDP_AXEVOIE"}}};
constexpr std::array<regle_brancheV3, 1> axe = {{{.masque = kTraits, .lignes = s(lignesAxe)}}};

// PtLambert+coord_
constexpr std::array<regle_celluleV3, 2> cellulesLambert = {{{L"FLAMBE", L"Point Lambert"}, {L"PLAMBE", L"Point Lambert"}}};
constexpr std::array<regle_ligne, 1> lignesCoordonnee = {{{L"Coordonnée Lambert", 0, 0, 0}}};
constexpr std::array<regle_ligne, 1> lignesPointLambert = {{{L"Point Lambert", 0, 0, 0}}};
constexpr std::array<regle_brancheV3, 2> lambert = {{
    {.masque = kTextes, .lignes = s(lignesCoordonnee)},
    {.masque = kCellules, .cellules = s(cellulesLambert), .lignes = s(lignesPointLambert)},
}};

// SymbolesFixes
constexpr std::array<regle_celluleV3, 31> cellulesSymboles = {{
    {L"FPOPTT", L"Poteau PTT"},
    {L"FPOKRV", L"Poteau KRV"},
    {L"FPOECA", L"Poteau KRV candélabre"},
    {L"FPOCAN", L"Poteau candélabre"},
    {L"FPYKRV", L"Pylone KRV"},
    {L"FINCEN", L"Borne incendie"},
    {L"FARBRE", L"Arbre"},
    {L"FAVASI", L"Avaloir simple"},
    {L"FAVAVI", L"Avaloir visitable"},
    {L"FGRIAV", L"Grille avaloir"},
    {L"FEGOUT", L"Plaque égout"},
    {L"FREGRE", L"Regard rectangulaire"},
    {L"FREGRO", L"Regard rond"},
    {L"FEAU", L"Bouche eau"},
    {L"FPLPT1", L"Plaque PTT simple"},
    {L"FPLPT2", L"Plaque PTT double"},
    {L"FPLPT3", L"Plaque PTT triple"},
    {L"FPLPT4", L"Plaque PTT quadruple"},
    {L"FBOREP", L"Borne repérage"},
    {L"FBOPRO", L"Borne propriété"},
    {L"FBODIV", L"Borne diverse"},
    {L"FCOPTT", L"Coffret PTT"},
    {L"FTEL", L"Cabine téléphonique"},
    {L"FFEUX", L"Panneau de signalisation"},
    {L"FINDIC", L"Panneau indicateur"},
    {L"FAFFIC", L"Colonne affichage"},
    {L"FINFO", L"Panneau information"},
    {L"FBALIS", L"Balise routière"},
    {L"FBANC", L"Banc"},
    {L"FBUS", L"Abri bus"},
    {L"FPOTV2", L"V2 Poteau candélabre PTT"},
}};
constexpr std::array<regle_ligne, 1> lignesSymboles = {{{L"~", 4, 0, 0}}};
constexpr std::array<regle_brancheV3, 1> symboles = {{
    {.masque = kCellules, .cellules = s(cellulesSymboles), .lignes = s(lignesSymboles)},
}};

// The networks of other operators: a network row (or two) for lines, arcs, shapes and ellipses,
// a text row for texts.
constexpr std::array<regle_ligne, 1> lignesEau = {{{L"Réseau eau", 0, 4, -1, L"ST_EAU"}}};
constexpr std::array<regle_ligne, 1> textesEau = {{{L"Texte réseau eau", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> eau = {{
    {.masque = kTraits, .lignes = s(lignesEau)},
    {.masque = kTextes, .lignes = s(textesEau)},
}};

constexpr std::array<regle_ligne, 1> lignesAssainissement = {{{L"Réseau assainissement", 0, 4, -1, L"ST_ASS"}}};
constexpr std::array<regle_ligne, 1> textesAssainissement = {{{L"Texte réseau assainissement", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> assainissement = {{
    {.masque = kTraits, .lignes = s(lignesAssainissement)},
    {.masque = kTextes, .lignes = s(textesAssainissement)},
}};

constexpr std::array<regle_ligne, 1> lignesTelecom = {{{L"Réseau télécom", 0, 4, -1, L"ST_TEL"}}};
constexpr std::array<regle_ligne, 1> textesTelecom = {{{L"Texte réseau télécom", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> telecom = {{
    {.masque = kTraits, .lignes = s(lignesTelecom)},
    {.masque = kTextes, .lignes = s(textesTelecom)},
}};

constexpr std::array<regle_ligne, 1> lignesElectricite = {{{L"Réseau électricité", 0, 4, -1, L"ST_ELEC"}}};
constexpr std::array<regle_ligne, 1> textesElectricite = {{{L"Texte réseau électricité", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> electricite = {{
    {.masque = kTraits, .lignes = s(lignesElectricite)},
    {.masque = kTextes, .lignes = s(textesElectricite)},
}};

constexpr std::array<regle_ligne, 1> lignesGaz = {{{L"Réseau gaz", 0, 4, -1, L"ST_GAZ"}}};
constexpr std::array<regle_ligne, 1> textesGaz = {{{L"Texte réseau gaz", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> gaz = {{
    {.masque = kTraits, .lignes = s(lignesGaz)},
    {.masque = kTextes, .lignes = s(textesGaz)},
}};
constexpr std::array<regle_ligne, 2> lignesAutres = {{
    {L"Réseau éclairage public", 0, 4, -1, L"ST_EP"},
    {L"Réseau vidéo", 0, 4, -1, L"ST_VDC"},
}};
constexpr std::array<regle_ligne, 1> textesAutres = {{{L"Texte autre réseau", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 2> autres = {{
    {.masque = kTraits, .lignes = s(lignesAutres)},
    {.masque = kTextes, .lignes = s(textesAutres)},
}};

// Flush accessories of the networks, and their texts.
constexpr std::array<regle_celluleV3, 7> cellulesAccElec = {{
    {L"EFCO", L"Coffret électrique"},
    {L"EFCP", L"Coffret électrique"},
    {L"EFARMO", L"Armoire électrique"},
    {L"EFBSTR", L"Boîte sous trottoir réseau"},
    {L"EFBSTB", L"Boîte sous trottoir branchement"},
    {L"RFCO", L"Coffret téléreport"},
    {L"CFCOEL", L"Coffret téléconduite"},
}};
constexpr std::array<regle_ligne, 1> lignesAccElec = {{{L"Accessoire affleurant élec", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accElec = {{
    {.masque = kCellules, .cellules = s(cellulesAccElec), .lignes = s(lignesAccElec)},
}};
constexpr std::array<regle_ligne, 1> lignesTxtAccElec = {{{L"Texte accessoire affleurant élec", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> txtAccElec = {{{.masque = kTextes, .lignes = s(lignesTxtAccElec)}}};

constexpr std::array<regle_celluleV3, 8> cellulesAccGaz = {{
    {L"GFCOE", L"Coffret enterré avec organe de coupure"},
    {L"GFCOED", L"Coffret enterré avec détente et organe de coupure"},
    {L"GFCOF", L"Coffret en facade avec organe de coupure"},
    {L"GFCOFD", L"Coffret en facade avec détente et organe de coupure"},
    {L"GFCART", L"Carter de siphon"},
    {L"RFASOU", L"Armoire de soutirage"},
    {L"RFCLE", L"Bouche à clé"},
    {L"CFCOGZ", L"Coffret de téléconduite"},
}};
constexpr std::array<regle_ligne, 1> lignesAccGaz = {{{L"Accessoire affleurant gaz", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accGaz = {{
    {.masque = kCellules, .cellules = s(cellulesAccGaz), .lignes = s(lignesAccGaz)},
}};
constexpr std::array<regle_ligne, 1> lignesTxtAccGaz = {{{L"Texte accessoire affleurant gaz", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> txtAccGaz = {{{.masque = kTextes, .lignes = s(lignesTxtAccGaz)}}};

constexpr std::array<regle_celluleV3, 2> cellulesAccAutres = {{
    {L"EFCOEP", L"Coffret éclairage public"},
    {L"VFTELE", L"TéléAlimentation VDC"},
}};
constexpr std::array<regle_ligne, 1> lignesAccAutres = {{{L"Accessoire affleurant autres réseaux", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> accAutres = {{
    {.masque = kCellules, .cellules = s(cellulesAccAutres), .lignes = s(lignesAccAutres)},
}};
constexpr std::array<regle_ligne, 1> lignesTxtAccAutres = {{{L"Texte accessoire affleurant autres réseaux", 0, 0, -1}}};
constexpr std::array<regle_brancheV3, 1> txtAccAutres = {{{.masque = kTextes, .lignes = s(lignesTxtAccAutres)}}};

// SansContrôles, TxtPropFdp
constexpr std::array<regle_ligne, 1> lignesSansControle = {{{L"Elément sans contrôle", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> sansControle = {{{.tousTypes = true, .lignes = s(lignesSansControle)}}};
constexpr std::array<regle_ligne, 1> lignesProprietaire = {{{L"Texte propriétaire de fond de plan", 0, -1, -1}}};
constexpr std::array<regle_brancheV3, 1> proprietaire = {{{.masque = kTextes, .lignes = s(lignesProprietaire)}}};

constexpr std::array<regle_slotV3, 26> livre = {{
    {L"CellulesEchanges", s(echanges)},
    {L"RACSEC+txt", s(racsec)},
    {L"PolygoneDécoupe", s(decoupe)},
    {L"Limites et Hydro", s(limites)},
    {L"Bois-Taillis", s(taillis)},
    {L"Bâtiments", s(batiments)},
    {L"Routes", s(routes)},
    {L"Divers", s(divers)},
    {L"Spits+txt", s(spits)},
    {L"Axe de voie", s(axe)},
    {L"PtLambert+coord_", s(lambert)},
    {L"SymbolesFixes", s(symboles)},
    {L"RéseauEau+txt", s(eau)},
    {L"RésAssain+txt", s(assainissement)},
    {L"RésTélécom+txt", s(telecom)},
    {L"RéseauElec+txt", s(electricite)},
    {L"RéseauGaz+txt", s(gaz)},
    {L"AutresRés+txt", s(autres)},
    {L"AccAffleurElec", s(accElec)},
    {L"TxtAccAffElec", s(txtAccElec)},
    {L"AccAffleurGaz", s(accGaz)},
    {L"TxtAccAffGaz", s(txtAccGaz)},
    {L"AccAffleurAutRes", s(accAutres)},
    {L"TxtAccAffAutRes", s(txtAccAutres)},
    {L"SansContrôles", s(sansControle)},
    {L"TxtPropFdp", s(proprietaire)},
}};

}  // namespace

std::span<const regle_slotV3> regle_livreFdpV3() { return livre; }
