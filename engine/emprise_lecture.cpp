#include "engine/emprise_lecture.h"

#include <algorithm>
#include <optional>

#include "host/area_ops.h"
#include "host/curve_element.h"
#include "host/paths.h"
#include "titleblock/cart_nom_plan.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_symbologie.h"

namespace {

constexpr std::int32_t echec = 0x8000;

// A shape of this display priority is never a footprint shape.
constexpr std::int32_t prioriteExclue = 1;

std::vector<host::ElementId> elementsDuGroupe(std::uint32_t groupe, host::ModelRef modele) {
  std::vector<host::ElementId> ids;
  stbDgn_elementsDuGroupe(ids, groupe, modele);
  return ids;
}

// The level ids of the names in the model; a name the model lacks gives 0, which no element has.
std::vector<host::LevelId> niveaux(const std::vector<std::wstring>& noms, host::ModelRef modele) {
  std::vector<host::LevelId> ids;
  for (const std::wstring& nom : noms) ids.push_back(host::levelIdFromName(modele, nom).value_or(0));
  return ids;
}

void fermerSiOuvert(bool ouvert, host::ModelRef modele) {
  if (ouvert) stbDgn_fermerFichier(modele);  // the active model stays open
}

// Closes the drawing on every way out when it was opened here.
struct fermeture {
  bool ouvert;
  host::ModelRef modele;
  fermeture(bool o, host::ModelRef m) : ouvert(o), modele(m) {}
  fermeture(const fermeture&) = delete;
  fermeture& operator=(const fermeture&) = delete;
  ~fermeture() { fermerSiOuvert(ouvert, modele); }
};

// The label a footprint record keeps: the text's content, a plan code of 11 characters without
// "." turned into its one-file plan name, upper-cased.
std::wstring libelleLu(const std::wstring& contenu) {
  std::wstring libelle = contenu;
  if (libelle.size() == 11 && libelle.find(L'.') == std::wstring::npos) cart_convertirNomPlan(libelle, contenu);
  stbStr_majuscules(libelle);
  return libelle;
}

// The record of the footprint made of a shape and a label text of group `groupe`.
veremprise lireEmprise(std::uint32_t groupe, host::ElementId forme, host::ElementId texte, host::ModelRef modele) {
  veremprise e;
  e.groupe = groupe;
  e.idForme = forme;
  e.idLibelle = texte;
  const host::ElementHandle hForme(forme, modele);
  const host::ElementHandle hTexte(texte, modele);
  stbElem_lireSymbologie(e.symbologieForme, hForme, modele);
  stbElem_lireSymbologie(e.symbologieLibelle, hTexte, modele);
  std::wstring contenu;
  stbElem_texte(contenu, hTexte);
  e.libelle = libelleLu(contenu);
  return e;
}

}  // namespace

std::int32_t emprise_localiserFichier(bool& ouvert, host::ModelRef& modele, const std::wstring& chemin) {
  ouvert = false;
  modele = host::ModelRef{};
  if (chemin.empty()) return echec;  // an empty file name would match any reference
  try {
    const host::ModelRef actif = host::activeModel();
    const std::wstring fichierActif = host::activeFileName();
    if (actif && !fichierActif.empty() &&
        (host::paths::equalNoCase(fichierActif, chemin) ||
         host::paths::resolve(chemin) == host::paths::resolve(fichierActif))) {
      modele = actif;
    } else if (actif && stbDgn_trouverReference(modele, chemin, L"", L"", actif) == 0) {
      // an attached reference of the drawing
    } else if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) == 0) {
      ouvert = !host::isActive(modele);
    } else {
      modele = host::ModelRef{};
    }
  } catch (...) {
    modele = host::ModelRef{};
  }
  return modele ? 0 : echec;
}

