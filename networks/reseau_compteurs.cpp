#include "networks/reseau_compteurs.h"

#include <atomic>

#include "toolbox/stb_dgn.h"

namespace {

std::atomic<std::uint64_t> recherchesNoeud{0};
std::atomic<std::uint64_t> scans{0};
std::atomic<std::uint64_t> questionsVoisins{0};

}  // namespace

res_compteurs res_lireCompteurs() { return {recherchesNoeud.load(), scans.load(), questionsVoisins.load()}; }

void res_remettreCompteurs() {
  recherchesNoeud = 0;
  scans = 0;
  questionsVoisins = 0;
}

void res_compterRechercheNoeud() { ++recherchesNoeud; }
void res_compterQuestionVoisin() { ++questionsVoisins; }

void res_scanner(std::vector<host::ElementId>& elements, host::ScanCriteria& criteres, host::ModelRef modele) {
  ++scans;
  stbDgn_scanner(elements, criteres, modele);
}

void res_scannerAutour(std::vector<host::ElementId>& elements, std::vector<int> types, const host::Point3d& point,
                       double portee, host::ModelRef modele) {
  host::ScanCriteria criteres;
  criteres.types = std::move(types);
  host::Range3d plage;
  criteres.range = stbGeom_plageAutourPoint(plage, point, portee);
  res_scanner(elements, criteres, modele);
}
