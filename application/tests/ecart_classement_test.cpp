// The classification of the differences drawing: every level the standard's rule tables name,
// typed row by row, each classified as an element of a file; and the cases that turn on the
// element's type, colour, weight and line style.
#include "application/ecart_classement.h"

#include <gtest/gtest.h>

#include <boost/filesystem.hpp>
#include <string>
#include <vector>

#include "host/fixture/design_builder.h"
#include "host/model_ref.h"

namespace fx = host::fixture;
namespace fs = boost::filesystem;

namespace {

enum Forme { Ligne, Cellule, Texte, TexteVide, Noeud, Cote };

struct Rangee {
  std::uint32_t version = 0, theme = 0;
  std::wstring niveau;
  Forme forme = Ligne;
  std::uint32_t couleur = 7, epaisseur = 1;
  std::wstring nomStyle;    // empty: line-style number 2, no name
  std::wstring cellule;     // cells only
  // Expected; reseau 0: not classified.
  std::uint32_t reseau = 0, contenu = 0, etat = 0;
  std::uint8_t branchement = 0;
  std::uint8_t ni = 0;
  std::uint32_t classeHta = 0, protection = 0;
};

Rangee cas(std::uint32_t version, std::uint32_t theme, std::wstring niveau, Forme forme, std::uint32_t reseau,
           std::uint32_t contenu, std::uint32_t etat, std::uint8_t branchement = 0) {
  Rangee l;
  l.version = version;
  l.theme = theme;
  l.niveau = std::move(niveau);
  l.forme = forme;
  l.reseau = reseau;
  l.contenu = contenu;
  l.etat = etat;
  l.branchement = branchement;
  return l;
}

// A three-file group of the standard: its eight levels ("" where the group has none) in the
// column order line, AccNonAff, AccAff, line text, TxtAccNonAff, TxtAccAff, dimension, uncertain.
struct Groupe {
  std::uint32_t theme, reseau;
  std::uint8_t branchement;
  std::uint32_t couleur;
  std::vector<std::wstring> niveaux;
};

void ajouterGroupe(std::vector<Rangee>& lignes, const Groupe& g) {
  struct Colonne {
    Forme forme;
    std::uint32_t contenu, etat;
  };
  const Colonne colonnes[] = {{Ligne, 1, 2},    {Cellule, 2, 4096}, {Cellule, 2, 2048}, {Texte, 4, 1024},
                              {Texte, 4, 4096}, {Texte, 4, 2048},   {Cote, 8, 16384},   {Ligne, 1, 4}};
  for (std::size_t i = 0; i < g.niveaux.size(); ++i) {
    if (g.niveaux[i].empty()) continue;
    Rangee l = cas(2, g.theme, g.niveaux[i], colonnes[i].forme, g.reseau, colonnes[i].contenu, colonnes[i].etat,
                   g.branchement);
    l.couleur = g.couleur;
    lignes.push_back(l);
  }
}

std::vector<Rangee> lignesDesTables() {
  std::vector<Rangee> t;
  // One-file rules common to every theme.
  t.push_back(cas(1, 1984, L"Fourreaux+Tub_", Ligne, 8192, 1, 0));
  t.back().couleur = 6;
  t.push_back(cas(1, 62, L"Fourreaux+Tub_", Ligne, 32, 1, 0));
  t.back().couleur = 6;
  t.back().nomStyle = L"ST_PROT_TERRE";
  t.push_back(cas(1, 62, L"TxtFourreaux", Texte, 8192, 4, 0));
  t.back().couleur = 21;
  t.push_back(cas(1, 62, L"CotesFourreaux", Cote, 8192, 8, 16384));
  t.push_back(cas(1, 1984, L"58", Cote, 8192, 8, 16384));
  // One-file electricity.
  for (const wchar_t* c : {L"COELEC", L"ARELEC", L"1RREMB"}) {
    t.push_back(cas(1, 62, L"SymbolesFixes", Cellule, 2, 2, 0));
    t.back().cellule = c;
  }
  t.push_back(cas(1, 62, L"Topo4Divers", Texte, 2, 4, 0));
  struct Reseau {
    std::uint32_t reseau;
    const wchar_t *ligne, *texte, *cote;
  };
  for (const Reseau& r : {Reseau{2, L"RéseauBT", L"TxtRéseauBT", L"CotesRéseauBT"},
                          Reseau{4, L"RéseauHTA", L"TxtRéseauHTA", L"CotesRéseauHTA"},
                          Reseau{16, L"RéseauTLR", L"TxtRéseauTLR", L"CotesRéseauTLR"},
                          Reseau{2048, L"RéseauEP", L"TxtRéseauEP", L"CotesRéseauEP"},
                          Reseau{4096, L"RéseauVDC", L"TxtRéseauVDC", L"CotesRéseauVDC"}}) {
    t.push_back(cas(1, 62, r.ligne, Ligne, r.reseau, 1, 2));
    t.push_back(cas(1, 62, r.ligne, Cellule, r.reseau, 2, 0));
    t.push_back(cas(1, 62, r.texte, Texte, r.reseau, 4, 0));
    t.push_back(cas(1, 62, r.cote, Cote, r.reseau, 8, 16384));
  }
  // One-file gas.
  for (const wchar_t* c : {L"COGAZ", L"ARGAZ", L"BOUGAZ", L"GFCART", L"GFCOF", L"GFCOFD", L"GACOE", L"GACOF"}) {
    t.push_back(cas(1, 1984, L"SymbolesFixes", Cellule, 128, 2, 0));
    t.back().cellule = c;
  }
  t.push_back(cas(1, 1984, L"Topo4Divers", Texte, 128, 4, 0));
  for (const auto& [couleur, reseau] : {std::pair{2u, 64u}, std::pair{11u, 128u}, std::pair{12u, 256u}}) {
    for (Rangee l : {cas(1, 1984, L"CanaBrancht", Ligne, reseau, 1, 2, 1),
                     cas(1, 1984, L"AccNonAffBranchtGaz", Cellule, reseau, 2, 4096, 1),
                     cas(1, 1984, L"AccAffBranchtGaz", Cellule, reseau, 2, 2048, 1),
                     cas(1, 1984, L"TxtBranchtGaz", Texte, reseau, 4, 0, 1)}) {
      l.couleur = couleur;
      t.push_back(l);
    }
  }
  for (const auto& [reseau, nom] : {std::pair{64u, L"BP"}, std::pair{128u, L"MPB"}, std::pair{256u, L"MPC"}}) {
    const std::wstring n(nom);
    t.push_back(cas(1, 1984, L"Réseau" + n, Ligne, reseau, 1, 2));
    t.push_back(cas(1, 1984, L"Réseau" + n, Cellule, reseau, 2, 0));
    t.push_back(cas(1, 1984, L"AccNonAff" + n, Cellule, reseau, 2, 4096));
    t.push_back(cas(1, 1984, L"AccAff" + n, Cellule, reseau, 2, 2048));
    t.push_back(cas(1, 1984, L"TxtRéseau" + n, Texte, reseau, 4, 0));
    t.push_back(cas(1, 1984, L"CotesRéseau" + n, Cote, reseau, 8, 16384));
  }
  t.push_back(cas(1, 1984, L"RéseauPRC", Ligne, 1024, 1, 2));
  t.push_back(cas(1, 1984, L"TxtRéseauPRC", Texte, 1024, 4, 0));
  t.push_back(cas(1, 1984, L"CotesRéseauPRC", Cote, 1024, 8, 16384));
  t.push_back(cas(1, 1984, L"RésIncertainPRC", Ligne, 1024, 1, 4));
  t.push_back(cas(1, 1984, L"CâblesTLCGaz", Ligne, 512, 1, 2));
  t.push_back(cas(1, 1984, L"CâblesTLCGaz", Cellule, 512, 2, 0));
  t.push_back(cas(1, 1984, L"AccNonAffTLCGaz", Cellule, 512, 2, 4096));
  t.push_back(cas(1, 1984, L"AccAffTLCGaz", Cellule, 512, 2, 2048));
  t.push_back(cas(1, 1984, L"TxtCâblesTLCGaz", Texte, 512, 4, 0));
  t.push_back(cas(1, 1984, L"CotesRéseauTLC", Cote, 512, 8, 16384));
  t.push_back(cas(1, 1984, L"RésIncertainTLCGaz", Ligne, 512, 1, 4));
  t.push_back(cas(1, 1984, L"RéseauAbandonnéGaz", Cellule, 128, 2, 8));
  t.push_back(cas(1, 1984, L"RéseauAbandonnéGaz", Texte, 128, 4, 8));
  t.push_back(cas(1, 1984, L"RéseauAbandonnéGaz", Cote, 128, 8, 16384));
  t.push_back(cas(1, 1984, L"RéseauAbandonnéGaz", Ligne, 128, 1, 8));
  t.push_back(cas(1, 1984, L"RéseauAbandonnéGaz", Ligne, 512, 1, 8));
  t.back().epaisseur = 0;

  // Three-file groups.
  const Groupe groupes[] = {
      {62, 2, 1, 7, {L"CâblesBrancht", L"AccNonAffBranchtEle", L"AccAffBranchtEle", L"TxtBranchtEle",
                     L"TxtAccNonAffBrtEle", L"TxtAccAffBrtEle", L"Cote+PtConstBrtEle", L""}},
      {62, 2, 0, 7, {L"CâblesBT", L"AccNonAffBT", L"AccAffBT", L"TxtCâblesBT", L"TxtAccNonAffBT", L"TxtAccAffBT",
                     L"Cote+PtConstBT", L"RésIncertainBT"}},
      {62, 4, 0, 7, {L"CâblesHTA", L"AccNonAffHTA", L"AccAffHTA", L"TxtCâblesHTA", L"TxtAccNonAffHTA",
                     L"TxtAccAffHTA", L"Cote+PtConstHTA", L"RésIncertainHTA"}},
      {62, 8, 0, 7, {L"CâblesTLCEle", L"AccNonAffTLCEle", L"AccAffTLCEle", L"TxtCâblesTLCEle",
                     L"TxtAccNonAffTLCEle", L"TxtAccAffTLCEle", L"Cote+PtConstTLCEle", L"RésIncertainTLCEle"}},
      {62, 16, 0, 7, {L"CâblesTLR", L"AccNonAffTLR", L"AccAffTLR", L"TxtCâblesTLR", L"TxtAccNonAffTLR",
                      L"TxtAccAffTLR", L"Cote+PtConstTLR", L"RésIncertainTLR"}},
      {1984, 64, 1, 2, {L"CanaBrancht", L"AccNonAffBranchtGaz", L"AccAffBranchtGaz", L"TxtBranchtGaz",
                        L"TxtAccNonAffBrtGaz", L"TxtAccAffBrtGaz", L"Cote+PtConstBrtGaz", L""}},
      {1984, 256, 1, 12, {L"CanaBrancht", L"", L"", L"", L"", L"TxtAccAffBrtGaz"}},
      {1984, 64, 0, 7, {L"CanalisationBP", L"AccNonAffBP", L"AccAffBP", L"TxtCanaBP", L"TxtAccNonAffBP",
                        L"TxtAccAffBP", L"Cote+PtConstBP", L"RésIncertainBP"}},
      {1984, 128, 0, 7, {L"CanalisationMPB", L"AccNonAffMPB", L"AccAffMPB", L"TxtCanaMPB", L"TxtAccNonAffMPB",
                         L"TxtAccAffMPB", L"Cote+PtConsMPB", L"RésIncertainMPB"}},
      {1984, 256, 0, 7, {L"CanalisationMPC", L"AccNonAffMPC", L"AccAffMPC", L"TxtMPC", L"TxtAccNonAffMPC",
                         L"TxtAccAffMPC", L"Cote+PtConstMPC", L"RésIncertainMPC"}},
      {1984, 1024, 0, 7, {L"CâblesPRC", L"AccNonAffPRC", L"AccAffPRC", L"TxtCâblesPRC", L"TxtAccNonAffPRC",
                          L"TxtAccAffPRC", L"Cote+PtConstPRC", L"RésIncertainPRC"}},
      {1984, 512, 0, 7, {L"CâblesTLCGaz", L"AccNonAffTLCGaz", L"AccAffTLCGaz", L"TxtCâblesTLCGaz",
                         L"TxtAccNonAffTLCGaz", L"TxtAccAffTLCGaz", L"Cote+PtConstTLCGaz", L"RésIncertainTLCGaz"}},
      {6144, 2048, 0, 7, {L"CâblesEP", L"AccNonAfflEP", L"AccAffEP", L"TxtCâblesEP", L"TxtAccNonAffEP",
                          L"TxtAccAffEP", L"Cote+PtConstEP", L"RésIncertainEP"}},
      {6144, 4096, 0, 7, {L"CâblesVDC", L"AccNonAffVDC", L"AccAffVDC", L"TxtCâblesVDC", L"TxtAccNonAffVDC",
                          L"TxtAccAffVDC", L"Cote+PtConstVDC", L"RésIncertainVDC"}},
  };
  for (const Groupe& g : groupes) ajouterGroupe(t, g);
  // The three-file rows after the groups.
  t.push_back(cas(2, 62, L"RéseauAbandonnéEle", Cellule, 2, 2, 8));
  t.push_back(cas(2, 62, L"RéseauAbandonnéEle", Texte, 2, 4, 8));
  t.push_back(cas(2, 62, L"RéseauAbandonnéEle", Noeud, 2, 4, 8));
  t.push_back(cas(2, 62, L"RéseauAbandonnéEle", Ligne, 2, 1, 8));
  t.push_back(cas(2, 62, L"Cote+PtConsAbanEle", Cote, 2, 8, 8));
  for (const auto& [niveau, protection] :
       {std::pair{L"ProtectionsIndif", 0u}, std::pair{L"ProtectionsBT", 2u}, std::pair{L"ProtectionsHTA", 4u}}) {
    t.push_back(cas(2, 62, niveau, Ligne, 8192, 1, 0));
    t.back().couleur = 6;
    t.back().protection = protection;
  }
  for (const auto& [niveau, protection] :
       {std::pair{L"TxtProtecIndiff", 0u}, std::pair{L"TxtProtecBT", 2u}, std::pair{L"TxtProtecHTA", 4u}}) {
    t.push_back(cas(2, 62, niveau, Texte, 8192, 4, 0));
    t.back().couleur = 6;
    t.back().protection = protection;
  }
  for (const auto& [niveau, protection] :
       {std::pair{L"CoteProtecIndiff", 0u}, std::pair{L"CoteProtecBT", 2u}, std::pair{L"CoteProtecHTA", 4u}}) {
    t.push_back(cas(2, 62, niveau, Cote, 8192, 8, 16384));
    t.back().protection = protection;
  }
  t.push_back(cas(2, 62, L"Drap+TxtIndiffEle", Texte, 62, 4, 0));
  t.push_back(cas(2, 62, L"Drap+TxtIndiffEle", Noeud, 62, 4, 0));
  t.push_back(cas(2, 1984, L"RéseauAbandonnéGaz", Cellule, 128, 2, 8));
  t.push_back(cas(2, 1984, L"RéseauAbandonnéGaz", Noeud, 128, 4, 8));
  t.push_back(cas(2, 1984, L"RéseauAbandonnéGaz", Ligne, 128, 1, 8));
  t.push_back(cas(2, 1984, L"Cote+PtConsAbanGaz", Cote, 128, 8, 8));
  t.push_back(cas(2, 1984, L"Protections", Ligne, 8192, 1, 0));
  t.push_back(cas(2, 1984, L"TxtProtections", Texte, 8192, 4, 0));
  t.push_back(cas(2, 1984, L"Cote+PtConsProt", Cote, 8192, 8, 16384));
  t.push_back(cas(2, 6144, L"RéseauAbandonnéAut", Cellule, 2048, 2, 8));
  t.push_back(cas(2, 6144, L"RéseauAbandonnéAut", Texte, 2048, 4, 8));
  t.push_back(cas(2, 6144, L"RéseauAbandonnéAut", Ligne, 2048, 1, 8));
  t.push_back(cas(2, 6144, L"Cote+PtConsAbanAut", Cote, 2048, 8, 8));
  return t;
}

// The cases that turn on more than the level.
std::vector<Rangee> casParticuliers() {
  std::vector<Rangee> t;
  auto avec = [&](Rangee l, auto reglage) {
    reglage(l);
    t.push_back(l);
  };
  avec(cas(1, 62, L"Fourreaux+Tub_", Ligne, 0, 0, 0), [](Rangee& l) { l.couleur = 5; });
  avec(cas(1, 62, L"Fourreaux+Tub_", Ligne, 32, 1, 0), [](Rangee& l) {
    l.couleur = 6;
    l.nomStyle = L"ST_PROT_TERRE";
  });
  avec(cas(2, 62, L"Cote+PtConstBT", Cote, 2, 8, 32768), [](Rangee& l) { l.couleur = 0; });
  avec(cas(2, 62, L"Cote+PtConstBT", Cote, 2, 8, 16384), [](Rangee& l) { l.couleur = 3; });
  avec(cas(2, 62, L"CâblesHTA", Ligne, 4, 1, 2), [](Rangee& l) {
    l.couleur = 38;
    l.nomStyle = L"ST_HTA_NI";
    l.ni = 1;
    l.classeHta = 2;
  });
  avec(cas(2, 62, L"RéseauAbandonnéEle", Ligne, 4, 1, 8), [](Rangee& l) { l.epaisseur = 4; });
  avec(cas(2, 62, L"RéseauAbandonnéEle", Ligne, 2, 1, 8, 1), [](Rangee& l) { l.epaisseur = 0; });
  avec(cas(1, 62, L"RéseauBT", Ligne, 2, 1, 2, 1), [](Rangee& l) { l.nomStyle = L"0"; });  // number 0, no name
  avec(cas(1, 62, L"RéseauBT", Ligne, 2, 1, 8, 1), [](Rangee& l) {
    l.nomStyle = L"ST_ABAND";
    l.epaisseur = 0;
  });
  avec(cas(2, 1984, L"CanaBrancht", Ligne, 0, 0, 0), [](Rangee& l) { l.couleur = 3; });
  avec(cas(2, 1984, L"CanaBrancht", Ligne, 128, 1, 2, 1), [](Rangee& l) { l.couleur = 11; });
  avec(cas(1, 1984, L"RéseauMPB", Ligne, 128, 1, 2, 1), [](Rangee& l) { l.nomStyle = L"5"; });  // number 5
  // Names are exact: letter case and a trailing blank.
  t.push_back(cas(2, 62, L"câblesBT", Ligne, 0, 0, 0));
  t.push_back(cas(2, 62, L"CâblesBT ", Ligne, 0, 0, 0));
  // Kinds and masks without rules.
  t.push_back(cas(2, 0, L"CâblesBT", Ligne, 0, 0, 0));
  t.push_back(cas(2, 0, L"Fourreaux+Tub_", Ligne, 0, 0, 0));
  t.push_back(cas(3, 62, L"CâblesBT", Ligne, 0, 0, 0));
  t.push_back(cas(1, 6144, L"RéseauEP", Ligne, 0, 0, 0));
  // An empty text fails the graphic test, is read raw, and still classifies by its level.
  t.push_back(cas(2, 62, L"TxtCâblesBT", TexteVide, 2, 4, 1024));
  // V2 line states by style name.
  for (const auto& [style, etat, branchement] :
       {std::tuple{L"ST_BRANCH_INC", 4u, 1}, std::tuple{L"ST_BT_INC_V2", 4u, 0}, std::tuple{L"ST_BRANCH_CLA_V2", 1u, 1},
        std::tuple{L"ST_BT_CLA_V2", 1u, 0}, std::tuple{L"ST_AUTRE", 2u, 0}})
    avec(cas(1, 62, L"RéseauBT", Ligne, 2, 1, etat, static_cast<std::uint8_t>(branchement)),
         [s = style](Rangee& l) { l.nomStyle = s; });
  for (const auto& [style, etat] : {std::pair{L"ST_HTA_INC_V2", 4u}, std::pair{L"ST_HTA_CLA", 1u}})
    avec(cas(1, 62, L"RéseauHTA", Ligne, 4, 1, etat), [s = style](Rangee& l) { l.nomStyle = s; });
  // V3 line styles.
  for (const auto& [niveau, style, etat, branchement, ni] :
       {std::tuple{L"CâblesBrancht", L"ST_BRANCH_CLA_V3", 1u, 1, 0}, std::tuple{L"CâblesBrancht", L"ST_BT_BRANCH_INC", 4u, 1, 0},
        std::tuple{L"CâblesBT", L"ST_BT_CLA_V3", 1u, 0, 0}, std::tuple{L"CâblesBT", L"ST_BT_NI_CLA_V3", 1u, 0, 1},
        std::tuple{L"CâblesBT", L"ST_BT_NI", 2u, 0, 1}, std::tuple{L"RésIncertainBT", L"ST_BT_NI_INC", 4u, 0, 1},
        std::tuple{L"CâblesHTA", L"ST_HTA_CLA_V3", 1u, 0, 0}, std::tuple{L"CâblesHTA", L"ST_HTA_NI_CLA_V3", 1u, 0, 1},
        std::tuple{L"RésIncertainHTA", L"ST_HTA_NI_INC", 4u, 0, 1}}) {
    const std::uint32_t reseau = std::wstring(niveau).find(L"HTA") != std::wstring::npos ? 4u : 2u;
    avec(cas(2, 62, niveau, Ligne, reseau, 1, etat, static_cast<std::uint8_t>(branchement)),
         [s = style, n = ni](Rangee& l) {
           l.nomStyle = s;
           l.ni = static_cast<std::uint8_t>(n);
         });
  }
  return t;
}

host::fixture::Spec forme(const Rangee& l, fx::DesignBuilder& b) {
  const host::LevelId niveau = b.level(l.niveau);
  fx::Spec s = fx::line({0, 0, 0}, {1000, 0, 0});
  switch (l.forme) {
    case Ligne: break;
    case Cellule: s = fx::cell(l.cellule.empty() ? L"X" : l.cellule, {0, 0, 0}, {fx::line({0, 0, 0}, {10, 0, 0})}); break;
    case Texte: s = fx::text(L"T", {0, 0, 0}); break;
    case TexteVide: s = fx::text(L"", {0, 0, 0}); break;
    // A text node is read by its first text, which carries the node's level and colour.
    case Noeud: s = fx::textNode({fx::text(L"T", {0, 0, 0}).level(niveau).colour(l.couleur)}); break;
    case Cote: s = fx::dimension({{0, 0, 0}, {1000, 0, 0}}); break;
  }
  s.level(niveau).colour(l.couleur).weight(l.epaisseur);
  if (l.nomStyle.empty()) s.style(2);
  else if (l.nomStyle == L"0" || l.nomStyle == L"5") s.style(std::stoi(l.nomStyle));
  else s.style(b.lineStyle(l.nomStyle));
  return s;
}

void verifier(const std::vector<Rangee>& lignes, const std::string& nomFichier) {
  host::resetModels();
  const fs::path dossier = fs::current_path() / "ecart_classement";
  fs::create_directories(dossier);
  fx::DesignBuilder b;
  std::vector<host::ElementId> ids;
  for (const Rangee& l : lignes) ids.push_back(b.add(forme(l, b)));
  const std::wstring chemin = (dossier / nomFichier).wstring();
  ASSERT_TRUE(b.save(chemin));
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, chemin, L"", true), host::kSuccess);
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const Rangee& l = lignes[i];
    SCOPED_TRACE(testing::Message() << "row " << i << " version " << l.version << " theme " << l.theme << " level "
                                    << std::string(l.niveau.begin(), l.niveau.end()) << " form " << l.forme);
    verclassement r;
    r.idElement = 1234;
    const std::uint32_t resultat =
        ecart_classerElement(&r, host::ElementHandle(ids[i], modele), modele, l.version, l.theme);
    if (l.reseau == 0) {
      EXPECT_EQ(resultat, 0x8000u);
      EXPECT_EQ(r.idElement, 1234u) << "untouched";
      continue;
    }
    ASSERT_EQ(resultat, 0u);
    EXPECT_EQ(r.idElement, ids[i]);
    EXPECT_EQ(r.reseau, l.reseau);
    EXPECT_EQ(r.contenu, l.contenu);
    EXPECT_EQ(r.etat, l.etat);
    EXPECT_EQ(r.branchement, l.branchement);
    EXPECT_EQ(r.ni, l.ni);
    EXPECT_EQ(r.protection, l.protection);
    EXPECT_EQ(r.un, 1u);
    if (l.classeHta) {
      EXPECT_EQ(r.classeHta, l.classeHta);
    }
  }
  host::closeWorkFile(modele);
}

