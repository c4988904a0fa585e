#include "standard/niv_masque.h"

#include "standard/niv_catalogues.h"
#include "standard/niv_masques_table.h"

namespace {

struct Selection {
  std::uint32_t reseaux, etats, contenus;
  bool drapeaux;
  std::uint32_t theme;
};

bool remplie(const niv_condition& c, const Selection& s) {
  return (c.reseau == 0 || (c.reseau & s.reseaux) != 0) && (c.contenu == 0 || (c.contenu & s.contenus) != 0) &&
         (c.etat == 0 || (c.etat & s.etats) != 0) && (!c.drapeau || s.drapeaux) &&
         (c.theme == 0 || c.theme == s.theme);
}

template <std::size_t N, std::size_t R>
void allumer(host::LevelMask& masque, const std::array<std::wstring_view, N>& catalogue,
             const std::array<std::uint32_t, N>& ids, const std::array<niv_regleNiveau, R>& regles,
             const Selection& s, std::uint32_t theme) {
  for (const auto& r : regles) {
    if (r.theme != theme || !remplie(r.condition, s)) continue;
    const std::int32_t slot = niv_slot(catalogue, r.niveau);
    if (slot >= 0) masque.setLevel(ids[static_cast<std::size_t>(slot)]);
  }
}

template <std::size_t N>
void allumerV3(host::LevelMask& masque, const std::array<std::wstring_view, N>& catalogue,
               const std::array<std::uint32_t, N>& ids, const Selection& s) {
  for (const auto& g : niv_groupesV3) {
    if (g.theme != s.theme || (g.reseau != 0 && (g.reseau & s.reseaux) == 0)) continue;
    for (std::size_t k = 0; k < g.slots.size(); ++k)
      if (g.slots[k] >= 0 && remplie(niv_membresGroupe[k], s))
        masque.setLevel(ids[static_cast<std::size_t>(g.slots[k])]);
  }
  allumer(masque, catalogue, ids, niv_autresNiveauxV3, s, s.theme);
}

}  // namespace

host::LevelMask niv_masqueAffichage(std::uint32_t reseaux, std::uint32_t etats, std::uint32_t contenus,
                                    std::uint8_t drapeaux, const verplaninfo& plan) {
  host::LevelMask masque;
  if (!plan.modeleTheme) return masque;
  const Selection s{reseaux, etats, contenus, drapeaux != 0, plan.masqueTheme};
  if (plan.type == 1) {
    verniveauxv2 t;
    niv_tableV2(t, plan.modeleTheme);
    allumer(masque, niv_catalogueV2(), t.id, niv_reglesV2, s, 0);
  } else if (plan.type == 2 && plan.masqueTheme == 62) {
    verniveauxele t;
    niv_tableElecV3(t, plan.modeleTheme);
    allumerV3(masque, niv_catalogueEle(), t.id, s);
  } else if (plan.type == 2 && plan.masqueTheme == 1984) {
    verniveauxgaz t;
    niv_tableGazV3(t, plan.modeleTheme);
    allumerV3(masque, niv_catalogueGaz(), t.id, s);
  } else if (plan.type == 2 && plan.masqueTheme == 6144) {
    verniveauxaut t;
    niv_tableAutreV3(t, plan.modeleTheme);
    allumerV3(masque, niv_catalogueAut(), t.id, s);
  }
  return masque;
}
