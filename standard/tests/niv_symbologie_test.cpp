// The expected symbology of network objects and of inset outlines, row by row and state by state
// as the standard writes them, and the level ids that the theme model gives.
#include "standard/niv_symbologie.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/fixture/plan_fixture_niveaux.h"
#include "standard/tests/harnais_modele.h"

namespace pf = plan_fixture;
namespace fx = host::fixture;

namespace {

constexpr std::uint32_t NC = 0xFFFFFFFF;  // not checked

verplaninfo planDe(std::uint32_t type, std::uint32_t theme, std::uint32_t version = 1,
                   host::ModelRef modele = {}) {
  verplaninfo p;
  verplaninfo_construire(p);
  p.type = type;
  p.version = version;
  p.masqueTheme = theme;
  p.modeleTheme = modele;
  return p;
}

verclassement objetDe(std::uint32_t reseau, std::uint32_t etat, std::uint8_t branchement = 0, std::uint8_t ni = 0,
                      std::uint32_t protection = 0) {
  verclassement o;
  o.reseau = reseau;
  o.etat = etat;
  o.branchement = branchement;
  o.ni = ni;
  o.protection = protection;
  return o;
}

struct Cas {
  std::uint32_t type, theme, reseau, etat;
  std::uint8_t branchement, ni;
  std::uint32_t protection;
  std::wstring niveau;
  std::uint32_t couleur, epaisseur;
  std::int32_t style;
  std::wstring nomStyle;
};

const std::wstring AbGaz = L"R\u00e9seauAbandonn\u00e9Gaz";
const std::wstring AbEle = L"R\u00e9seauAbandonn\u00e9Ele";

const Cas casV2[] = {
    {1, 62, 2, 1, 0, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"ST_BT_CLA_V2"},
    {1, 62, 2, 2, 0, 0, 0, L"R\u00e9seauBT", 7, 0, 2, L"~"},
    {1, 62, 2, 4, 0, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"ST_BT_INC_V2"},
    {1, 62, 2, 8, 0, 0, 0, L"R\u00e9seauBT", 0, 2, 0, L"ST_ABAND"},
    {1, 62, 2, 1, 1, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"ST_BRANCH_CLA_V2"},
    {1, 62, 2, 2, 1, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"~"},
    {1, 62, 2, 4, 1, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"ST_BRANCH_INC"},
    {1, 62, 2, 8, 1, 0, 0, L"R\u00e9seauBT", 0, 0, 0, L"ST_ABAND"},
    {1, 62, 4, 1, 0, 1, 0, L"R\u00e9seauHTA", 3, 2, 0, L"ST_HTA_CLA"},
    {1, 62, 4, 2, 0, 0, 0, L"R\u00e9seauHTA", 3, 2, 3, L"~"},
    {1, 62, 4, 4, 0, 0, 0, L"R\u00e9seauHTA", 3, 2, 0, L"ST_HTA_INC_V2"},
    {1, 62, 4, 8, 0, 0, 0, L"R\u00e9seauHTA", 0, 4, 0, L"ST_ABAND"},
    {1, 62, 16, 1, 0, 0, 0, L"R\u00e9seauTLR", 7, 0, 3, L"~"},
    {1, 62, 16, 8, 0, 0, 0, L"R\u00e9seauTLR", 7, 0, 3, L"~"},
    {1, 62, 32, 2, 0, 0, 0, L"Fourreaux+Tub_", 6, 0, 0, L"ST_PROT_TERRE"},
    {1, 62, 32, 8, 0, 0, 0, L"Fourreaux+Tub_", 6, 0, 0, L"ST_PROT_TERRE"},
    {1, 1984, 64, 1, 0, 0, 0, L"R\u00e9seauBP", 2, 4, 0, L"~"},
    {1, 1984, 64, 4, 0, 0, 0, L"R\u00e9seauBP", 2, 4, 0, L"~"},
    {1, 1984, 64, 8, 0, 0, 0, AbGaz, 0, 2, 0, L"ST_ABAND"},
    {1, 1984, 64, 2, 1, 0, 0, L"R\u00e9seauBP", 2, 4, 5, L"~"},
    {1, 1984, 64, 8, 1, 0, 0, AbGaz, 0, 2, 5, L"ST_ABAND"},
    {1, 1984, 128, 2, 0, 0, 0, L"R\u00e9seauMPB", 11, 4, 0, L"~"},
    {1, 1984, 128, 1, 1, 0, 0, L"R\u00e9seauMPB", 11, 4, 5, L"~"},
    {1, 1984, 128, 8, 1, 0, 0, AbGaz, 0, 2, 5, L"ST_ABAND"},
    {1, 1984, 256, 4, 0, 0, 0, L"R\u00e9seauMPC", 12, 4, 0, L"~"},
    {1, 1984, 256, 4, 1, 0, 0, L"R\u00e9seauMPC", 12, 4, 5, L"~"},
    {1, 1984, 256, 8, 0, 0, 0, AbGaz, 0, 2, 0, L"ST_ABAND"},
    {1, 1984, 512, 1, 0, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, 0, L"ST_TLC_G"},
    {1, 1984, 512, 2, 0, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, 0, L"ST_TLC_G"},
    {1, 1984, 512, 4, 0, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, 0, L"ST_TLC_G_INC"},
    {1, 1984, 512, 8, 0, 0, 0, AbGaz, 0, 0, 0, L"ST_ABAND"},
    {1, 1984, 1024, 1, 0, 0, 0, L"R\u00e9seauPRC", 7, 0, 6, L"~"},
    {1, 1984, 1024, 4, 0, 0, 0, L"R\u00e9seauPRC", 7, 0, 6, L"~"},
    {1, 1984, 1024, 8, 0, 0, 0, L"R\u00e9seauPRC", 7, 0, 6, L"~"},
    {1, 62, 8192, 1, 0, 0, 0, L"Fourreaux+Tub_", 6, 2, 0, L"~"},
    {1, 62, 8192, 8, 0, 0, 0, L"Fourreaux+Tub_", 6, 2, 0, L"~"},
    // not in the one-file table
    {1, 62, 8, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {1, 6144, 2048, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {1, 6144, 4096, 2, 0, 0, 0, L"", NC, 0, 0, L"~"},
    // a value that is not a state: the first column only
    {1, 62, 2, 3, 0, 0, 0, L"R\u00e9seauBT", 7, 0, 0, L"~"},
    {1, 1984, 64, 3, 1, 0, 0, L"R\u00e9seauBP", 2, 4, 0, L"~"},
};

const Cas casV3[] = {
    {2, 62, 2, 1, 0, 0, 0, L"C\u00e2blesBT", 7, 2, 0, L"ST_BT_CLA_V3"},
    {2, 62, 2, 1, 0, 1, 0, L"C\u00e2blesBT", 7, 2, 0, L"ST_BT_NI_CLA_V3"},
    {2, 62, 2, 2, 0, 0, 0, L"C\u00e2blesBT", 7, 2, 0, L"ST_BT"},
    {2, 62, 2, 2, 0, 1, 0, L"C\u00e2blesBT", 7, 2, 0, L"ST_BT_NI"},
    {2, 62, 2, 4, 0, 0, 0, L"R\u00e9sIncertainBT", 7, 2, 0, L"ST_BT_INC"},
    {2, 62, 2, 4, 0, 1, 0, L"R\u00e9sIncertainBT", 7, 2, 0, L"ST_BT_NI_INC"},
    {2, 62, 2, 8, 0, 1, 0, AbEle, 0, 2, 0, L"ST_ABAND"},
    {2, 62, 2, 1, 1, 0, 0, L"C\u00e2blesBrancht", 7, 0, 0, L"ST_BRANCH_CLA_V3"},
    {2, 62, 2, 1, 1, 1, 0, L"C\u00e2blesBrancht", 7, 0, 0, L"ST_BRANCH_CLA_V3"},  // branchement before NI
    {2, 62, 2, 2, 1, 0, 0, L"C\u00e2blesBrancht", 7, 0, 0, L"~"},
    {2, 62, 2, 4, 1, 0, 0, L"C\u00e2blesBrancht", 7, 0, 0, L"ST_BT_BRANCH_INC"},
    {2, 62, 2, 8, 1, 0, 0, AbEle, 0, 0, 0, L"ST_ABAND"},
    {2, 62, 4, 1, 0, 0, 0, L"C\u00e2blesHTA", 3, 4, 0, L"ST_HTA_CLA_V3"},
    {2, 62, 4, 1, 1, 1, 0, L"C\u00e2blesHTA", 3, 4, 0, L"ST_HTA_NI_CLA_V3"},
    {2, 62, 4, 2, 0, 1, 0, L"C\u00e2blesHTA", 3, 4, 0, L"ST_HTA_NI"},
    {2, 62, 4, 2, 0, 0, 0, L"C\u00e2blesHTA", 3, 4, 0, L"ST_HTA"},
    {2, 62, 4, 4, 0, 0, 0, L"R\u00e9sIncertainHTA", 3, 4, 0, L"ST_HTA_INC"},
    {2, 62, 4, 4, 0, 1, 0, L"R\u00e9sIncertainHTA", 3, 4, 0, L"ST_HTA_NI_INC"},
    {2, 62, 4, 8, 0, 0, 0, AbEle, 0, 4, 0, L"ST_ABAND"},
    {2, 62, 8, 1, 0, 1, 0, L"C\u00e2blesTLCEle", 7, 0, 0, L"ST_TLC_E"},  // NI read for BT and HTA only
    {2, 62, 8, 2, 0, 0, 0, L"C\u00e2blesTLCEle", 7, 0, 0, L"ST_TLC_E"},
    {2, 62, 8, 4, 0, 0, 0, L"R\u00e9sIncertainTLCEle", 7, 0, 0, L"ST_TLC_E_INC"},
    {2, 62, 8, 8, 0, 0, 0, AbEle, 0, 0, 0, L"ST_ABAND"},
    {2, 62, 16, 1, 0, 0, 0, L"C\u00e2blesTLR", 7, 0, 0, L"ST_TLR"},
    {2, 62, 16, 2, 0, 0, 0, L"C\u00e2blesTLR", 7, 0, 0, L"ST_TLR"},
    {2, 62, 16, 4, 0, 0, 0, L"R\u00e9sIncertainTLR", 7, 0, 0, L"ST_TLR_INC"},
    {2, 62, 16, 8, 0, 0, 0, AbEle, 0, 0, 0, L"ST_ABAND"},
    {2, 62, 32, 1, 0, 0, 0, L"ProtectionsIndif", 6, 0, 0, L"ST_PROT_TERRE"},
    {2, 62, 32, 8, 0, 0, 0, L"ProtectionsIndif", 6, 0, 0, L"ST_PROT_TERRE"},
    {2, 1984, 64, 1, 0, 0, 0, L"CanalisationBP", 2, 2, 0, L"ST_BP"},
    {2, 1984, 64, 2, 0, 0, 0, L"CanalisationBP", 2, 2, 0, L"ST_BP"},
    {2, 1984, 64, 4, 0, 0, 0, L"R\u00e9sIncertainBP", 2, 2, 0, L"ST_BP_INC"},
    {2, 1984, 64, 8, 0, 0, 0, AbGaz, 0, 2, 0, L"ST_ABAND"},
    {2, 1984, 128, 1, 0, 0, 0, L"CanalisationMPB", 11, 2, 0, L"ST_MPB"},
    {2, 1984, 128, 4, 0, 0, 0, L"R\u00e9sIncertainMPB", 11, 2, 0, L"ST_MPB_INC"},
    {2, 1984, 128, 8, 0, 0, 0, AbGaz, 0, 2, 0, L"ST_ABAND"},
    {2, 1984, 256, 2, 0, 0, 0, L"CanalisationMPC", 12, 2, 0, L"ST_MPC"},
    {2, 1984, 256, 4, 0, 0, 0, L"R\u00e9sIncertainMPC", 12, 2, 0, L"ST_MPC_INC"},
    {2, 1984, 64, 1, 1, 0, 0, L"CanaBrancht", 2, 0, 5, L"~"},
    {2, 1984, 128, 2, 1, 0, 0, L"CanaBrancht", 11, 0, 5, L"~"},
    {2, 1984, 256, 4, 1, 0, 0, L"CanaBrancht", 12, 0, 5, L"~"},
    {2, 1984, 256, 8, 1, 0, 0, AbGaz, 0, 0, 5, L"ST_ABAND"},
    {2, 1984, 512, 1, 0, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, 0, L"ST_TLC_G"},
    {2, 1984, 512, 2, 1, 0, 0, L"C\u00e2blesTLCGaz", 7, 0, 0, L"ST_TLC_G"},
    {2, 1984, 512, 4, 0, 0, 0, L"R\u00e9sIncertainTLCGaz", 7, 0, 0, L"ST_TLC_G_INC"},
    {2, 1984, 512, 8, 0, 0, 0, AbGaz, 0, 0, 0, L"ST_ABAND"},
    {2, 1984, 1024, 1, 0, 0, 0, L"C\u00e2blesPRC", 7, 0, 0, L"ST_PRC"},
    {2, 1984, 1024, 2, 0, 0, 0, L"C\u00e2blesPRC", 7, 0, 0, L"ST_PRC"},
    {2, 1984, 1024, 4, 0, 0, 0, L"R\u00e9sIncertainPRC", 7, 0, 0, L"ST_PRC_INC"},
    {2, 1984, 1024, 8, 0, 0, 0, AbGaz, 0, 0, 0, L"ST_ABAND"},
    {2, 62, 8192, 1, 0, 0, 2, L"ProtectionsBT", 6, 0, 0, L"~"},
    {2, 62, 8192, 8, 0, 0, 4, L"ProtectionsHTA", 6, 0, 0, L"~"},
    {2, 62, 8192, 2, 0, 0, 0, L"ProtectionsIndif", 6, 0, 0, L"~"},
    {2, 62, 8192, 2, 0, 0, 62, L"ProtectionsIndif", 6, 0, 0, L"~"},
    {2, 1984, 8192, 4, 0, 0, 2, L"Protections", 6, 0, 0, L"~"},
    // no expected symbology
    {2, 6144, 8192, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {2, 6144, 2048, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {2, 6144, 4096, 4, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {2, 62, 0, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    {3, 62, 2, 1, 0, 0, 0, L"", NC, 0, 0, L"~"},
    // a value that is not a state
    {2, 62, 2, 3, 0, 1, 0, L"C\u00e2blesBT", 7, 2, 0, L"~"},
    {2, 1984, 64, 16384, 1, 0, 0, L"CanaBrancht", 2, 0, 5, L"~"},
};

void verifier(const Cas& c) {
  for (std::uint32_t version : {1u, 2u}) {
    versymbologie s;
    s.libelle = L"ancien";
    niv_symbologieAttendue(s, objetDe(c.reseau, c.etat, c.branchement, c.ni, c.protection),
                           planDe(c.type, c.theme, version));
    versymbologie attendu;
    attendu.nomNiveau = c.niveau;
    attendu.couleur = c.couleur;
    attendu.epaisseur = c.epaisseur;
    attendu.style = c.style;
    attendu.nomStyle = c.nomStyle;
    attendu.echelleStyle = version == 1 ? 2.0 : 5.0;
    EXPECT_EQ(s, attendu) << "plan " << c.type << " network " << c.reseau << " state " << c.etat << " branchement "
                          << int(c.branchement) << " NI " << int(c.ni) << " got level "
                          << std::string(s.nomNiveau.begin(), s.nomNiveau.end()) << " colour " << s.couleur
                          << " weight " << s.epaisseur << " style " << s.style;
  }
}

}  // namespace

TEST(NivSymbologie, OneFileRowsAndStates) {
  for (const auto& c : casV2) verifier(c);
}

TEST(NivSymbologie, ThreeFileRowsAndStates) {
  for (const auto& c : casV3) verifier(c);
}

TEST(NivSymbologie, ScaleOfAnUnknownScaleClassIsOne) {
  versymbologie s;
  niv_symbologieAttendue(s, objetDe(2, 1), planDe(2, 62, 0));
  EXPECT_EQ(s.echelleStyle, 1.0);
}

TEST(NivSymbologie, LevelIdsComeFromTheAlternateLevelFirst) {
  host::resetModels();
  const auto& v2 = pf::niveauxPlanUnique();
  const auto rang = [&v2](const std::wstring& n) {
    return static_cast<std::uint32_t>(std::find(v2.begin(), v2.end(), n) - v2.begin() + 1);
  };
  ModeleOuvert complet(fichierNiveaux(v2), L"complet.dgn");
  ModeleOuvert partiel(fichierNiveaux(v2, {L"CanaBrancht", L"R\u00e9sIncertainPRC", L"R\u00e9sIncertainTLCGaz"}), L"partiel.dgn");
  ModeleOuvert vide(fx::DesignBuilder{}, L"vide.dgn");
  ModeleOuvert el2(fichierNiveaux(pf::niveauxEL2()), L"plan.EL2");

  const struct {
    const char* cas;
    std::uint32_t type;
    host::ModelRef modele;
    verclassement objet;
    std::uint32_t id;
  } cas[] = {
      {"abandoned MPB branchement", 1, complet.modele(), objetDe(128, 8, 1), rang(L"CanaBrancht")},
      {"the same, no CanaBrancht", 1, partiel.modele(), objetDe(128, 8, 1), rang(AbGaz)},
      {"MPB branchement", 1, complet.modele(), objetDe(128, 2, 1), rang(L"CanaBrancht")},
      {"uncertain PRC", 1, complet.modele(), objetDe(1024, 4), rang(L"R\u00e9sIncertainPRC")},
      {"uncertain PRC, no uncertain level", 1, partiel.modele(), objetDe(1024, 4), rang(L"R\u00e9seauPRC")},
      {"uncertain TLC gas", 1, complet.modele(), objetDe(512, 4), rang(L"R\u00e9sIncertainTLCGaz")},
      {"uncertain TLC gas, no uncertain level", 1, partiel.modele(), objetDe(512, 4), rang(L"C\u00e2blesTLCGaz")},
      {"classified PRC", 1, complet.modele(), objetDe(1024, 1), rang(L"R\u00e9seauPRC")},
      {"a state of 3 takes no alternate", 1, complet.modele(), objetDe(1024, 3), rang(L"R\u00e9seauPRC")},
      {"level absent from the file", 1, vide.modele(), objetDe(2, 1), 0},
      {"three-file uncertain BT", 2, el2.modele(), objetDe(2, 4), 15},
      {"no theme model", 1, host::ModelRef{}, objetDe(2, 1), NC},
      {"no level name expected", 1, complet.modele(), objetDe(2048, 1), NC},
  };
  for (const auto& c : cas) {
    versymbologie s;
    niv_symbologieAttendue(s, c.objet, planDe(c.type, c.type == 1 ? 1984 : 62, 1, c.modele));
    EXPECT_EQ(s.idNiveau, c.id) << c.cas;
  }
}

TEST(NivSymbologie, InsetOutlines) {
  const struct {
    std::uint32_t type;
    std::wstring niveau;
    std::uint32_t couleur, epaisseur;
    std::int32_t style;
  } cas[] = {
      {1, L"Cart+habillage", 0, 0, 0},
      {2, L"EncartsIndiffEle", 0, 0, 0},
      {0, L"", NC, NC, -1},
      {7, L"", NC, NC, -1},
  };
  for (const auto& c : cas) {
    versymbologie s;
    s.couleur = 3;
    niv_symbologieEncart(s, planDe(c.type, 62));
    versymbologie attendu;
    attendu.nomNiveau = c.niveau;
    attendu.couleur = c.couleur;
    attendu.epaisseur = c.epaisseur;
    attendu.style = c.style;
    attendu.nomStyle = L"";
    EXPECT_EQ(s, attendu) << c.type;
  }
}
