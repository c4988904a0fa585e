#pragma once
// The symbology record: what an element carries, what the drawing standard expects of it, and
// what the system gives to elements it draws. Every item has a "not checked, not set" value, so
// one record serves as a reading, as a pattern with wildcards and as a partial list of
// properties to apply.
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "host/element_handle.h"
#include "host/geom_types.h"

// The host's tolerance on lengths and scales.
constexpr double fc_epsilon = 0.00001;
// The host's chord tolerance when curves are stroked into points, UORs.
constexpr double fc_1 = 1.0;

struct versymbologie {
  std::wstring libelle;                       // name of a rule row or of a drawn object
  std::wstring nomNiveau;                     // "" = not checked
  std::uint32_t idNiveau = 0xFFFFFFFF;
  std::int32_t type = -1;                     // host element type
  std::uint32_t couleur = 0xFFFFFFFF;
  std::uint32_t epaisseur = 0xFFFFFFFF;
  std::int32_t style = -1;                    // line-style number
  std::wstring nomStyle = L"~";
  double largeurStyle = 0.0;                  // start and end width of the line style; 0 = none
  double echelleStyle = 0.0;                  // line-style scale; 0 = none
  std::uint32_t couleurRemplissage = 0xFFFFFFFF;
  std::int32_t priorite = -999;               // display priority
  std::int32_t modeZone = -1;                 // 1 hole, 0 solid
  std::int32_t classe = -1;
  double transparence = -1.0;                 // negative = not set
  std::wstring police = L"~";
  double hauteurTexte = -9999.0;              // master units
  double largeurTexte = -9999.0;              // master units
  double interligne = -9999.0;                // master units
  std::uint32_t souligne = 0;                 // 1 when the first text part is underlined
  std::uint32_t justification = 127;          // 127 = not set
  double angle = -9999.0;                     // radians, of a text or a cell
  std::wstring texte;                         // "" = not set
  std::wstring nomCellule = L"~";
  host::Point3d echelleCellule{0.0, 0.0, 0.0};  // 0 = not checked
  double espacementMotif1 = 0.0;              // hatch spacing, master units; 0 = no pattern
  double espacementMotif2 = 0.0;              // cross-hatch spacing; 0 = none
  double angleMotif1 = 0.0;                   // radians
  double angleMotif2 = 0.0;                   // radians

  friend bool operator==(const versymbologie&, const versymbologie&) = default;
};

// Reads a drawn element into a complete record; items the element lacks keep their defaults.
void stbElem_lireSymbologie(versymbologie& symbologie, const host::ElementHandle& element, host::ModelRef modele);

// The level and line-style names of one model, each looked up once: a pass over every element of
// a model meets the same few levels and styles again and again. Valid while the model's level
// and line-style tables do not change.
class stbNomsSymbologie {
 public:
  explicit stbNomsSymbologie(host::ModelRef modele) : modele_(modele) {}
  host::ModelRef modele() const { return modele_; }
  // The level's name as the record keeps it (its first 511 characters); null for an unknown level.
  const std::wstring* niveau(std::uint32_t id);
  // The line style's name in the model's file; empty for the standard styles and unknown numbers.
  const std::wstring& style(std::int32_t numero);

 private:
  host::ModelRef modele_;
  std::unordered_map<std::uint32_t, std::optional<std::wstring>> niveaux_;
  std::unordered_map<std::int32_t, std::wstring> styles_;
};

// The same for an element read where it lies (a model's own or a component), with the names of
// `noms`'s model.
void stbElem_lireSymbologie(versymbologie& symbologie, const host::Element& element, stbNomsSymbologie& noms);

// Applies every set item of the record to the element held by the handle (its attribute linkages
// are removed first); the model is not written. 0, or 0x8000 when the handle holds no element.
int stbElem_appliquerSymbologie(host::ElementHandle& element, const versymbologie& symbologie, host::ModelRef modele);

// Rebuilds a text or text node as a text with the record's text properties (colour, sizes, line
// spacing, justification, angle, font and text where set; underline always). 0, or 0x8000 when
// the element is not a text with a first text part.
int stbElem_appliquerProprietesTexte(host::ElementHandle& element, host::ModelRef modele, const versymbologie& symbologie);
