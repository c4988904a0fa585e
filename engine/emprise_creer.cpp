// Drawing one footprint.
#include <cmath>
#include <numbers>

#include "engine/emprise_dessin.h"
#include "host/element_handle.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t echec = 0x8000;

// Label sizes (master units), justification and font of a label whose symbology leaves them unset.
constexpr double hauteurLibelle = 8.0;
constexpr double largeurLibelle = 5.0;
constexpr std::uint32_t justificationLibelle = 7;
constexpr std::uint32_t justificationNonDefinie = 127;
const wchar_t* const policeLibelle = L"INTL_ENGINEERING";

bool groupeUtilise(std::uint32_t groupe, host::ModelRef modele) {
  host::ScanCriteria criteres;
  criteres.graphicGroup = groupe;
  return !host::scan(modele, criteres).empty();
}

// A graphic group that no element of the model has: from the active model's current group
// number, or the file's next group number for a work file, on past groups already taken (a
// counter that was not saved must not merge two footprints).
std::uint32_t groupeLibre(host::ModelRef modele) {
  std::uint32_t groupe = host::isActive(modele) ? host::currentGraphicGroup() : host::nextGraphicGroup(modele);
  if (groupe == 0) groupe = 1;
  while (groupeUtilise(groupe, modele)) ++groupe;
  return groupe;
}

// The group is taken: the next footprint gets the one after it.
void consommerGroupe(std::uint32_t groupe, host::ModelRef modele) {
  if (host::isActive(modele)) host::setCurrentGraphicGroup(groupe + 1);
  host::saveNextGraphicGroup(modele, groupe + 1);  // a read-only file keeps its counter
}

versymbologie completerLibelle(const versymbologie& donnee, const std::vector<host::Point3d>& polygone,
                               const std::wstring& libelle) {
  versymbologie s = donnee;
  double angle = std::atan2(polygone[1].y - polygone[0].y, polygone[1].x - polygone[0].x);
  if (std::cos(angle) < 0.0) angle += std::numbers::pi;
  s.angle = angle;
  if (!(s.hauteurTexte > -1.0)) s.hauteurTexte = hauteurLibelle;
  if (!(s.largeurTexte > -1.0)) s.largeurTexte = largeurLibelle;
  if (s.justification == justificationNonDefinie) s.justification = justificationLibelle;
  if (s.police == L"~") s.police = policeLibelle;
  s.texte = libelle;  // a symbology read from an older label carries that label's text
  return s;
}

host::ElementId ajouter(host::Element element, const versymbologie& symbologie, std::uint32_t groupe,
                        host::ModelRef modele) {
  host::ElementHandle h(std::move(element), modele);
  if (stbElem_appliquerSymbologie(h, symbologie, modele) != 0) return 0;
  host::Element* e = h.edit();
  if (e == nullptr) return 0;
  e->graphicGroup = groupe;
  return h.addToModel(modele);
}

}  // namespace

std::int32_t emprise_creer(std::vector<veremprise>& emprises, const versymbologie& symbologieForme,
                           const versymbologie& symbologieLibelle, const std::vector<host::Point3d>& polygone,
                           const verplaninfo& plan, host::ModelRef modele) {
  if (polygone.size() < 3) return 0;
  try {
    if (!stbDgn_modeleValide(modele) || host::isReadOnly(modele)) return echec;
    const std::uint32_t groupe = groupeLibre(modele);

    host::Element forme;
    forme.type = host::ElementType::Shape;
    forme.points = polygone;
    if (!(forme.points.front() == forme.points.back())) forme.points.push_back(forme.points.front());
    const host::ElementId idForme = ajouter(std::move(forme), symbologieForme, groupe, modele);
    if (idForme == 0) return echec;

    std::wstring libelle = plan.libelleEmprise;
    stbStr_majuscules(libelle);
    const versymbologie symbologieTexte = completerLibelle(symbologieLibelle, polygone, libelle);
    host::Element texte;
    texte.type = host::ElementType::Text;
    host::TextPart& partie = texte.text.emplace();
    partie.runs = {{libelle, host::RunKind::Plain}};
    partie.origin = {(polygone[0].x + polygone[2].x) / 2.0, (polygone[0].y + polygone[2].y) / 2.0, 0.0};
    const host::ElementId idLibelle = ajouter(std::move(texte), symbologieTexte, groupe, modele);
    if (idLibelle == 0) {
      host::deleteElement(modele, idForme);  // no footprint without its label
      return echec;
    }
    consommerGroupe(groupe, modele);

    veremprise e;
    e.idForme = idForme;
    e.idLibelle = idLibelle;
    e.symbologieForme = symbologieForme;
    e.symbologieLibelle = symbologieTexte;
    e.libelle = std::move(libelle);
    e.groupe = groupe;
    e.indexPlan = -1;
    e.cree = 1;
    emprises.push_back(std::move(e));
    return 0;
  } catch (...) {
    return echec;
  }
}
