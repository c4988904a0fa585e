// The required-level lists, made from the catalogues' slots in the standard's checking order and
// the numbered levels of the three-file background and other-networks files.
#include <array>

#include "standard/ctrl_niveaux.h"
#include "standard/niv_catalogues.h"

namespace {

template <std::size_t N, typename Slots>
std::vector<std::wstring> liste(const std::array<std::wstring_view, N>& catalogue, const Slots& slots,
                                int premierNumero = 0, int dernierNumero = -1) {
  std::vector<std::wstring> noms;
  for (const std::size_t s : slots) noms.emplace_back(catalogue.at(s));
  for (int n = premierNumero; n <= dernierNumero; ++n) noms.push_back(std::to_wstring(n));
  return noms;
}

template <std::size_t N>
std::array<std::size_t, N> premiers() {
  std::array<std::size_t, N> slots{};
  for (std::size_t i = 0; i < N; ++i) slots[i] = i;
  return slots;
}

}  // namespace

const std::vector<std::wstring>& ctrl_listeNiveaux(std::uint32_t role) {
  // One-file plan: slots 0 to 57 ("Axe de voie" and the gas slots are not required).
  static const std::vector<std::wstring> planUnique = liste(niv_catalogueV2(), premiers<58>());
  // Background file: the 29 names in the standard's order, then "21" to "54".
  static const std::vector<std::wstring> fond =
      liste(niv_catalogueFdp(),
            std::array<std::size_t, 29>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                        15, 16, 17, 18, 19, 20, 21, 25, 22, 23, 27, 26, 24, 28},
            21, 54);
  static const std::vector<std::wstring> electricite = liste(niv_catalogueEle(), premiers<63>());
  // Other networks: the 26 names in the standard's order, then "23" to "59".
  static const std::vector<std::wstring> autres =
      liste(niv_catalogueAut(),
            std::array<std::size_t, 26>{18, 19, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                        11, 12, 13, 14, 15, 16, 17, 20, 21, 24, 22, 23, 25},
            23, 59);
  static const std::vector<std::wstring> aucune;
  switch (role) {
    case rolePlanUnique: return planUnique;
    case roleFond: return fond;
    case roleElectricite: return electricite;
    case roleAutres: return autres;
    default: return aucune;
  }
}
