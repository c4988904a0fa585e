#pragma once
// What the network graph asks of the host, counted since the start or the last reset: the figures
// of the graph's benchmark.
#include <cstdint>
#include <vector>

#include "host/design_file.h"
#include "host/model_ref.h"

struct res_compteurs {
  std::uint64_t recherchesNoeud = 0;   // node look-ups of a piece end
  std::uint64_t scans = 0;             // host scans
  std::uint64_t questionsVoisins = 0;  // searches of a piece end in one neighbour's file
};

res_compteurs res_lireCompteurs();
void res_remettreCompteurs();

void res_compterRechercheNoeud();
void res_compterQuestionVoisin();

// stbDgn_scanner, counted.
void res_scanner(std::vector<host::ElementId>& elements, host::ScanCriteria& criteres, host::ModelRef modele);

// The scan of the elements of the given types whose range meets the point's range grown by
// `portee` UORs (z ignored), counted.
void res_scannerAutour(std::vector<host::ElementId>& elements, std::vector<int> types, const host::Point3d& point,
                       double portee, host::ModelRef modele);