TEST(EcartClassement, EveryRowOfTheRuleTablesClassifiesItsLevel) { verifier(lignesDesTables(), "tables.dgn"); }

TEST(EcartClassement, TypeColourWeightAndLineStyleDecideWhereTheRulesSaySo) {
  verifier(casParticuliers(), "particuliers.dgn");
}

TEST(EcartClassement, AnEmptyHandleOrAnUnnamedLevelClassifiesNothing) {
  host::resetModels();
  fx::DesignBuilder b;
  b.level(L"CâblesBT", 5);
  const host::ElementId sansNom = b.add(fx::line({0, 0, 0}, {1, 0, 0}).level(6));
  const fs::path dossier = fs::current_path() / "ecart_classement";
  fs::create_directories(dossier);
  ASSERT_TRUE(b.save((dossier / "vide.dgn").wstring()));
  host::ModelRef modele;
  ASSERT_EQ(host::openWorkFile(&modele, nullptr, nullptr, (dossier / "vide.dgn").wstring(), L"", true), host::kSuccess);
  verclassement r;
  EXPECT_EQ(ecart_classerElement(&r, host::ElementHandle(), modele, 2, 62), 0x8000u);
  EXPECT_EQ(ecart_classerElement(&r, host::ElementHandle(sansNom, modele), modele, 2, 62), 0x8000u);
  EXPECT_EQ(ecart_classerElement(&r, host::ElementHandle(999999, modele), modele, 2, 62), 0x8000u) << "missing id";
  EXPECT_EQ(r.reseau, 0u);
  host::closeWorkFile(modele);
}

}  // namespace
