#pragma once
// Processor time spent in each stage of the per-plan driver and of the list verification, summed
// since the last reset, for the benchmarks (the processor time of the calling thread: what a stage
// costs whatever else the machine runs). Costs a clock read a stage; nothing else depends on it.
#include <cstdint>
#include <string>
#include <vector>

struct plan_dureeEtape {
  std::string etape;      // the stage's operation, as the driver names it
  double secondes = 0.0;  // summed over every plan
  std::uint64_t fois = 0;
};

// The stages met since the last reset, in the order they were first met.
std::vector<plan_dureeEtape> plan_dureesEtapes();
void plan_remettreDurees();

// The calling thread's processor time, in seconds.
double plan_tempsProcesseur();

// Marks the end of each stage in turn: `marquer` adds the time since the previous mark (or the
// construction) to that stage.
class plan_chrono {
 public:
  plan_chrono() : depuis_(plan_tempsProcesseur()) {}
  void marquer(const char* etape);

 private:
  double depuis_;
};
