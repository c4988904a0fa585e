#include "toolbox/stb_symbologie.h"

#include <algorithm>
#include <cmath>

#include "host/fonts.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_composant.h"
#include "toolbox/stb_elem_attributs.h"
#include "toolbox/stb_niveau.h"

using host::Element;
using host::ElementType;

namespace {

constexpr int kEchec = 0x8000;
constexpr std::uint32_t kNonDefini = 0xFFFFFFFF;

bool estTexte(int type) { return type == ElementType::Text || type == ElementType::TextNode; }

bool estZone(int type) {
  return type == ElementType::Shape || type == ElementType::ComplexShape || type == ElementType::Ellipse;
}

bool estCellule(int type) { return type == ElementType::Cell || type == ElementType::SharedCell; }

// Properties that the host's setter gives to an element and to all its components.
template <typename F>
void appliquerPartout(Element& e, const F& f) {
  f(e);
  for (auto& c : e.children) appliquerPartout(c, f);
}

// The record of `e`. Names come from `niveau` and `style`, so that a pass over a model can
// look each one up once.
template <typename NomNiveau, typename NomStyle>
void lireSymbologie(versymbologie& symbologie, const Element& e, host::ModelRef modele, const NomNiveau& niveau,
                    const NomStyle& style) {
  try {
    versymbologie s;
    const bool significatif = stbElem_compteElement(e);
    s.idNiveau = stbElem_niveauElement(e);
    if (const std::wstring* nom = niveau(s.idNiveau)) s.nomNiveau = *nom;

    std::uint32_t couleur = 0, epaisseur = 0, numero = 0;
    stbElem_symbologieElement(&couleur, &epaisseur, &numero, e);
    s.couleur = couleur;
    s.epaisseur = epaisseur;
    s.style = static_cast<std::int32_t>(numero);

    if (significatif) {
      const Element& source = stbElem_porteurSymbologie(e);
      if (const std::wstring& nomStyle = style(source.lineStyle); !nomStyle.empty()) {
        s.nomStyle = nomStyle;
        s.largeurStyle = source.lineStyleParams.startWidth;
        s.echelleStyle = source.lineStyleParams.scale;
      }
    }
    s.type = e.type;

    if (significatif) {
      s.classe = e.elementClass;
      if (estZone(e.type)) s.modeZone = e.hole ? 1 : 0;
      if (e.fillColour) s.couleurRemplissage = *e.fillColour;
      s.priorite = e.priority;
      s.transparence = e.transparency;
      if (estTexte(e.type)) {
        std::wstring police;
        stbPoint2d taille;
        double interligne = 0.0;
        std::uint32_t justification = 0;
        host::RotMatrix orientation;
        if (stbElem_lireTexteElement(nullptr, &s.texte, &orientation, &police, &taille, &interligne, &justification,
                                     nullptr, e) == 0) {
          s.police = police;
          s.interligne = host::uorToMaster(modele, interligne);
          s.justification = justification;
          s.hauteurTexte = host::uorToMaster(modele, taille.y);
          s.largeurTexte = host::uorToMaster(modele, taille.x);
          s.angle = orientation.angleZ();
          s.souligne = host::firstTextPart(e)->underline ? 1 : 0;
        }
      } else if (estCellule(e.type)) {
        host::RotMatrix rotation;
        std::wstring nom;
        if (stbElem_lireCelluleElement(nullptr, &rotation, &s.echelleCellule, &nom, e) == 0) {
          s.nomCellule = nom;
          s.angle = rotation.angleZ();
        }
      }
    }
    symbologie = std::move(s);
  } catch (...) {
    symbologie = versymbologie{};
  }
}

}  // namespace

const std::wstring* stbNomsSymbologie::niveau(std::uint32_t id) {
  auto it = niveaux_.find(id);
  if (it == niveaux_.end()) {
    std::optional<std::wstring> nom = host::levelName(modele_, id);
    if (nom) nom->resize(std::min<std::size_t>(nom->size(), 511));
    it = niveaux_.emplace(id, std::move(nom)).first;
  }
  return it->second ? &*it->second : nullptr;
}

const std::wstring& stbNomsSymbologie::style(std::int32_t numero) {
  auto it = styles_.find(numero);
  if (it == styles_.end()) it = styles_.emplace(numero, host::lineStyleName(modele_, numero)).first;
  return it->second;
}

void stbElem_lireSymbologie(versymbologie& symbologie, const host::ElementHandle& element, host::ModelRef modele) {
  try {
    const Element* e = element.element();
    if (!e) {
      symbologie = versymbologie{};
      return;
    }
    std::wstring nomNiveau, nomStyle;
    const host::ModelRef modeleStyle = modele ? modele : element.model();
    lireSymbologie(
        symbologie, *e, modele,
        [&](std::uint32_t id) -> const std::wstring* {
          auto nom = host::levelName(modele, id);
          if (!nom) return nullptr;
          nomNiveau = nom->substr(0, 511);
          return &nomNiveau;
        },
        [&](std::int32_t numero) -> const std::wstring& { return nomStyle = host::lineStyleName(modeleStyle, numero); });
  } catch (...) {
    symbologie = versymbologie{};
  }
}

