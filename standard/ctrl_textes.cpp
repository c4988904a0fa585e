#include "standard/ctrl_textes.h"

#include <algorithm>
#include <optional>

#include "engine/erreur.h"
#include "host/design_file.h"
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

constexpr int kCellule = 2;
constexpr int kNoeudTexte = 7;
constexpr int kTexte = 17;

bool estTexte(int type) { return type == kTexte || type == kNoeudTexte; }

// Whether the comparison marked the element new or changed.
bool aControler(const verelement& e) { return e.etatControle == 2 || e.etatControle == 3; }

template <std::size_t N>
bool parmiSansCasse(const std::array<std::wstring_view, N>& noms, const std::wstring& nom) {
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
template <std::size_t N, std::size_t M>
void controlerEchelles(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier,
                       const std::array<std::wstring_view, N>& niveaux, const std::array<std::wstring_view, M>* exemptes,
                       bool symbolesFixes) {
  const auto echelle = attendu(tailleEchelleCellule, classeEchelle);
  if (!echelle) return;
  const double tolerance = tailleEchelleCellule.tolerance;
  for (const verelement& e : fichier.elements) {
    const versymbologie& s = e.symbologie;
    if (s.type != kCellule || !aControler(e) || !parmiSansCasse(niveaux, s.nomNiveau)) continue;
    if (symbolesFixes && s.nomNiveau == niveauSymbolesFixes &&
        std::find(cellulesSymbolesFixes.begin(), cellulesSymbolesFixes.end(), s.nomCellule) ==
            cellulesSymbolesFixes.end())
      continue;
    if (exemptes && parmiSansCasse(*exemptes, s.nomCellule)) continue;
    const host::Point3d& k = s.echelleCellule;
    if (!stbGeom_egalTolerance(k.x, k.y, tolerance) || !stbGeom_egalTolerance(k.x, *echelle, tolerance))
      element_signaler(erreurs, fichier, e, codeEchelleCellule, s.nomCellule);
  }
}

// The font and size check of the texts on the given levels.
template <std::size_t N>
void controlerTextes(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier,
                     const std::array<std::wstring_view, N>& niveaux, std::wstring_view police) {
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
  criteres.types = {kTexte, kNoeudTexte};
  std::vector<host::ElementId> ids;
  stbDgn_scanner(ids, criteres, fichier.modele);
  std::wstring texte;
  for (const host::ElementId id : ids) {
    if (!ctrl_sansBlancs(stbElem_texte(texte, host::ElementHandle(id, fichier.modele))).empty()) continue;
    const std::int32_t i = element_rechercherParId(fichier.elements, id);
    if (i >= 0) element_signaler(erreurs, fichier, fichier.elements[static_cast<std::size_t>(i)], codeTexteVide, L"");
  }
}

void ctrl_echelleCellulesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  controlerEchelles<niveauxCellulesV2.size(), accessoiresExemptes.size()>(erreurs, classeEchelle, fichier,
                                                                          niveauxCellulesV2, nullptr, true);
}

void ctrl_textesV2(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesV2, policeUnFichier);
}

void ctrl_echelleAccessoiresV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle,
                               const verfichier& fichier) {
  controlerEchelles(erreurs, classeEchelle, fichier, niveauxAccessoiresV3, &accessoiresExemptes, false);
}

void ctrl_textesV3(std::vector<vererreur>& erreurs, std::uint32_t classeEchelle, const verfichier& fichier) {
  if (fichier.role == roleElectricite)
    controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesElecV3, policeTroisFichiers);
  else if (fichier.role == roleAutres)
    controlerTextes(erreurs, classeEchelle, fichier, niveauxTextesAutresV3, policeTroisFichiers);
}
