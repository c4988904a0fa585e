#pragma once
// The title-block stage run on plans written in code, as the driver runs it: a file set built in
// a folder, its existing files opened, the stage, the files closed. Dates are checked against a
// fixed clock (1 June 2026).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture.h"
#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplanfichiers.h"

namespace harnais {

struct Passage {
  std::int32_t resultat = 0;
  std::vector<vererreur> erreurs;
  verplanfichiers fichiers;  // after the stage; its models are closed

  std::vector<std::uint32_t> codes() const;
  std::vector<std::wstring> complements() const;
};

// The title-block stage (etape_cartouche) over the plan `nom` of that kind and version in
// `repertoire`, with the context's projections.
Passage passer(const vercontexte& contexte, const std::wstring& repertoire, const std::wstring& nom, std::int32_t type,
               std::int32_t version);

// The statuses the per-plan driver leaves for the plan `nom` of the context's Livre directory.
std::array<std::int32_t, 6> piloter(vercontexte& contexte, const std::wstring& nom, std::int32_t type,
                                    drapeauxVerification drapeaux = 0);

// Moves an element of a built file by `deplacement` (UORs).
void deplacer(host::fixture::DesignBuilder& fichier, host::ElementId id, const host::Point3d& deplacement);

// A test folder of its own (under the test's working folder), the parameter folder read into the
// context, the clock fixed; the clock is freed and no work file may be left open at the end.
class Cartouche : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::wstring dossier(const std::wstring& sous = L"") const;

  vercontexte contexte;
};

}  // namespace harnais
