#pragma once
// The rows of a rule book as data, and the trial that every book makes of them: each row tried
// in order is built for the plan's scale class, compared with the element's actual symbology and
// the better result kept, until the best one has no code; then the final step that gives the
// element the best result's code and label. The children rows of the cells whose components are
// checked one by one.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "host/model_ref.h"
#include "standard/element_symbologie.h"
#include "standard/verelement.h"

// Which text template a row takes: the plain one (font and sizes not checked) or the small one.
enum class regle_gabarit : std::uint8_t { simple, petit };

// The element types a row is tried for: every type (mask 0), the types a type mask admits, or
// with `sauf` the types it refuses.
struct regle_condition {
  std::uint8_t masque = 0;
  bool sauf = false;
};

// One row as the books write it: -1 and "~" are not checked; a cell scale of 0 is not checked,
// -1.0 is the standard's 2.0 (5.0 at 1:500).
struct regle_ligne {
  std::wstring_view libelle;
  std::int32_t couleur;
  std::int32_t epaisseur;
  std::int32_t style;
  std::wstring_view nomStyle;
  regle_gabarit gabarit;
  double echelleCellule;
  regle_condition condition;
  bool italique;  // the built row's font becomes "ITALICS" (three-file books)

  constexpr regle_ligne(std::wstring_view libelle_, std::int32_t couleur_, std::int32_t epaisseur_, std::int32_t style_,
                        std::wstring_view nomStyle_ = L"~", regle_gabarit gabarit_ = regle_gabarit::simple,
                        double echelleCellule_ = 0.0, regle_condition condition_ = {}, bool italique_ = false)
      : libelle(libelle_), couleur(couleur_), epaisseur(epaisseur_), style(style_), nomStyle(nomStyle_),
        gabarit(gabarit_), echelleCellule(echelleCellule_), condition(condition_), italique(italique_) {}
};

// One component of a cell checked one by one: type, colour, weight and line-style number, all
// compared exactly.
struct regle_enfant {
  std::int32_t type = 0;
  std::int32_t couleur = 0;
  std::int32_t epaisseur = 0;
  std::int32_t style = 0;
};

// The two text templates of a standard, at their 1:200 sizes.
struct regle_gabarits {
  versymbologie simple;
  versymbologie petit;
};

// Whether a row is tried for an element of that type.
bool regle_ligneEssayee(const regle_ligne& ligne, std::int32_t type);

// The expected symbology of a row for the scale class.
versymbologie regle_construireLigne(const regle_ligne& ligne, const regle_gabarits& gabarits, std::int32_t classeEchelle);

// The rows tried in order on the actual symbology (those whose condition leaves its type out
// are skipped), stopping as soon as the best result has no code. Unset (matches -1) when no row
// was tried.
vercomparaison regle_essayerLignes(const versymbologie& actuelle, std::span<const regle_ligne> lignes,
                                   const regle_gabarits& gabarits, std::int32_t classeEchelle);

// The final step: an element without code takes the best result's code, an element without
// category label its label.
void regle_etapeFinale(verelement& element, const vercomparaison& meilleur);

// The element's components against the children rows (element_controlerEnfants): 0 or 0x8000.
std::uint32_t regle_controlerEnfants(const verelement& element, host::ModelRef modele,
                                     std::span<const regle_enfant> enfants);
