#pragma once
// The network classification of one drawn element by its level, as the classifier fills it.
#include <cstdint>

struct verclassement {
  std::uint64_t idElement = 0;
  // One natureReseau bit (standard/niv_reseaux.h); 62 for a flag text common to the electricity
  // networks; 0 not classified.
  std::uint32_t reseau = 0;
  std::uint32_t contenu = 0;      // one contenuNiveau bit (standard/niv_reseaux.h); 0 none
  std::uint8_t branchement = 0;   // 1 when the object belongs to a service connection
  std::uint8_t ni = 0;            // 1 when a cable's line style is an NI style
  std::uint32_t protection = 0;   // protection objects of the electricity file: 2 BT, 4 HTA
  std::uint32_t un = 1;           // always 1
  std::uint32_t classeHta = 0;    // HTA drawn in an HTB colour: 1 (149), 2 (38), 3 (63), 4 (146)
  // The etatReseau values (standard/niv_reseaux.h). Lines: 1 class A, 2 class B, 4 class C,
  // 8 abandoned. Accessories and texts: 2048 flush, 4096 non-flush, 1024 cable text, 8 abandoned.
  // Dimensions: 16384 surveyed, 32768 not, 8 abandoned.
  std::uint32_t etat = 0;
};
