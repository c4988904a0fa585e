#include "engine/emprise_lecture.h"

#include "host/paths.h"
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
  if (!stbDgn_modeleValide(modele)) return ids;
  host::ScanCriteria criteres;
  criteres.drawnOnly = true;
  criteres.graphicGroup = groupe;
  stbDgn_scanner(ids, criteres, modele);
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

// The label a footprint record keeps: the text's content, upper-cased.
std::wstring libelleLu(const std::wstring& contenu) {
  std::wstring libelle = contenu;
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
