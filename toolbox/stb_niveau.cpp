#include "toolbox/stb_niveau.h"

#include "host/views.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_str.h"

void stbNiveau_masqueVue(host::LevelMask& masque, const std::wstring& nomNiveau,
                         const std::vector<std::wstring>& nomsNiveaux, host::ModelRef modele) {
  try {
    masque = host::views::levelDisplay(0, modele);
    masque.setAll(false);
    auto ajouter = [&](const std::wstring& nom) {
      const auto id = host::levelIdFromName(modele, nom);
      if (id && *id != 0) masque.setLevel(*id);
    };
    if (!nomNiveau.empty()) ajouter(nomNiveau);
    for (const auto& nom : nomsNiveaux) ajouter(nom);
  } catch (...) {
    masque = host::LevelMask(false);
  }
}

const std::wstring& stbNiveau_nom(std::wstring& nom, host::ModelRef modele, std::uint32_t idNiveau) {
  try {
    nom = host::levelName(modele, idNiveau).value_or(std::wstring());
    // The host answers in a buffer of 512 characters.
    if (nom.size() > 511) nom.resize(511);
    return nom;
  } catch (...) {
    nom.clear();
    return nom;
  }
}

std::uint32_t stbNiveau_creer(host::ModelRef modele, const std::wstring& nom) {
  try {
    if (const auto id = host::levelIdFromName(modele, nom)) return *id;
    if (const auto id = host::createLevel(modele, nom)) return *id;
  } catch (...) {
  }
  stbMsg_afficher(4, L"", stbStr_toString(L"Impossible de cr\u00e9er le niveau %s.", nom));
  return 0;
}
