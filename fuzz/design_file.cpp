// A design file as the host loads it (docs/design-file.md): the input is the file, opened as a
// read-only work file; a file that loads has every element of its models read with the toolbox's
// element readers, and its models scanned by range, so that what the loader accepts is also safe
// to use.
#include <string>
#include <vector>

#include "fuzz/harness.h"
#include "host/model_ref.h"
#include "toolbox/stb_elem.h"

namespace {

void lire(const host::ElementHandle& element, host::ModelRef modele) {
  stbElem_estSignificatif(element);
  stbElem_niveau(element);
  std::uint32_t couleur = 0, epaisseur = 0, style = 0;
  stbElem_symbologie(&couleur, &epaisseur, &style, element);
  std::wstring texte, nom;
  host::LineStyleParams parametres;
  stbElem_styleLigne(nom, &parametres, element, modele);
  stbElem_texte(texte, element);
  host::Point3d origine, echelle;
  host::RotMatrix orientation;
  stbPoint2d taille;
  double interligne = 0.0;
  std::uint32_t justification = 0, runs = 0;
  stbElem_lireTexte(&origine, &texte, &orientation, &nom, &taille, &interligne, &justification, &runs, element);
  std::vector<host::Point3d> contour;
  stbElem_contourTexte(contour, element);
  stbElem_lireCellule(&origine, &orientation, &echelle, &nom, element);
  stbElem_contourCellule(contour, element);
  host::ElementHandle enfant;
  for (const int type : {host::ElementType::Cell, host::ElementType::TextNode, 17, 4})
    stbElem_enfantDeType(enfant, element, type);
  stbElem_texteCotation(enfant, element);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::wstring fichier = fuzz::dossierTemporaire() + L"plan.dgn";
  if (!fuzz::ecrire(fichier, fuzz::octets(data, size))) return 0;
  host::forgetLoadedDesignFiles();
  host::ModelRef modele;
  if (host::openWorkFile(&modele, nullptr, nullptr, fichier, L"", true) != host::kSuccess) return 0;
  const host::DesignFile* dessin = host::designFile(modele);
  for (std::size_t m = 0; dessin && m < dessin->models.size(); ++m) {
    const host::Model& contenu = dessin->models[m];
    for (const host::Element* e : contenu.elements()) {
      // The open model's elements by id, as scans give them; the others' as copies.
      if (m == 0) lire(host::ElementHandle(e->id, modele), modele);
      else lire(host::ElementHandle(*e, modele), modele);
    }
  }
  // The range index over every element.
  host::ScanCriteria criteria;
  criteria.range = host::Range3d::from({-1e12, -1e12, -1e12}, {1e12, 1e12, 1e12});
  host::scan(modele, criteria);
  host::closeWorkFile(modele);
  return 0;
}
