#pragma once
// The application's small XML reader: enough for the GML text that the application itself puts on
// the clipboard. Elements, attributes in double quotes, one text per element and the five
// predefined entities; no namespaces (a prefixed name is an ordinary name), no CDATA, no
// character references, no processing instruction but the declaration, which is skipped. Line
// breaks inside a text or a tag are dropped. Every input is treated as hostile: any fault is the
// result 0x8000, never a crash.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct StbXmlAttribut {
  std::wstring nom;
  std::wstring valeur;  // entities decoded
};

struct StbXmlNoeud {
  std::int32_t niveau = -1;  // depth, 0 for a root; -1 not yet set
  std::wstring nom;
  std::wstring cle;    // the ancestors' names from the root down to the parent, joined by "|"
  std::wstring texte;  // trimmed, entities decoded; empty when the element has none
  std::vector<StbXmlAttribut> attributs;  // in the order written
  std::int32_t parent = -1;               // -1 for a root
  std::vector<std::int32_t> enfants;      // in document order, filled at the end of a good load
};

// The tokenizer's state between two tokens.
struct StbXmlJeton {
  bool erreur = false;
  std::wstring ligne;              // the current line
  std::int32_t numeroLigne = 0;    // lines taken so far: the 1-based number of the current line
  std::int32_t colonne = -1;       // next position in the line; -1 when the next line must be taken
  bool dansBalise = false;         // a "<" was read and its ">" not yet
  bool fin = false;                // end of input reached
  std::int32_t type = 0;           // 1 start tag, 2 end tag, 3 text, 4 self-closing tag
  std::wstring texte;
  bool estBalise = false;          // the token began inside a tag
};

// One document per load; the caller creates it empty.
struct StbXml {
  static constexpr std::size_t kProfondeurMax = 21;  // elements open at once (depths 0 to 20)

  std::wstring chemin;  // the file read when no lines are given
  std::vector<StbXmlNoeud> noeuds;  // in the order of their start tags
  std::int32_t niveau = -1;         // depth of the element open now, -1 when none
  std::array<std::int32_t, kProfondeurMax> pile{};  // index in noeuds of the open element at each depth
  bool referenceSignalee = false;  // this load has shown its character-reference message

  // Reads the lines, or the file `chemin` (ISO 8859-1) when the list is empty: 0, or 0x8000.
  // A refused document keeps what was read so far and is of no further use. Nesting deeper than
  // kProfondeurMax is refused. The failure messages are built but not shown; character
  // references add "Erreur de lecture dans StbXml" to the message list once per load, and the
  // load goes on.
  static std::int32_t charger(StbXml& document, const std::vector<std::wstring>& lignes);

  // Index of the first node whose name equals nom, letter case ignored; -1 when none.
  static std::int32_t chercherNoeud(const std::wstring& nom, const StbXml& document);

  // Index of the node's first attribute whose name equals nom, letter case ignored; -1 when none.
  static std::int32_t chercherAttribut(const std::wstring& nom, const StbXmlNoeud& noeud);

  // The steps of a load, in the order they run.
  // Next token of the lines into jeton (erreur set on a fault, fin at the end of input).
  static void lireJeton(StbXmlJeton& jeton, const std::vector<std::wstring>& lignes);
  // Applies a token to the document: 0, or 0x8000.
  static std::int32_t traiterJeton(StbXml& document, const StbXmlJeton& jeton);
  // Splits a tag's text into the node's name and attributes: 0, or 0x8000. `reference` is set
  // when a value held a character reference.
  static std::int32_t lireAttributs(StbXmlNoeud& noeud, const std::wstring& balise, bool& reference);
  // Decodes the five entities in place; other entities are dropped. True when a character
  // reference was among them (the caller tells the user).
  static bool decoderEntites(std::wstring& texte);
  // Sets the missing depths and fills every node's children.
  static void lierNoeuds(StbXml& document);
};
