#include "toolbox/stb_date.h"

#include <ctime>
#include <vector>

#include "host/clock.h"
#include "toolbox/stb_str.h"

const std::wstring& stbDate_maintenant(std::wstring& sortie, const std::string& format) {
  sortie.clear();
  try {
    const std::tm local = host::clock::now();
    char tampon[80] = {0};
    if (std::strftime(tampon, sizeof tampon, format.c_str(), &local) == 0) tampon[0] = 0;
    stbStr_versLarge(sortie, tampon);
  } catch (...) {
    sortie.clear();
  }
  return sortie;
}

namespace {

// Compares two texts of three fields cut at separateur, most significant field at `ordre`.
// 0 when either is empty or not of three fields, or when they are equal.
int comparerChamps(const std::wstring& a, const std::wstring& b, const wchar_t* separateur, const int (&ordre)[3]) {
  if (a.empty() || b.empty()) return 0;
  std::vector<std::wstring> ca, cb;
  stbStr_decouper(ca, a, separateur);
  stbStr_decouper(cb, b, separateur);
  if (ca.size() != 3 || cb.size() != 3) return 0;
  for (int i : ordre) {
    const int x = stbStr_versEntier(ca[i]), y = stbStr_versEntier(cb[i]);
    if (x != y) return x > y ? 1 : -1;
  }
  return 0;
}

}  // namespace

int stbDate_comparer(std::wstring date1, std::wstring date2, std::wstring heure1, std::wstring heure2) {
  static const int anneeMoisJour[3] = {2, 1, 0};
  static const int heureMinuteSeconde[3] = {0, 1, 2};
  if (const int r = comparerChamps(date1, date2, L"/", anneeMoisJour)) return r;
  return comparerChamps(heure1, heure2, L":", heureMinuteSeconde);
}
