#include "standard/element_symbologie.h"

#include <algorithm>
#include <cmath>

#include "standard/element_masques_table.h"
#include "toolbox/stb_elem_composant.h"

namespace {

constexpr std::uint32_t kEchec = 0x8000;
constexpr std::uint32_t kNonVerifie = 0xFFFFFFFF;
constexpr double kTolerance = 0.01;  // of the comparison; fc_epsilon only tells the wildcards
constexpr double kTexteNonVerifie = -9999.0;

bool proche(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

// Line-style names and scales are compared only on these types.
bool porteStyleNomme(std::int32_t type) {
  return type == 3 || type == 4 || type == 6 || type == 12 || type == 14;
}

}  // namespace

std::uint32_t element_typeAccepte(std::int32_t type, std::uint8_t masque) {
  for (const element_bitTypes& b : element_masquesTypes) {
    if ((masque & b.bit) == 0) continue;
    if (std::find(b.types.begin(), b.types.end(), type) != b.types.end() && type != 0) return 0;
  }
  return kEchec;
}

versymbologie& element_symbologieAttendue(versymbologie& ligne, const std::wstring& libelle, std::uint32_t couleur,
                                          std::uint32_t epaisseur, std::int32_t style, const std::wstring& nomStyle,
                                          const versymbologie& modeleTexte, double echelleCellule,
                                          std::int32_t classeEchelle) {
  const bool au500 = classeEchelle == 2;
  ligne = versymbologie{};
  ligne.libelle = libelle;
  ligne.couleur = couleur;
  ligne.epaisseur = epaisseur;
  ligne.style = style;
  ligne.nomStyle = nomStyle;
  if (nomStyle != L"~") ligne.echelleStyle = au500 ? 5.0 : 2.0;
  ligne.police = modeleTexte.police;
  ligne.hauteurTexte = modeleTexte.hauteurTexte;
  ligne.largeurTexte = modeleTexte.largeurTexte;
  if (au500) {
    if (!proche(ligne.hauteurTexte, kTexteNonVerifie, fc_epsilon)) ligne.hauteurTexte *= 2.5;
    if (!proche(ligne.largeurTexte, kTexteNonVerifie, fc_epsilon)) ligne.largeurTexte *= 2.5;
  }
  if (!proche(echelleCellule, 0.0, fc_epsilon)) {
    const double e = proche(echelleCellule, -1.0, fc_epsilon) ? (au500 ? 5.0 : 2.0) : echelleCellule;
    ligne.echelleCellule.x = e;
    ligne.echelleCellule.y = e;
  }
  return ligne;
}

namespace {

// A complex element drawn with its style's scale on its components: the first one tells it.
void echelleDesComposants(versymbologie& symbologie, const host::Element* e, stbNomsSymbologie& noms) {
  if (symbologie.type != 12 && symbologie.type != 14) return;
  if (symbologie.nomStyle == L"~" || symbologie.nomStyle.empty()) return;
  if (!proche(symbologie.echelleStyle, 1.0, kTolerance)) return;
  try {
    if (!e || e->children.empty()) return;
    versymbologie premier;
    stbElem_lireSymbologie(premier, e->children.front(), noms);
    if (premier.nomStyle == symbologie.nomStyle) symbologie.echelleStyle = premier.echelleStyle;
  } catch (...) {
    // The complex element's own scale stands.
  }
}

}  // namespace

void element_lireSymbologie(versymbologie& symbologie, const host::ElementHandle& element, host::ModelRef modele) {
  stbElem_lireSymbologie(symbologie, element, modele);
  stbNomsSymbologie noms(modele ? modele : element.model());
  try {
    echelleDesComposants(symbologie, element.element(), noms);
  } catch (...) {
  }
}

void element_lireSymbologie(versymbologie& symbologie, const host::Element& element, stbNomsSymbologie& noms) {
  stbElem_lireSymbologie(symbologie, element, noms);
  echelleDesComposants(symbologie, &element, noms);
}

void element_comparerSymbologie(vercomparaison& resultat, versymbologie a, versymbologie e) {
  resultat.correspondances = 0;
  resultat.code = 0;
  auto item = [&](bool egal, std::uint32_t code) {
    if (egal) ++resultat.correspondances;
    else if (resultat.code == 0) resultat.code = code;
  };
  if (e.couleur != kNonVerifie) item(a.couleur == e.couleur, 2033);
  if (e.nomStyle != L"~" && porteStyleNomme(a.type)) {
    item(a.nomStyle == e.nomStyle, 2034);
    if (a.nomStyle != L"~") item(proche(a.echelleStyle, e.echelleStyle, kTolerance), 2035);
  }
  if (e.style != -1) item(a.style == e.style, 2034);
  if (e.epaisseur != kNonVerifie) item(a.epaisseur == e.epaisseur, 2037);
  if (a.type == 17 || a.type == 7) {
    if (e.police != L"~") item(a.police == e.police, 2051);
    if (!proche(e.hauteurTexte, kTexteNonVerifie, fc_epsilon))
      item(proche(a.hauteurTexte, e.hauteurTexte, kTolerance), 2052);
    if (!proche(e.largeurTexte, kTexteNonVerifie, fc_epsilon))
      item(proche(a.largeurTexte, e.largeurTexte, kTolerance), 2052);
  }
  if (a.type == 2 && !proche(e.echelleCellule.x, 0.0, fc_epsilon))
    item(proche(a.echelleCellule.x, e.echelleCellule.x, kTolerance), 2042);
  resultat.libelle = std::move(e.libelle);
}

void element_retenirMeilleur(vercomparaison& meilleur, const vercomparaison& candidat) {
  if (meilleur.correspondances == -1) {
    meilleur = candidat;
    return;
  }
  const bool meilleurSansCode = meilleur.code == 0;
  const bool candidatSansCode = candidat.code == 0;
  if (meilleurSansCode && !candidatSansCode) return;
  if (meilleurSansCode == candidatSansCode && candidat.correspondances <= meilleur.correspondances) return;
  meilleur = candidat;
}

std::uint32_t element_controlerEnfants(const verelement& element, host::ModelRef modele,
                                       const std::vector<versymbologie>& lignes) {
  try {
    const host::ElementHandle h(element.idElement, modele);
    const host::Element* e = h.element();
    const std::size_t n = e ? e->children.size() : 0;
    if (n != lignes.size()) return kEchec;
    for (std::size_t k = 0; k < n; ++k) {
      // The component read where its element holds it, as stbElem_lireSymbologie reads these four.
      const host::Element& c = e->children[k];
      std::uint32_t couleur = 0, epaisseur = 0, style = 0;
      stbElem_symbologieElement(&couleur, &epaisseur, &style, c);
      const versymbologie& l = lignes[k];
      if (c.type != l.type || couleur != l.couleur || epaisseur != l.epaisseur || static_cast<std::int32_t>(style) != l.style)
        return kEchec;
    }
    return 0;
  } catch (...) {
    return kEchec;
  }
}
