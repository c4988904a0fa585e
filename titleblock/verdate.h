#pragma once
// A date of a title-block field, parsed.
#include <cstdint>

struct verdate {
  bool valide = false;   // the text gave a date
  bool absente = false;  // the text was empty
  std::int32_t jour = 0;
  std::int32_t mois = 0;
  std::int32_t annee = 0;
  std::int32_t cle = 0;  // (annee * 100 + mois) * 100 + jour, so that dates compare as integers; 0 when not valid
};
