#include "toolbox/stb_elem.h"

#include "host/design_file.h"
#include "toolbox/stb_elem_composant.h"

using host::Element;
using host::ElementType;

namespace {

constexpr int kEchec = 0x8000;

bool estTypeNonDessine(int type) {
  return type == 5 || type == 9 || type == 26 || type == 39 || type == ElementType::ApplicationData ||
         (type >= 95 && type <= 98) || type >= 100;
}

// The element whose symbology stands for the whole: the first text of a text node, else itself.
const Element& porteurSymbologie(const Element& e) {
  if (e.type == ElementType::TextNode)
    for (const auto& c : e.children)
      if (c.type == ElementType::Text) return c;
  return e;
}

std::wstring chaineTexte(const Element& e) {
  if (e.type == ElementType::Text) return e.text ? e.text->string() : std::wstring();
  std::wstring s;
  if (e.type == ElementType::TextNode) {
    bool premier = true;
    for (const auto& c : e.children) {
      if (c.type != ElementType::Text || !c.text) continue;
      if (!premier) s += L'\r';
      s += c.text->string();
      premier = false;
    }
  }
  return s;
}

// p turned by `r` about `centre`.
host::Point3d tourner(const host::RotMatrix& r, const host::Point3d& p, const host::Point3d& centre) {
  return r.apply(p - centre) + centre;
}

host::Transform rotationAutour(const host::RotMatrix& r, const host::Point3d& centre) {
  return {r, centre - r.apply(centre)};
}

bool sansCaracteres(const host::TextPart& t) {
  for (const auto& r : t.runs)
    if (!r.text.empty()) return false;
  return true;
}

// Whether chaineTexte(e) would be empty, without building it: two texts of a node give at least
// their line separator.
bool texteVide(const Element& e) {
  if (e.type == ElementType::Text) return !e.text || sansCaracteres(*e.text);
  const host::TextPart* seul = nullptr;
  for (const auto& c : e.children) {
    if (c.type != ElementType::Text || !c.text) continue;
    if (seul) return false;
    seul = &*c.text;
  }
  return !seul || sansCaracteres(*seul);
}

// Whether the element counts: a text or text node with characters, or any drawn type.
bool compte(const Element& e) {
  if (e.type == ElementType::Text || e.type == ElementType::TextNode) return !texteVide(e);
  return !estTypeNonDessine(e.type);
}

}  // namespace

int stbElem_estSignificatif(const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    return e && compte(*e) ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

bool stbElem_compteElement(const host::Element& element) { return compte(element); }

const host::Element& stbElem_porteurSymbologie(const host::Element& element) { return porteurSymbologie(element); }

std::uint32_t stbElem_niveauElement(const host::Element& element) {
  return compte(element) ? porteurSymbologie(element).level : element.level;
}

std::uint32_t stbElem_niveau(const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    return e ? stbElem_niveauElement(*e) : 0;
  } catch (...) {
    return 0;
  }
}

