#pragma once
// The cable checks' tests: a network file opened with its graph and its element table, chosen
// elements made new (status 2), the checks run in the stage's order, and their rows read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <compare>
#include <ostream>
#include <vector>

#include "networks/defauts_trace.h"
#include "networks/ordre_accessoires.h"
#include "networks/tests/harnais_reseau.h"
#include "standard/element_table.h"
#include "standard/niv_reseaux.h"

namespace harnais {

// One row of the checks: its code and element.
struct Ligne {
  std::uint32_t code = 0;
  std::uint64_t id = 0;
  friend auto operator<=>(const Ligne&, const Ligne&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Ligne& l) { return os << l.code << " on " << l.id; }
};

inline std::vector<Ligne> lignes(const std::vector<vererreur>& erreurs) {
  std::vector<Ligne> l;
  for (const vererreur& e : erreurs) l.push_back({e.code, e.idElement});
  std::sort(l.begin(), l.end());
  return l;
}

inline std::vector<Ligne> trier(std::vector<Ligne> l) {
  std::sort(l.begin(), l.end());
  return l;
}

class Cables : public Graphe {
 protected:
  struct Fichier {
    verplaninfo plan;
    verfichier fichier;
    verreseau reseau;
    // The element of that id in the table; fails the test when the table lacks it.
    verelement& element(std::uint64_t id) {
      const std::int32_t i = element_rechercherParId(fichier.elements, id);
      EXPECT_GE(i, 0) << "element " << id;
      return fichier.elements[static_cast<std::size_t>(std::max(i, 0))];
    }
  };

  // The file saved under `nom`, opened, its graph (with the neighbours) and its table, where the
  // elements `nouveaux` get status 2 and every other keeps 1.
  Fichier preparer(const host::fixture::DesignBuilder& b, const std::wstring& nom, std::uint32_t type,
                   const std::vector<host::ElementId>& nouveaux, const std::vector<host::ModelRef>& voisins = {}) {
    Fichier f;
    const host::ModelRef m = ouvrir(b, nom);
    f.plan = plan(m, type);
    f.reseau = graphe(f.plan, voisins);
    f.fichier.modele = m;
    f.fichier.role = type == 1 ? rolePlanUnique : roleElectricite;
    f.fichier.nomFichier = nom;
    element_construireTable(f.fichier);
    for (host::ElementId id : nouveaux) f.element(id).etatControle = 2;
    return f;
  }

  // Every element of the table new.
  static void toutNouveau(Fichier& f) {
    for (verelement& e : f.fichier.elements) e.etatControle = 2;
  }

  // The cable checks in the order of the stage: accessory order, the dangling ends of each
  // examined BT or HTA piece (start, then end), turn backs and confused vertices, then the cables
  // drawn over each other for each examined live cable.
  static std::vector<vererreur> controler(const Fichier& f, host::ModelRef precedent = {},
                                          const std::vector<host::ModelRef>& voisins = {}) {
    std::vector<vererreur> erreurs;
    const verfichier& fichier = f.fichier;
    cable_controlerOrdreAccessoires(erreurs, f.reseau, fichier, f.plan);
    for (const vertroncon& t : f.reseau.troncons) {
      const std::int32_t i = element_rechercherParId(fichier.elements, t.idElement);
      if (i < 0) continue;
      const verelement& e = fichier.elements[static_cast<std::size_t>(i)];
      if ((e.etatControle != 2 && e.etatControle != 3) || (e.classement.reseau != nr_BT && e.classement.reseau != nr_HTA))
        continue;
      cable_controlerBoutPendant(erreurs, e, 1, t.noeudDebut, f.reseau, fichier, precedent, voisins);
      cable_controlerBoutPendant(erreurs, e, 0, t.noeudFin, f.reseau, fichier, precedent, voisins);
    }
    controlerTraces(erreurs, f);
    return erreurs;
  }

  // The trace checks as the stage runs them: turn backs and confused vertices, then the cables
  // drawn over each other for each examined live BT or HTA cable.
  static void controlerTraces(std::vector<vererreur>& erreurs, const Fichier& f) {
    const vertolerances& tol = f.reseau.tolerances;
    cable_controlerAllerRetour(erreurs, tol[21], tol[12], f.fichier);
    cable_controlerSommetsConfondus(erreurs, tol[12], f.fichier);
    for (const verelement& e : f.fichier.elements) {
      const verclassement& c = e.classement;
      if ((e.etatControle == 2 || e.etatControle == 3) && c.contenu == cn_Lignes &&
          (c.reseau == nr_BT || c.reseau == nr_HTA) && c.etat != er_Abandonne)
        cable_controlerCablesSuperposes(erreurs, e, tol[12], f.fichier, f.plan);
    }
  }
};

}  // namespace harnais
