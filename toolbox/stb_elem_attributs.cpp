#include "toolbox/stb_elem_attributs.h"

#include <optional>

#include "toolbox/stb_elem.h"

using host::Element;
using host::ElementType;

namespace {
constexpr int kEchec = 0x8000;

bool aStyleLigne(int type) {
  return type == ElementType::Line || type == ElementType::LineString || type == ElementType::Shape ||
         type == ElementType::ComplexChain || type == ElementType::ComplexShape || type == ElementType::Ellipse ||
         type == ElementType::Arc;
}

bool estZone(int type) {
  return type == ElementType::Shape || type == ElementType::ComplexShape || type == ElementType::Ellipse;
}
}  // namespace

int stbElem_retirerAttributs(host::ElementHandle& element, host::ModelRef modele) {
  try {
    const Element* e = element.element();
    if (!e || e->linkages.empty()) return kEchec;
    // What the stripped copy must keep, read first.
    std::wstring nomStyle;
    host::LineStyleParams parametres;
    const bool avecStyle = aStyleLigne(e->type) && stbElem_styleLigne(nomStyle, &parametres, element, modele) == 0;
    const std::optional<std::uint32_t> remplissage = estZone(e->type) ? e->fillColour : std::nullopt;
    const std::optional<host::Pattern> motif = estZone(e->type) ? e->pattern : std::nullopt;
    std::wstring nomCellule;
    stbElem_lireCellule(nullptr, nullptr, nullptr, &nomCellule, element);

    Element copie = *e;
    copie.linkages.clear();
    // Put back in this order: line style, solid fill, pattern, cell name.
    if (avecStyle && !nomStyle.empty()) {
      const std::int32_t numero = host::lineStyleNumber(modele ? modele : element.model(), nomStyle);
      if (numero != host::kUnknownLineStyle) {
        copie.lineStyle = numero;
        copie.lineStyleParams = parametres;
      }
    }
    if (remplissage) copie.fillColour = remplissage;
    if (motif) copie.pattern = motif;
    if (!nomCellule.empty() && copie.cell) copie.cell->name = nomCellule;
    element.setElement(std::move(copie));
    return 0;
  } catch (...) {
    return kEchec;
  }
}
