#pragma once
// A design file built in code, saved under the test's folder and opened as a work file for the
// length of a test; closed on destruction.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/fixture/plan_fixture.h"
#include "engine/verplanfichiers.h"
#include "host/fixture/design_builder.h"
#include "host/model_ref.h"
#include "standard/element_table.h"

class ModeleOuvert {
 public:
  ModeleOuvert(const host::fixture::DesignBuilder& fichier, const std::wstring& nom) : chemin_(chemin(nom)) {
    if (!plan_fixture::sauver(fichier, chemin_) || host::openWorkFile(&modele_, nullptr, nullptr, chemin_, L"", true) != host::kSuccess)
      ADD_FAILURE() << "cannot save or open the model";
  }
  ModeleOuvert(const ModeleOuvert&) = delete;
  ModeleOuvert& operator=(const ModeleOuvert&) = delete;
  ~ModeleOuvert() {
    if (modele_) host::closeWorkFile(modele_);
  }
  host::ModelRef modele() const { return modele_; }
  const std::wstring& chemin() const { return chemin_; }

  // The current test's own folder (relative to the test's working folder), and a path there.
  static std::wstring dossier() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string d = std::string(info->test_suite_name()) + "/" + info->name();
    return std::wstring(d.begin(), d.end());
  }
  static std::wstring chemin(const std::wstring& nom) { return dossier() + L"/" + nom; }

 private:
  std::wstring chemin_;
  host::ModelRef modele_;
};

// The record of an existing file on the open model: its path and model, its element table built.
inline verfichier fichierDuModele(const ModeleOuvert& m) {
  verfichier f;
  f.existe = true;
  f.chemin = m.chemin();
  f.modele = m.modele();
  element_construireTable(f);
  return f;
}

// A file defining the names at the ids rank + 1, less those left out (their ids stay unused).
inline host::fixture::DesignBuilder fichierNiveaux(const std::vector<std::wstring>& noms,
                                                   const std::set<std::wstring>& sauf = {}) {
  host::fixture::DesignBuilder b;
  host::LevelId id = 1;
  for (const auto& n : noms) {
    if (!sauf.contains(n)) b.level(n, id);
    ++id;
  }
  return b;
}
