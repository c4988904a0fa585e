#pragma once
// One substation of a plan's electricity file: its outline, the text grouped with it and what
// the text says, and the node cells on the outline with the network line under each.
#include <cstdint>
#include <string>
#include <vector>

// Kind of a substation by the start of its text.
enum typePoste : std::uint32_t {
  posteAucun = 0,
  posteSimple = 1,        // "POSTE"
  posteSource = 2,        // "POSTE SOURCE"
  posteAutoTransfo = 3,   // "AUTO-TRANSFO"
};

// A new record holds these defaults; the reserved fields are read by no check and keep them.
struct verposte {
  std::uint64_t idElement = 0;   // the outline
  std::uint64_t texte = 0;       // the group's text; 0 none
  std::uint32_t groupe = 0;      // graphic group of the outline; 0 none
  std::uint32_t type = posteAucun;
  std::wstring nom;
  std::wstring numero;
  std::int32_t reserve1 = -1;
  std::int32_t reserve2 = -1;
  std::wstring chaine;           // the whole text
  std::vector<std::uint64_t> noeudsBT;
  std::vector<std::uint64_t> noeudsHTA;
  std::vector<std::uint64_t> lignesBT;   // for each BT node, in order, the BT line under it; 0 none
  std::vector<std::uint64_t> lignesHTA;
};