std::int32_t emprise_chargerFichier(std::vector<veremprise>& sortie, const std::wstring& chemin,
                                    const std::vector<std::wstring>& nomsNiveaux,
                                    const std::vector<std::wstring>& libelles) {
  sortie.clear();
  bool ouvert = false;
  host::ModelRef modele;
  if (emprise_localiserFichier(ouvert, modele, chemin) != 0) return echec;
  try {
    host::ScanCriteria criteres;
    criteres.types = {host::ElementType::Text};
    criteres.levels = niveaux(nomsNiveaux, modele);
    std::vector<host::ElementId> textes;
    stbDgn_scanner(textes, criteres, modele);
    for (const host::ElementId texte : textes) {
      const host::Element* e = host::readElement(modele, texte);
      if (e == nullptr || e->graphicGroup == 0) continue;
      if (!libelles.empty()) {
        std::wstring contenu;
        stbElem_texte(contenu, host::ElementHandle(texte, modele));
        if (stbStr_indiceDansListe(libelles, contenu, false) < 0) continue;
      }
      const std::uint64_t forme = emprise_formeDuGroupe(e->graphicGroup, modele);
      if (forme == 0) continue;
      sortie.push_back(lireEmprise(e->graphicGroup, forme, texte, modele));
    }
  } catch (...) {
    // What was read is kept.
  }
  fermerSiOuvert(ouvert, modele);
  return 0;
}

std::int32_t emprise_chercherDansZone(std::vector<veremprise>& sortie, host::ModelRef modele,
                                      const std::wstring& chemin, const host::ElementHandle& zone,
                                      const std::vector<std::wstring>& nomsNiveaux) {
  sortie.clear();
  try {
    const host::Element* elementZone = zone.element();
    if (elementZone == nullptr) return echec;
    const std::optional<host::CurveVector> aire = host::curveOfElement(*elementZone);
    if (!aire || !aire->isRegion()) return echec;
    bool ouvert = false;
    if (!modele && emprise_localiserFichier(ouvert, modele, chemin) != 0) return echec;
    const fermeture garde{ouvert, modele};

    host::Range3d plage = host::elementRange(*elementZone);
    plage.low = plage.low - host::Point3d{1.0, 1.0, 1.0};
    plage.high = plage.high + host::Point3d{1.0, 1.0, 1.0};
    host::ScanCriteria criteres;
    criteres.types = {host::ElementType::Shape};
    criteres.range = plage;
    criteres.levels = niveaux(nomsNiveaux, modele);
    std::vector<host::ElementId> formes;
    stbDgn_scanner(formes, criteres, modele);
    // Shapes of a reference are compared in the coordinates of the model that attaches it.
    const host::Transform versMaitre = host::isReference(modele) ? host::referenceToMaster(modele) : host::Transform{};
    for (const host::ElementId id : formes) {
      const host::Element* e = host::readElement(modele, id);
      if (e == nullptr || e->graphicGroup == 0) continue;
      const std::uint32_t groupe = e->graphicGroup;
      if (std::any_of(sortie.begin(), sortie.end(), [groupe](const veremprise& x) { return x.groupe == groupe; }))
        continue;
      const std::optional<host::CurveVector> courbe = host::curveOfElement(host::transformed(*e, versMaitre));
      if (!courbe) continue;
      const std::optional<host::CurveVector> commune = host::areaIntersection(*aire, *courbe);
      if (!commune || commune->empty()) continue;
      const std::uint64_t forme = e->priority != prioriteExclue ? id : emprise_formeDuGroupe(groupe, modele);
      if (forme == 0) continue;
      const std::uint64_t texte = emprise_texteDuGroupe(groupe, modele);
      if (texte == 0) continue;
      sortie.push_back(lireEmprise(groupe, forme, texte, modele));
    }
    return 0;
  } catch (...) {
    return echec;
  }
}

std::uint64_t emprise_formeDuGroupe(std::uint32_t groupe, host::ModelRef modele) {
  for (const host::ElementId id : elementsDuGroupe(groupe, modele)) {
    const host::Element* e = host::readElement(modele, id);
    if (e != nullptr && e->type == host::ElementType::Shape && e->priority != prioriteExclue) return id;
  }
  return 0;
}

std::uint64_t emprise_texteDuGroupe(std::uint32_t groupe, host::ModelRef modele) {
  for (const host::ElementId id : elementsDuGroupe(groupe, modele)) {
    const host::Element* e = host::readElement(modele, id);
    if (e != nullptr && e->type == host::ElementType::Text) return id;
  }
  return 0;
}

std::int32_t emprise_chercher(const std::wstring& nom, const std::vector<veremprise>& emprises) {
  std::wstring cherche = nom;
  stbStr_majuscules(cherche);
  for (std::size_t i = 0; i < emprises.size(); ++i)
    if (emprises[i].libelle == cherche) return static_cast<std::int32_t>(i);
  return -1;
}
