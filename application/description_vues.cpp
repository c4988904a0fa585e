// The description dialog's view functions and the kind labels of its rows.
#include <iterator>

#include "application/description.h"
#include "application/verapplication.h"
#include "host/commands.h"
#include "host/element_handle.h"
#include "host/view_display.h"
#include "host/views.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem_creation.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_symbologie.h"

namespace {

constexpr int kVueLivre = 0;    // view 1
constexpr int kVueOrigine = 7;  // view 8
constexpr std::uint64_t kCommandeSuivi = 0x0108000000000000ULL;
// The cursor cross: level, colour, weight and line style.
constexpr std::uint32_t kNiveauCroix = 64;
constexpr std::uint32_t kCouleurCroix = 4;
// Substitute colours: added in the delivered version, removed from the previous one, the rest.
constexpr std::uint32_t kCouleurAjout = 2;
constexpr std::uint32_t kCouleurSuppression = 3;
constexpr std::uint32_t kCouleurAutre = 9;

struct LibelleType {
  std::uint32_t type;
  const wchar_t* libelle;
};
constexpr LibelleType kLibelles[] = {
    {2, L" [Cellule]"},  {3, L" [Lin\u00e9aire]"}, {4, L" [Lin\u00e9aire]"}, {12, L" [Lin\u00e9aire]"},
    {6, L" [Polygone]"}, {14, L" [Polygone]"},       {7, L" [Texte]"},          {17, L" [Texte]"},
    {16, L" [Arc]"},     {33, L" [Cote]"},
};

bool vuesOuvertes() { return host::views::isOpen(kVueLivre) && host::views::isOpen(kVueOrigine); }

void colorer(host::Element& element, std::uint32_t couleur) {
  element.colour = couleur;
  for (host::Element& composant : element.children) colorer(composant, couleur);
}

}  // namespace

const wchar_t* desc_libelleType(std::uint32_t type) {
  for (const LibelleType& l : kLibelles)
    if (l.type == type) return l.libelle;
  return L"";
}

int desc_synchroniserVues(int nombreVues, const int* vues) {
  try {
    if (!vuesOuvertes() || !vues) return 0;
    const host::views::UpdatePostFunction precedente = host::views::setUpdatePostFunction(nullptr);
    for (int i = 0; i < nombreVues; ++i) {
      if (vues[i] != kVueLivre) continue;
      const host::Point3d centre = host::views::centre(kVueLivre);
      const double hauteurLivre = host::views::extent(kVueLivre).y;
      const double hauteurOrigine = host::views::extent(kVueOrigine).y;
      if (hauteurLivre > 0.0 && hauteurOrigine > 0.0) {
        host::views::zoom(kVueOrigine, kVueOrigine, centre, hauteurLivre / hauteurOrigine);
        host::commands::send(kCommandeSuivi, L"");
      }
      break;
    }
    host::views::setUpdatePostFunction(precedente);
  } catch (...) {
  }
  return 0;
}

void desc_vueMouvement(int vue, const host::Point3d* point) {
  try {
    host::transients::free(dlgDescription.curseur);
    dlgDescription.curseur = nullptr;
    if (!point || !vuesOuvertes()) return;
    int cible = -1;
    if (vue == kVueLivre) cible = kVueOrigine;
    else if (vue == kVueOrigine) cible = kVueLivre;
    else return;
    // The host hands the design point itself: nothing to convert from the screen.
    const host::Point3d p{point->x, point->y, 0.0};
    const double h = host::views::extent(cible).x / 4.0;
    const std::vector<host::Point3d> points{
        {p.x - h, p.y, 0.0}, {p.x + h, p.y, 0.0}, p, {p.x, p.y + h, 0.0}, {p.x, p.y - h, 0.0}};
    const host::ModelRef actif = host::activeModel();
    host::ElementHandle croix;
    if (stbElem_creerLigneBrisee(croix, nullptr, actif, points, false) != 0) return;
    versymbologie symbologie;
    symbologie.idNiveau = kNiveauCroix;
    symbologie.couleur = kCouleurCroix;
    symbologie.epaisseur = 0;
    symbologie.style = 0;
    stbElem_appliquerSymbologie(croix, symbologie, actif);
    if (const host::Element* e = croix.element())
      dlgDescription.curseur = host::transients::addElement(nullptr, *e, host::transients::drawTemporary, 1u << cible);
  } catch (...) {
  }
}

int desc_substituerElement(std::optional<host::Element>* substitut, host::ModelRef modele,
                           const host::Element* element, int /*vue*/) {
  try {
    if (TvkDlg.substitutionSymbologie == 0 || !substitut || !element) return 0;
    std::wstring nom;
    stbDgn_nomLogique(nom, modele);
    std::uint32_t version = 0;
    if (stbStr_commencePar(nom, L"VERLIV", true)) version = 1;
    else if (stbStr_commencePar(nom, L"VERORI", true)) version = 2;
    else return 0;

    std::uint32_t couleur = kCouleurAutre;
    std::wstring chemin, fichier;
    stbFichier_nom(fichier, stbDgn_nomFichier(chemin, modele));
    // Both versions' files have the same name: the row's version tells them apart.
    const auto [debut, fin] = dlgDescription.parId.equal_range(element->id);
    for (auto it = debut; it != fin; ++it) {
      const verdescription& ligne = dlgDescription.lignes[it->second];
      if (ligne.version == version && stbStr_comparer(ligne.fichier, fichier, false) == 0) {
        couleur = version == 1 ? kCouleurAjout : kCouleurSuppression;
        break;
      }
    }
    host::Element copie = *element;
    colorer(copie, couleur);
    *substitut = std::move(copie);
  } catch (...) {
  }
  return 0;
}
