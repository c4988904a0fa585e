#pragma once
// A reviewed folder: the demo folder set up by the library, with errors and comparison results
// written to its CSV reports as the library writes them and read back by the recovery, so that
// the errors and description dialogs have a last verification to show. The working drawing is
// the prototype with a level of id 64, open as the active file; the summary dialog is open.
//
// Plans and what they carry:
// - the one-file plan 44010450.109: errors on a line, a text and a cell, on the elements with ids
//   3000000001 and 4294967297 (two lines added to the delivered file), one without element, one
//   without position (written "0.000;0.000"), one on an id its file lacks; comparison results
//   adding each kind of the label table and types 15 and 35 from the delivered file, removing the
//   same from the previous version, and records of statuses 1, 5 and 6;
// - the three-file plan QRL-...-D-24: one error in each of its FP2, EL2 and AR2 files, and a line
//   of id 7000000007 added to its EL2 file (an id its FP2 file lacks);
//   comparison records of status 1 only;
// - the lower-case plan qrl-...-d-25: verified, no error and no comparison result.
#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

#include "application/dossier_ouvrir.h"
#include "application/tests/bilan_fixture.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/rapport.h"
#include "host/completion_bar.h"
#include "host/design_file.h"
#include "host/locate.h"
#include "host/tools.h"
#include "host/transients.h"
#include "toolbox/stb_str.h"

namespace revue_fixture {

namespace fs = boost::filesystem;
namespace pf = plan_fixture;

inline constexpr host::ElementId kIdGrand = 3000000001ULL;
inline constexpr host::ElementId kIdTresGrand = 4294967297ULL;
inline constexpr host::ElementId kIdEl2 = 7000000007ULL;  // a line of the three-file plan's EL2 only
inline constexpr double kUorParMaitre = 1000.0;
inline constexpr const wchar_t* kNomSansErreur = L"QRL-47-00193-01246-03-D-25";

// Element ids picked in the files of the folder.
struct Ids {
  host::ElementId ligne = 0, texte = 0, cellule = 0;  // delivered one-file plan
  host::ElementId absent = 0;                         // an id that file lacks
  host::ElementId fp2 = 0, el2 = 0, ar2 = 0;          // delivered three-file plan
  std::map<int, host::ElementId> ajoutes;             // type -> delivered one-file element
  std::map<int, host::ElementId> supprimes;           // type -> previous one-file element
  host::ElementId commun = 0;  // an id in both one-file versions, removed from the previous one
};

// Writes the demo under `racine`, adds the two lines with large ids, has the library set the
// folder up into `dossier`, and writes the last verification's CSV reports; the errors and
// comparison results stay in `dossier`'s plans. The ids picked go to `ids`.
void ecrireRevue(const fs::path& racine, pf::CheminsDemo& chemins, verdossier& dossier, Ids& ids);

class DossierRevu : public bilan_fixture::ApplicationEnProcessus {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite() {
    boost::system::error_code ec;
    fs::remove_all(racine(), ec);
  }
  void SetUp() override;
  void TearDown() override {
    host::tools::startDefaultCommand();
    host::transients::clear();
    host::locate::clearHilite();
    host::selection::freeAll();
    ApplicationEnProcessus::TearDown();
  }

  static fs::path& racine() {
    static fs::path r;
    return r;
  }
  static verdossier& revu() {
    static verdossier d;
    return d;
  }
  static Ids& ids() {
    static Ids i;
    return i;
  }
  static pf::CheminsDemo& chemins() {
    static pf::CheminsDemo c;
    return c;
  }
  static std::int32_t indexDe(const std::wstring& nom) {
    for (std::size_t i = 0; i < revu().plans.size(); ++i)
      if (stbStr_comparer(revu().plans[i].nom, nom, false) == 0) return static_cast<std::int32_t>(i);
    ADD_FAILURE() << "plan absent";
    return -1;
  }
  static std::int32_t unique() { return indexDe(pf::demoPropreUnique); }
  static std::int32_t trois() { return indexDe(pf::demoPropreTrois); }
  static std::int32_t sansErreur() { return indexDe(kNomSansErreur); }
  // Path of a delivered or previous file.
  static std::wstring livre(const std::wstring& fichier) { return revu().repLivre + fichier; }
  static std::wstring origine(const std::wstring& fichier) { return revu().repOrigine + fichier; }
  // The active model's reference of that file with that prefix, or none.
  static host::ModelRef reference(const std::wstring& chemin, const std::wstring& prefixe);
  // Logical names of the active model's references, in attachment order.
  static std::vector<std::wstring> nomsReferences();
};

}  // namespace revue_fixture