void stbElem_lireSymbologie(versymbologie& symbologie, const Element& element, stbNomsSymbologie& noms) {
  lireSymbologie(
      symbologie, element, noms.modele(), [&](std::uint32_t id) { return noms.niveau(id); },
      [&](std::int32_t numero) -> const std::wstring& { return noms.style(numero); });
}

int stbElem_appliquerSymbologie(host::ElementHandle& element, const versymbologie& s, host::ModelRef modele) {
  try {
    if (!element.isValid()) return kEchec;
    stbElem_retirerAttributs(element, modele);  // 0x8000 only says there was nothing to remove
    const int type = element.type();
    if (estTexte(type)) stbElem_appliquerProprietesTexte(element, modele, s);

    Element* e = element.edit();
    if (!e) return kEchec;
    if (estZone(e->type)) {
      if (s.modeZone != -1) e->hole = s.modeZone != 0;
      e->fillColour.reset();
      if (s.couleurRemplissage != kNonDefini) e->fillColour = s.couleurRemplissage;
      e->pattern.reset();
      if (s.espacementMotif1 > fc_epsilon) {
        host::Pattern motif;
        motif.primarySpacing = host::masterToUor(modele, s.espacementMotif1);
        motif.primaryAngle = s.angleMotif1;
        if (s.espacementMotif2 > fc_epsilon) {
          motif.secondarySpacing = host::masterToUor(modele, s.espacementMotif2);
          motif.secondaryAngle = s.angleMotif2;
        }
        e->pattern = motif;
      }
    }

    std::uint32_t niveau = s.idNiveau;
    if (!s.nomNiveau.empty()) niveau = host::levelIdFromName(modele, s.nomNiveau).value_or(0);
    std::int32_t numeroStyle = s.style;
    if (s.nomStyle != L"~") {
      const std::int32_t parNom = host::lineStyleNumber(element.model() ? element.model() : modele, s.nomStyle);
      if (parNom != host::kUnknownLineStyle) numeroStyle = parNom;
    }
    host::LineStyleParams parametres;
    if (std::abs(s.largeurStyle) > fc_epsilon) {
      parametres.startWidth = parametres.endWidth = s.largeurStyle;
      parametres.modifiers |= 8 | 16;
    }
    if (std::abs(s.echelleStyle) > fc_epsilon) {
      parametres.scale = s.echelleStyle;
      parametres.modifiers |= 1;
    }
    appliquerPartout(*e, [&](Element& x) {
      if (niveau != 0 && niveau != kNonDefini) x.level = niveau;
      if (s.classe != -1) x.elementClass = s.classe;
      if (s.couleur != kNonDefini) x.colour = s.couleur;
      if (s.epaisseur != kNonDefini) x.weight = s.epaisseur;
      if (s.priorite != -999) x.priority = s.priorite;
      if (s.transparence >= 0.0) x.transparency = s.transparence;
      if (numeroStyle != -1) {
        x.lineStyle = numeroStyle;
        x.lineStyleParams = parametres;
      }
    });
    return 0;
  } catch (...) {
    return kEchec;
  }
}

int stbElem_appliquerProprietesTexte(host::ElementHandle& element, host::ModelRef modele, const versymbologie& s) {
  try {
    const Element* e = element.element();
    if (!e || !estTexte(e->type)) return kEchec;
    const host::TextPart* premier = host::firstTextPart(*e);
    if (!premier) return kEchec;
    host::TextPart t = *premier;

    std::uint32_t couleur = 0;
    stbElem_symbologie(&couleur, nullptr, nullptr, element);
    if (s.couleur != kNonDefini) couleur = s.couleur;
    if (s.hauteurTexte != -9999.0) t.height = host::masterToUor(modele, s.hauteurTexte);
    if (s.largeurTexte != -9999.0) t.width = host::masterToUor(modele, s.largeurTexte);
    t.underline = s.souligne != 0;
    if (s.justification != 127) t.justification = s.justification;
    if (s.interligne != -9999.0) t.lineSpacing = host::masterToUor(modele, s.interligne);
    if (s.angle != -9999.0) t.orientation = host::RotMatrix::fromAngleZ(s.angle);
    if (s.police != L"~")
      if (auto police = host::findFont(s.police)) t.font = police->name;
    std::wstring texte = s.texte;
    if (texte.empty()) stbElem_texte(texte, element);
    t.runs = {{texte, host::RunKind::Plain}};

    // The header's properties stay; the text is one text element.
    Element nouveau;
    nouveau.type = ElementType::Text;
    nouveau.level = stbElem_niveau(element);
    nouveau.colour = couleur;
    nouveau.weight = e->weight;
    nouveau.lineStyle = e->lineStyle;
    nouveau.lineStyleParams = e->lineStyleParams;
    nouveau.elementClass = e->elementClass;
    nouveau.priority = e->priority;
    nouveau.transparency = e->transparency;
    nouveau.graphicGroup = e->graphicGroup;
    nouveau.linkages = e->linkages;
    nouveau.text = std::move(t);
    element.setElement(std::move(nouveau));
    return 0;
  } catch (...) {
    return kEchec;
  }
}
