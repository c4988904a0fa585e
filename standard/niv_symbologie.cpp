#include "standard/niv_symbologie.h"

#include <span>
#include <string>

#include "host/model_ref.h"
#include "standard/niv_symbologies_table.h"

namespace {

const niv_symbologieLigne* ligneDe(const verclassement& objet, const verplaninfo& plan) {
  if (plan.type != 1 && plan.type != 2) return nullptr;
  const auto& table = plan.type == 1 ? std::span<const niv_symbologieLigne>(niv_symbologiesV2)
                                     : std::span<const niv_symbologieLigne>(niv_symbologiesV3);
  for (const auto& l : table) {
    if (l.reseau != objet.reseau) continue;
    if (l.branchement != niv_indifferent && l.branchement != (objet.branchement != 0 ? 1 : 0)) continue;
    if (l.theme != 0 && l.theme != plan.masqueTheme) continue;
    if (l.protection != 0 && l.protection != objet.protection) continue;
    return &l;
  }
  return nullptr;
}

// The column of a state, or -1 for a value that is not a state.
int colonne(std::uint32_t etat) {
  switch (etat) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    case 8: return 3;
    default: return -1;
  }
}

std::uint32_t idNiveau(host::ModelRef modele, std::wstring_view nom) {
  return host::levelIdFromName(modele, std::wstring(nom)).value_or(0);
}

}  // namespace

versymbologie& niv_symbologieAttendue(versymbologie& s, const verclassement& objet, const verplaninfo& plan) {
  s = versymbologie{};
  s.epaisseur = 0;
  s.style = 0;
  s.echelleStyle = plan.version == 1 ? 2.0 : plan.version == 2 ? 5.0 : 1.0;
  const niv_symbologieLigne* ligne = ligneDe(objet, plan);
  if (!ligne) return s;

  s.nomNiveau = ligne->niveau;
  s.couleur = ligne->couleur;
  s.epaisseur = ligne->epaisseur;
  if (ligne->style) s.style = *ligne->style;
  std::wstring_view alterne;
  if (const int c = colonne(objet.etat); c >= 0) {
    const niv_symbologieEtat& e = ligne->etats[static_cast<std::size_t>(c)];
    if (!e.niveau.empty()) s.nomNiveau = e.niveau;
    alterne = e.alterne;
    if (e.couleur) s.couleur = *e.couleur;
    if (e.epaisseur) s.epaisseur = *e.epaisseur;
    if (e.style) s.style = *e.style;
    if (objet.ni != 0 && !e.nomStyleNI.empty()) s.nomStyle = e.nomStyleNI;
    else if (!e.nomStyle.empty()) s.nomStyle = e.nomStyle;
  }

  if (s.nomNiveau.empty() || !plan.modeleTheme) return s;
  std::uint32_t id = 0;
  if (!alterne.empty()) id = idNiveau(plan.modeleTheme, alterne);
  if (id == 0) id = idNiveau(plan.modeleTheme, s.nomNiveau);
  s.idNiveau = id;
  return s;
}

versymbologie& niv_symbologieEncart(versymbologie& s, const verplaninfo& plan) {
  s = versymbologie{};
  s.nomStyle.clear();
  if (plan.type != 1 && plan.type != 2) return s;
  s.nomNiveau = plan.type == 1 ? L"Cart+habillage" : L"EncartsIndiffEle";
  s.couleur = 0;
  s.epaisseur = 0;
  s.style = 0;
  return s;
}
