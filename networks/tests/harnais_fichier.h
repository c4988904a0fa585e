#pragma once
// A network file written in code for the tests of the network checks: the levels of a one-file
// plan (type 1) or of a three-file plan's electricity file (type 2), elements added on levels
// named, then the file saved under the test's folder and opened as a work file for the rest of
// the test, with the plan record of the electricity theme over it and its element table, every
// element marked as one the verification examines.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/fixture/plan_fixture.h"
#include "engine/verplaninfo.h"
#include "host/fixture/design_builder.h"
#include "standard/tests/harnais_modele.h"

namespace harnais {

// Levels of the electricity file that the tests draw on.
inline const std::wstring kCablesBT = L"C\u00e2blesBT";
inline const std::wstring kTxtBT = L"TxtC\u00e2blesBT";
inline const std::wstring kTxtHTA = L"TxtC\u00e2blesHTA";
inline const std::wstring kDrapEle = L"Drap+TxtIndiffEle";

// A row of the cable topology. Plans delivered without their neighbours have border cables that
// end in the open (2061): tests of other checks leave these rows aside.
inline bool ligneTopologieCables(std::uint32_t code) { return code >= 2061 && code <= 2067; }

// The complement of a finding on graphic group g, as the tests expect it.
inline std::wstring groupe(std::uint32_t g) { return L"Num\u00e9ro groupe : " + std::to_wstring(g); }

// A finding as the tests compare it: its code, element and complement.
struct Trouve {
  std::uint32_t code;
  std::uint64_t id;
  std::wstring complement;
  friend bool operator==(const Trouve&, const Trouve&) = default;
  friend std::ostream& operator<<(std::ostream& o, const Trouve& t) {
    return o << t.code << "@" << t.id << " " << ::testing::PrintToString(t.complement);
  }
};

class FichierReseau {
 public:
  explicit FichierReseau(std::uint32_t type = 2, const std::wstring& nom = L"RESEAU") : type_(type), nom_(nom) {
    plan_fixture::definirNiveaux(b, type == 2 ? nom + L".EL2" : nom + L".DGN");
  }

  host::LevelId niveau(const std::wstring& nom) { return b.level(nom); }
  std::int32_t style(const std::wstring& nom) { return b.lineStyle(nom); }
  host::ElementId ajouter(const host::fixture::Spec& s) { return b.add(s); }
  // An element on the level of that name.
  host::ElementId ajouter(host::fixture::Spec s, const std::wstring& niveauNom) { return b.add(s.level(niveau(niveauNom))); }

  // A text node of these lines on that level and in that colour, its texts too (the host reads a
  // node's level and symbology from its first text).
  host::fixture::Spec noeudTexte(const std::vector<std::wstring>& lignes, const std::wstring& niveauNom,
                                 std::uint32_t couleur) {
    std::vector<host::fixture::Spec> textes;
    double y = 0;
    for (const std::wstring& l : lignes) {
      textes.push_back(host::fixture::text(l, {0, y, 0}).level(niveau(niveauNom)).colour(couleur));
      y -= 500;
    }
    return host::fixture::textNode(std::move(textes)).level(niveau(niveauNom)).colour(couleur);
  }

  // The file saved and opened (once); the plan record of the electricity theme over it.
  const verplaninfo& ouvrir() {
    if (!ouvert_) {
      ouvert_ = std::make_unique<ModeleOuvert>(b, nom_ + (type_ == 2 ? L".EL2" : L".DGN"));
      verplaninfo_construire(plan_);
      plan_.type = type_;
      plan_.version = 1;
      plan_.masqueTheme = plan_.masqueReseau = 62;
      plan_.modeleTheme = plan_.modelePrincipal = ouvert_->modele();
    }
    return plan_;
  }
  // The file record with its element table, every element examined (status 2).
  verfichier fichier() {
    ouvrir();
    verfichier f = fichierDuModele(*ouvert_);
    for (verelement& e : f.elements) e.etatControle = 2;
    return f;
  }
  host::ModelRef modele() { return ouvrir().modeleTheme; }

  host::fixture::DesignBuilder b;

 private:
  std::uint32_t type_;
  std::wstring nom_;
  std::unique_ptr<ModeleOuvert> ouvert_;
  verplaninfo plan_;
};

}  // namespace harnais