int stbElem_symbologieElement(std::uint32_t* couleur, std::uint32_t* epaisseur, std::uint32_t* style,
                              const host::Element& element) {
  try {
    const bool significatif = compte(element);
    const Element& source = significatif ? porteurSymbologie(element) : element;
    if (couleur) *couleur = source.colour;
    if (epaisseur) *epaisseur = source.weight;
    if (style) *style = static_cast<std::uint32_t>(source.lineStyle);
    return significatif ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_symbologie(std::uint32_t* couleur, std::uint32_t* epaisseur, std::uint32_t* style,
                       const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    return e ? stbElem_symbologieElement(couleur, epaisseur, style, *e) : kEchec;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_styleLigne(std::wstring& nom, host::LineStyleParams* parametres, const host::ElementHandle& element,
                       host::ModelRef modele) {
  try {
    if (stbElem_estSignificatif(element) != 0) return kEchec;
    const Element& source = porteurSymbologie(*element.element());
    nom = host::lineStyleName(modele ? modele : element.model(), source.lineStyle);
    if (parametres) *parametres = source.lineStyleParams;
    return 0;
  } catch (...) {
    return kEchec;
  }
}

const std::wstring& stbElem_texte(std::wstring& texte, const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    texte = e ? chaineTexte(*e) : std::wstring();
    return texte;
  } catch (...) {
    texte.clear();
    return texte;
  }
}

int stbElem_lireTexteElement(host::Point3d* origine, std::wstring* texte, host::RotMatrix* orientation,
                             std::wstring* police, stbPoint2d* taille, double* interligne, std::uint32_t* justification,
                             std::uint32_t* nbRuns, const host::Element& element) {
  try {
    const Element* e = &element;
    if (e->type != ElementType::Text && e->type != ElementType::TextNode) return kEchec;
    const host::TextPart* t = host::firstTextPart(*e);
    if (!t) return kEchec;
    if (origine) *origine = t->origin;
    if (texte) *texte = chaineTexte(*e);
    if (orientation) *orientation = t->orientation;
    if (police) *police = t->font;
    if (taille) *taille = {t->width, t->height};
    if (interligne) *interligne = t->lineSpacing;
    if (justification) *justification = t->justification;
    if (nbRuns) {
      std::uint32_t n = 0;
      if (e->type == ElementType::Text) n = static_cast<std::uint32_t>(e->text->runs.size());
      for (const auto& c : e->children)
        if (c.type == ElementType::Text && c.text) n += static_cast<std::uint32_t>(c.text->runs.size());
      *nbRuns = n;
    }
    return 0;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_lireTexte(host::Point3d* origine, std::wstring* texte, host::RotMatrix* orientation, std::wstring* police,
                      stbPoint2d* taille, double* interligne, std::uint32_t* justification, std::uint32_t* nbRuns,
                      const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    return e ? stbElem_lireTexteElement(origine, texte, orientation, police, taille, interligne, justification, nbRuns, *e)
             : kEchec;
  } catch (...) {
    return kEchec;
  }
}

std::vector<host::Point3d>& stbElem_contourTexte(std::vector<host::Point3d>& contour, const host::ElementHandle& texte) {
  try {
    contour.clear();
    host::Point3d origine;
    host::RotMatrix orientation;
    stbPoint2d taille;
    if (stbElem_lireTexte(&origine, nullptr, &orientation, nullptr, &taille, nullptr, nullptr, nullptr, texte) != 0)
      return contour;
    const host::Transform retour = rotationAutour(host::inverseOf({orientation, {}}).matrix, origine);
    const host::Range3d r = host::elementRange(host::transformed(*texte.element(), retour));
    if (r.isNull()) return contour;
    const double h = taille.y;
    const host::Point3d coins[] = {{r.low.x, r.low.y + h / 2, 0.0}, {r.high.x, r.low.y + h / 2, 0.0},
                                   {r.high.x, r.high.y - h / 2, 0.0}, {r.low.x, r.high.y - h / 2, 0.0},
                                   {r.low.x, r.low.y + h / 2, 0.0}};
    for (const auto& p : coins) contour.push_back(tourner(orientation, p, origine));
    return contour;
  } catch (...) {
    contour.clear();
    return contour;
  }
}

int stbElem_lireCelluleElement(host::Point3d* origine, host::RotMatrix* rotation, host::Point3d* echelle,
                               std::wstring* nom, const host::Element& element) {
  try {
    const Element* e = &element;
    if ((e->type != ElementType::Cell && e->type != ElementType::SharedCell) || !e->cell) return kEchec;
    if (origine) *origine = e->cell->origin;
    if (rotation) *rotation = e->cell->rotation;
    if (echelle) *echelle = e->cell->scale;
    if (nom) *nom = e->cell->name.substr(0, 512);
    return 0;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_lireCellule(host::Point3d* origine, host::RotMatrix* rotation, host::Point3d* echelle, std::wstring* nom,
                        const host::ElementHandle& element) {
  try {
    const Element* e = element.element();
    return e ? stbElem_lireCelluleElement(origine, rotation, echelle, nom, *e) : kEchec;
  } catch (...) {
    return kEchec;
  }
}

std::vector<host::Point3d>& stbElem_contourCellule(std::vector<host::Point3d>& contour,
                                                    const host::ElementHandle& cellule) {
  try {
    contour.clear();
    host::RotMatrix rotation;
    if (stbElem_lireCellule(nullptr, &rotation, nullptr, nullptr, cellule) != 0) return contour;
    // Turned about the model's origin by minus the cell's angle in the plane, then back.
    const double angle = rotation.angleZ();
    const host::Transform droit{host::RotMatrix::fromAngleZ(-angle), {}};
    const host::Range3d r = host::elementRange(host::transformed(*cellule.element(), droit));
    if (r.isNull()) return contour;
    const host::RotMatrix retour = host::RotMatrix::fromAngleZ(angle);
    const host::Point3d coins[] = {{r.low.x, r.low.y, 0.0}, {r.high.x, r.low.y, 0.0}, {r.high.x, r.high.y, 0.0},
                                   {r.low.x, r.high.y, 0.0}, {r.low.x, r.low.y, 0.0}};
    for (const auto& p : coins) contour.push_back(retour.apply(p));
    return contour;
  } catch (...) {
    contour.clear();
    return contour;
  }
}

int stbElem_enfantDeType(host::ElementHandle& enfant, const host::ElementHandle& cellule, int type) {
  try {
    const Element* e = cellule.element();
    if (!e || e->type != ElementType::Cell) return kEchec;
    for (const auto& c : e->children) {
      if (c.type == type) {
        enfant = host::ElementHandle(c, cellule.model());
        return 0;
      }
    }
    return kEchec;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_texteCotation(host::ElementHandle& texte, const host::ElementHandle& cotation) {
  try {
    const Element* e = cotation.element();
    if (!e || e->type != ElementType::Dimension) return kEchec;
    for (const auto& c : e->children) {
      if (c.type == ElementType::Text || c.type == ElementType::TextNode) {
        texte = host::ElementHandle(c, cotation.model());
        return 0;
      }
    }
    return kEchec;
  } catch (...) {
    return kEchec;
  }
}
