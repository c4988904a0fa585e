#include "networks/recherches_reseau.h"

#include <algorithm>
#include <optional>

#include "host/curve_element.h"
#include "host/model_ref.h"
#include "host/views.h"
#include "networks/recherches_reseau_table.h"
#include "standard/niv_classement.h"
#include "toolbox/stb_elem_clip.h"

namespace {

// Length of an element's curve, UORs; 0 for an element without one.
double longueurCourbe(const host::ElementHandle& h) {
  const host::Element* e = h.element();
  if (!e) return 0.0;
  const auto courbe = host::curveOfElement(*e);
  return courbe ? courbe->length() : 0.0;
}

// The clip of a closed element: its curve as an area; none for any other element.
std::optional<host::ClipVector> clipDe(const host::ElementHandle& clip) {
  const host::Element* e = clip.element();
  if (!e) return std::nullopt;
  auto contour = host::curveOfElement(*e);
  if (!contour || !contour->isClosedPath() || !contour->isValid()) return std::nullopt;
  return host::ClipVector{std::move(*contour)};
}

}  // namespace

void res_ajouterLongueur(verlongueurs& longueurs, const verclassement& classement, double longueur) {
  std::size_t groupe = 0;
  if (classement.branchement == 0) {
    const auto it = std::find(res_reseauxGroupes.begin(), res_reseauxGroupes.end(), classement.reseau);
    if (it == res_reseauxGroupes.end()) return;
    groupe = static_cast<std::size_t>(it - res_reseauxGroupes.begin()) + 1;
  }
  const std::size_t debut = groupe * res_tailleGroupe;
  const auto etat = std::find(res_etatsGroupe.begin(), res_etatsGroupe.end(), classement.etat);
  if (etat != res_etatsGroupe.end())
    longueurs[debut + static_cast<std::size_t>(etat - res_etatsGroupe.begin())] += longueur;
  longueurs[debut + res_entreeTousEtats] += longueur;
}

void res_totaliserLongueurs(verlongueurs& longueurs) {
  double total = 0.0;
  for (std::size_t g = 0; g < res_nombreGroupes; ++g) total += longueurs[g * res_tailleGroupe + res_entreeTousEtats];
  longueurs[res_entreeTotal] = total;
}

verlongueurs res_elementsDansClip(const verplaninfo& plan, const host::ElementHandle& clip) {
  verlongueurs longueurs{};
  // An empty handle asks for whole lines; a handle naming an element asks for its clip.
  std::optional<host::ClipVector> decoupe;
  if (clip.isValid() || clip.id() != 0) {
    decoupe = clipDe(clip);
    if (!decoupe) return longueurs;
  }
  const int vue = host::views::firstOpen();
  if (vue < 0) return longueurs;

  host::ScanCriteria criteres;
  criteres.types = {host::ElementType::Line, host::ElementType::LineString, host::ElementType::ComplexChain,
                    host::ElementType::Arc};
  criteres.levelMask = res_masqueLignes(plan.masqueReseau, plan);
  for (const host::ElementId id : res_elementsHorsEncarts(criteres, plan)) {
    const host::ElementHandle h(id, plan.modeleTheme);
    double longueur = 0.0;
    if (decoupe) {
      host::ElementAgenda dedans, dehors;
      if (stbElem_decouper(dedans, dehors, h, *decoupe, static_cast<std::uint32_t>(vue), nullptr) != 0) continue;
      for (const host::ElementHandle& piece : dedans) longueur += longueurCourbe(piece);
    } else {
      longueur = longueurCourbe(h);
    }
    verclassement classement;
    niv_classerElement(&classement, h, plan.modeleTheme, plan.type, plan.masqueTheme);
    res_ajouterLongueur(longueurs, classement, host::uorToMaster(plan.modeleTheme, longueur));
  }
  res_totaliserLongueurs(longueurs);
  return longueurs;
}
