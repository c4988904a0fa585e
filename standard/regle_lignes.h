#pragma once
// Rule rows as the rule books write them, and the trial of a slot's rows against one element:
// each row is built for the plan's scale class, compared with the element, and the best result
// kept; the rows left are skipped once the best has no code.
#include <cstdint>
#include <span>
#include <string_view>

#include "standard/element_symbologie.h"
#include "standard/verelement.h"

// Which text template a row takes.
enum class regle_gabarit : std::uint8_t { simple, petit };

// One row: label, colour, weight and line-style number (-1 not compared), line-style name ("~"
// not compared), template, cell scale (0 not compared, -1.0 the standard scale, else as it is).
// An italic row has its font replaced by "ITALICS" once built.
struct regle_ligne {
  std::wstring_view libelle;
  std::int32_t couleur = -1;
  std::int32_t epaisseur = -1;
  std::int32_t style = -1;
  std::wstring_view nomStyle = L"~";
  regle_gabarit gabarit = regle_gabarit::simple;
  double echelleCellule = 0.0;
  bool italique = false;
};

// The text templates of a book at their 1:200 sizes: the plain one (font and sizes not
// compared) and the small one.
struct regle_gabarits {
  versymbologie simple;
  versymbologie petit;
};

// How the results of the rows are kept: the best of them, or the last one tried.
enum class regle_essai : std::uint8_t { meilleur, dernier };

// The row built for the scale class.
versymbologie regle_construireLigne(const regle_ligne& ligne, const regle_gabarits& gabarits,
                                    std::int32_t classeEchelle);

// Tries the rows in order against the actual symbology, into `resultat`; stops as soon as the
// kept result has no code. With regle_essai::dernier each row's result replaces the kept one.
void regle_essayerLignes(vercomparaison& resultat, const versymbologie& actuelle, std::span<const regle_ligne> lignes,
                         const regle_gabarits& gabarits, std::int32_t classeEchelle,
                         regle_essai essai = regle_essai::meilleur);

// The last step of a book: an element without code takes the result's code, an element without
// category the result's label.
void regle_etapeFinale(verelement& element, const vercomparaison& resultat);
