#include "networks/vertolerances.h"

#include <numbers>

namespace {

// The defaults in the units the standard gives them: an angle in degrees is marked.
struct defaut {
  double valeur;
  bool degres = false;
};

constexpr std::array<defaut, 24> defauts = {{
    {100.0},       {1000.0}, {50.0},  {3.0, true}, {5.0, true},   {10.0},   {50.0},   {1.0},
    {10.0},        {5.0},    {100.0}, {1.0},       {2.0},         {300.0},  {5.0, true}, {2.0},
    {1000.0},      {5.0},    {20.0},  {5.0, true}, {100.0},       {30.0, true}, {10000.0}, {5.0, true},
}};

}  // namespace

vertolerances& tol_initialiser(vertolerances& tolerances) {
  for (std::size_t i = 0; i < defauts.size(); ++i)
    tolerances[i] = defauts[i].degres ? defauts[i].valeur * (std::numbers::pi / 180.0) : defauts[i].valeur;
  return tolerances;
}
