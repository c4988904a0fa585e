#pragma once
// The rules of the network classifier as data: for each standard and theme, the eight-level groups
// of the three-file standard and the levels with an outcome of their own. niv_classement.cpp
// walks these rows; a rule needing more than a network, content and state names its particular
// treatment (`niv_regle`), which the classifier applies.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// Marks of the rows' values that the element decides.
inline constexpr std::uint32_t niv_reseauParCouleur = 0;           // gas service connections: 2 → 64, 11 → 128, 12 → 256
inline constexpr std::uint32_t niv_contenuParType = 0;             // a cell 2, a text or text node 4, any other type 1
inline constexpr std::uint32_t niv_etatParCouleur = 0xFFFFFFFF;    // dimensions: 16384, or 32768 in colour 0

// What a row does beyond setting its network, content and state.
enum class niv_regle : std::uint8_t {
  aucune,
  styleBranchtV3,    // CâblesBrancht: state from the line-style name
  styleBTV3,         // CâblesBT: state and NI mark from the line-style name
  incertainBTV3,     // RésIncertainBT: NI mark from the line-style name
  styleHTAV3,        // CâblesHTA: state, NI mark, and the HTB class from the colour
  incertainHTAV3,    // RésIncertainHTA: NI mark, and the HTB class
  classeHtb,         // the HTB class from the colour
  abandonEle,        // RéseauAbandonnéEle: lines of weight 4 are HTA, of weight 0 service connections
  protection,        // colour 6 only; the line style "ST_PROT_TERRE" makes earthing (32, no protection network)
  couleur6,          // colour 6 only
  couleur21,         // colour 21 only
  textes,            // texts (17) and text nodes (7) only
  texte17,           // texts (17) only
  cellulesElec,      // cells (2) named in niv_cellulesElec only
  cellulesGaz,       // cells (2) named in niv_cellulesGaz only
  reseauV2,          // a cell (2) is an accessory (content 2), any other type a line (content 1)
  reseauHTAV2,       // as reseauV2, with the HTB class from the colour
  texteAbandonV2,    // state 8 in colour 0
  texteHTAV2,        // state 8 in colour 0, else the HTB class from the colour
  abandonGazV2,      // a cell 2, a text (17) 4, a dimension, any other type a line (512 in weight 0)
};

// A level with its outcome.
struct niv_ligne {
  std::wstring_view niveau;
  std::uint32_t reseau;       // a network bit, or niv_reseauParCouleur
  std::uint32_t contenu;      // 1, 2, 4, 8, or niv_contenuParType
  std::uint32_t etat;         // the state, or niv_etatParCouleur
  std::uint8_t branchement = 0;
  std::uint32_t protection = 0;
  niv_regle regle = niv_regle::aucune;
};

// Eight levels of one network of the three-file standard, in the order cable, non-flush
// accessory, flush accessory, cable text, non-flush accessory text, flush accessory text,
// dimension, uncertain network (empty where the network has no such level).
struct niv_groupeClassement {
  std::uint32_t reseau;       // a network bit, or niv_reseauParCouleur
  std::uint8_t branchement;
  std::array<std::wstring_view, 8> niveaux;
};

// A level of a group whose outcome the element refines.
struct niv_exception {
  std::wstring_view niveau;
  niv_regle regle;
};

// The rows of one standard and theme. Level names are distinct within a section and across the
// sections that one classification walks.
struct niv_section {
  std::span<const niv_groupeClassement> groupes;
  std::span<const niv_ligne> lignes;
  std::span<const niv_exception> exceptions;
};

// Content and state of the eight positions of a group.
struct niv_issue {
  std::uint32_t contenu;
  std::uint32_t etat;
};
extern const std::array<niv_issue, 8> niv_issuesGroupe;

// Three-file standard (version 2), by theme mask: 62, 1984 or 6144.
const niv_section& niv_sectionV3(std::uint32_t theme);
// One-file standard (version 1): the levels whatever the theme, then those of theme 62 and 1984.
const niv_section& niv_sectionV2Commune();
const niv_section& niv_sectionV2(std::uint32_t theme);

// Cell names of the one-file SymbolesFixes level, per theme.
extern const std::array<std::wstring_view, 3> niv_cellulesElec;
extern const std::array<std::wstring_view, 8> niv_cellulesGaz;
