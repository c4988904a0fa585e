#pragma once
// One text of a graphic group of network elements, as the flag collector reads it.
#include <cstdint>
#include <string>

struct vertextereseau {
  std::uint64_t element = 0;   // element id of the text or text node
  std::uint32_t reseau = 0;    // network bit of the text's classification; 0 none
  std::uint32_t utilisable = 0;  // 1 network text (first word names a network), 2 value text, 0 neither
  std::wstring texte;          // the text's string as read
  std::uint32_t etat = 0;      // state of the text's classification; 8 abandoned
};
