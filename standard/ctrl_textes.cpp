#include "standard/ctrl_textes.h"

#include <algorithm>
#include <optional>
#include <span>

#include "engine/erreur.h"
#include "host/design_file.h"
#include "host/element.h"
#include "standard/ctrl_textes_table.h"
#include "standard/element_table.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_elem.h"
#include "toolbox/stb_geom.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::uint32_t codeEchelleCellule = 2042;
constexpr std::uint32_t codePolice = 2051;
constexpr std::uint32_t codeTailleTexte = 2052;
constexpr std::uint32_t codeTexteVide = 2053;

using host::ElementType;

bool estTexte(int type) { return type == ElementType::Text || type == ElementType::TextNode; }

// Whether the comparison marked the element new or changed.
bool aControler(const verelement& e) { return e.etatControle == 2 || e.etatControle == 3; }

bool parmiSansCasse(std::span<const std::wstring_view> noms, const std::wstring& nom) {
  return std::any_of(noms.begin(), noms.end(),
                     [&](std::wstring_view n) { return stbStr_comparer(std::wstring(n), nom, false) == 0; });
}

// The expected value of the scale class; none for a class other than 1 or 2.
std::optional<double> attendu(const verTailleAttendue& t, std::uint32_t classeEchelle) {
  if (classeEchelle == 1) return t.classe1;
  if (classeEchelle == 2) return t.classe2;
  return std::nullopt;
}

// The cell-scale check on the given levels; `exemptes` are cell names left out (without case).
void controlerEchelles(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier,
                       std::span<const std::wstring_view> niveaux, std::span<const std::wstring_view> exemptes,
                       bool symbolesFixes) {
  const auto echelle = attendu(tailleEchelleCellule, classeEchelle);
  if (!echelle) return;
  const double tolerance = tailleEchelleCellule.tolerance;
  for (const verelement& e : fichier.elements) {
    const versymbologie& s = e.symbologie;
    if (s.type != ElementType::Cell || !aControler(e) || !parmiSansCasse(niveaux, s.nomNiveau)) continue;
    if (symbolesFixes && s.nomNiveau == niveauSymbolesFixes &&
        std::find(cellulesSymbolesFixes.begin(), cellulesSymbolesFixes.end(), s.nomCellule) ==
            cellulesSymbolesFixes.end())
      continue;
    if (parmiSansCasse(exemptes, s.nomCellule)) continue;
    const host::Point3d& k = s.echelleCellule;
    if (!stbGeom_egalTolerance(k.x, k.y, tolerance) || !stbGeom_egalTolerance(k.x, *echelle, tolerance))
      element_signaler(erreurs, fichier, e, codeEchelleCellule, s.nomCellule);
  }
}

// The font and size check of the texts on the given levels.
void controlerTextes(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier,
                     std::span<const std::wstring_view> niveaux, std::wstring_view police) {
  const auto hauteur = attendu(tailleHauteurTexte, classeEchelle);
  const auto largeur = attendu(tailleLargeurTexte, classeEchelle);
  for (const verelement& e : fichier.elements) {
    const versymbologie& s = e.symbologie;
    if (!estTexte(s.type) || !aControler(e) || !parmiSansCasse(niveaux, s.nomNiveau)) continue;
    if (s.police != police) element_signaler(erreurs, fichier, e, codePolice, s.texte);
    if (hauteur && largeur &&
        !(stbGeom_egalTolerance(s.hauteurTexte, *hauteur, tailleHauteurTexte.tolerance) &&
          stbGeom_egalTolerance(s.largeurTexte, *largeur, tailleLargeurTexte.tolerance)))
      element_signaler(erreurs, fichier, e, codeTailleTexte, s.texte);
  }
}

}  // namespace

std::wstring ctrl_sansBlancs(const std::wstring& texte) {
  constexpr wchar_t blancs[] = L" \t\n\v\f\r";
  const std::size_t debut = texte.find_first_not_of(blancs);
  if (debut == std::wstring::npos) return std::wstring();
  return texte.substr(debut, texte.find_last_not_of(blancs) - debut + 1);
}

void ctrl_texteVide(std::vector<vererreur>& erreurs, const verfichier& fichier) {
  if (!stbDgn_modeleValide(fichier.modele)) return;
  host::ScanCriteria criteres;
  criteres.types = {ElementType::Text, ElementType::TextNode};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, fichier.modele);
  std::wstring texte;
  for (const host::ElementId id : ids) {
    if (ctrl_sansBlancs(stbElem_texte(texte, host::ElementHandle(id, fichier.modele))).empty())
      element_signalerParId(erreurs, fichier, id, codeTexteVide);
  }
}

void ctrl_echelleCellulesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  controlerEchelles(erreurs, classeEchelle, fichier, niveauxCellulesV2, {}, true);
}

void ctrl_textesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesV2, policeUnFichier);
}

void ctrl_echelleAccessoiresV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle,
                               const verfichier& fichier) {
  controlerEchelles(erreurs, classeEchelle, fichier, niveauxAccessoiresV3, accessoiresExemptes, false);
}

void ctrl_textesV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  if (fichier.role == roleElectricite)
    controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesElecV3, policeTroisFichiers);
  else if (fichier.role == roleAutres)
    controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesAutresV3, policeTroisFichiers);
}
