#include "engine/encart.h"

#include <atomic>
#include <exception>
#include <vector>

#include "host/element.h"
#include "host/model_ref.h"
#include "standard/niv_symbologie.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_elem_clip.h"
#include "toolbox/stb_elem_creation.h"

namespace {

constexpr std::int32_t kDehors = 0x8000;

std::atomic<std::uint64_t> clipsConstruits{0};

// The range kept by the model for an element of it, else computed.
host::Range3d etendueDe(const host::ElementHandle& h, const host::Element& e) {
  return h.isOwned() ? host::elementRange(e) : host::elementRangeOf(h.model(), h.id());
}

}  // namespace

void encart_collecter(verplaninfo& plan) {
  plan.encarts.clear();
  if (!plan.modeleTheme) return;
  versymbologie attendu;
  niv_symbologieEncart(attendu, plan);
  if (attendu.nomNiveau.empty()) return;
  // Elements drawn without a level carry level 0: a scan on 0 would take any such shape.
  const std::uint32_t niveau = host::levelIdFromName(plan.modeleTheme, attendu.nomNiveau).value_or(0);
  if (niveau == 0) return;
  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Shape, host::ElementType::ComplexShape, host::ElementType::Ellipse};
  criteres.levels = {niveau};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, plan.modeleTheme);
  for (host::ElementId id : ids) {
    std::uint32_t couleur = 0, epaisseur = 0, style = 0;
    if (stbElem_symbologie(&couleur, &epaisseur, &style, host::ElementHandle(id, plan.modeleTheme)) != 0) continue;
    if (couleur == attendu.couleur && epaisseur == attendu.epaisseur &&
        style == static_cast<std::uint32_t>(attendu.style))
      plan.encarts.push_back(id);
  }
}

void encart_remplirAgenda(host::ElementAgenda& agenda, const verplaninfo& plan) {
  encart_remplirAgendaModele(agenda, plan.modeleTheme, plan.encarts);
}

void encart_remplirAgendaModele(host::ElementAgenda& agenda, host::ModelRef modele,
                                const std::vector<std::uint64_t>& encarts) {
  if (!modele) return;
  for (std::uint64_t id : encarts)
    if (host::readElement(modele, id)) stbElem_insererReference(id, agenda, modele);
}

std::int32_t encart_contientElement(const host::ElementHandle& element, const host::ElementAgenda& encarts) {
  try {
    const host::Element* e = element.element();
    if (!e || encarts.empty()) return kDehors;
    const host::Range3d etendue = etendueDe(element, *e);
    for (const host::ElementHandle& encart : encarts) {
      const host::Element* forme = encart.element();
      if (!forme || !etendueDe(encart, *forme).intersectsXY(etendue)) continue;
      // A shape too small to draw or broken into pieces frames nothing.
      const auto contour = host::curveOfElement(*forme);
      if (!contour || !contour->isClosedPath() || !contour->isValid()) continue;
      ++clipsConstruits;
      if (stbElem_estDansClip(nullptr, element, host::ClipVector{*contour})) return 0;
    }
  } catch (const std::exception&) {
    // Memory exhausted on a huge shape: the element counts as outside.
  }
  return kDehors;
}

std::uint64_t encart_nombreClips() { return clipsConstruits.load(); }
