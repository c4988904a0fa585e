#pragma once
// The error table: every code a check may add, with its main message and its level.
#include <cstdint>
#include <span>

struct erreur_ligneTable {
  std::uint32_t code;
  std::uint32_t niveauPlanUnique;  // level when the file is a one-file plan's file
  std::uint32_t niveauAutre;       // level for every other file
  const wchar_t* message;
};

// The 79 rows, sorted by code.
std::span<const erreur_ligneTable> erreur_table();

// The row of a code, or null for a code outside the table.
const erreur_ligneTable* erreur_chercherLigne(std::uint32_t code);
