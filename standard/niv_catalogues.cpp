#include "standard/niv_catalogues.h"

#include <string>

namespace {

std::uint32_t idNiveau(host::ModelRef modele, std::wstring_view nom) {
  try {
    return host::levelIdFromName(modele, std::wstring(nom)).value_or(0);
  } catch (...) {
    return 0;
  }
}

template <std::size_t N>
void resoudre(std::array<std::uint32_t, N>& ids, const std::array<std::wstring_view, N>& noms, host::ModelRef modele) {
  for (std::size_t i = 0; i < N; ++i) ids[i] = idNiveau(modele, noms[i]);
}

}  // namespace

void niv_tableV2(verniveauxv2& table, host::ModelRef modele) {
  resoudre(table.id, niv_catalogueV2(), modele);
  // The one fallback of the catalogues: a file without "CotesFourreaux" may hold the level "58".
  if (table.id[niv_slotCotesFourreaux] == 0) table.id[niv_slotCotesFourreaux] = idNiveau(modele, L"58");
}

void niv_tableFdpV3(verniveauxfdp& table, host::ModelRef modele) { resoudre(table.id, niv_catalogueFdp(), modele); }
void niv_tableElecV3(verniveauxele& table, host::ModelRef modele) { resoudre(table.id, niv_catalogueEle(), modele); }
void niv_tableGazV3(verniveauxgaz& table, host::ModelRef modele) { resoudre(table.id, niv_catalogueGaz(), modele); }
void niv_tableAutreV3(verniveauxaut& table, host::ModelRef modele) { resoudre(table.id, niv_catalogueAut(), modele); }
