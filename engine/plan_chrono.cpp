#include "engine/plan_chrono.h"

#include <time.h>

namespace {

std::vector<plan_dureeEtape>& durees() {
  static std::vector<plan_dureeEtape> d;
  return d;
}

}  // namespace

double plan_tempsProcesseur() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

std::vector<plan_dureeEtape> plan_dureesEtapes() { return durees(); }

void plan_remettreDurees() { durees().clear(); }

void plan_chrono::marquer(const char* etape) {
  const double maintenant = plan_tempsProcesseur();
  const double s = maintenant - depuis_;
  depuis_ = maintenant;
  auto& d = durees();
  for (plan_dureeEtape& e : d)
    if (e.etape == etape) {
      e.secondes += s;
      ++e.fois;
      return;
    }
  d.push_back({etape, s, 1});
}
