// The cable checks of the topology stage whose bodies are not here yet: each reports nothing.
#include "networks/defauts_trace.h"
#include "networks/ordre_accessoires.h"

std::int32_t cable_controlerOrdreAccessoires(std::vector<vererreur>&, const verreseau&, const verfichier&,
                                             const verplaninfo&) {
  return 0;
}
std::int32_t cable_controlerBoutPendant(std::vector<vererreur>&, const verelement&, std::uint8_t, std::int32_t,
                                        const verreseau&, const verfichier&, host::ModelRef,
                                        const std::vector<host::ModelRef>&) {
  return 0;
}
std::int32_t cable_extremiteAnterieure(const versegment&, host::ModelRef) { return 0; }
std::int32_t cable_controlerAllerRetour(std::vector<vererreur>&, double, double, const verfichier&) { return 0; }
std::int32_t cable_controlerSommetsConfondus(std::vector<vererreur>&, double, const verfichier&) { return 0; }
std::int32_t cable_controlerCablesSuperposes(std::vector<vererreur>&, const verelement&, double, const verfichier&,
                                             const verplaninfo&) {
  return 0;
}
