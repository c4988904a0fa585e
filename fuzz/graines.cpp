// fuzz_graines <folder>: writes the seed corpora of the harnesses into <folder>/<harness>/, from
// the project's own fixtures, writers and resource files. Run by hand when a format changes
// (scripts/fuzz.sh --graines); the corpora are kept in fuzz/corpus/.
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

#include <boost/filesystem/operations.hpp>

#include "application/tests/stb_xml_fixture.h"
#include "engine/fixture/livraison_fixture.h"
#include "engine/fixture/parametres_fixture.h"
#include "engine/fixture/plan_fixture.h"
#include "engine/rapport.h"
#include "host/fixture/chemins.h"
#include "host/fixture/design_builder.h"
#include "host/fixture/signer.h"
#include "host/paths.h"
#include "host/text.h"

namespace {

namespace fs = std::filesystem;
namespace fx = host::fixture;

fs::path racine;
bool echec = false;

void graine(const std::string& harness, const std::string& nom, const std::string& contenu) {
  const fs::path dossier = racine / harness;
  fs::create_directories(dossier);
  std::ofstream out(dossier / nom, std::ios::binary);
  out << contenu;
  if (!out) echec = true;
}

std::string fichier(const fs::path& chemin) {
  std::ifstream in(chemin, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string latin1(const std::vector<std::wstring>& lignes) {
  std::string texte;
  for (const std::wstring& l : lignes) texte += host::text::toLatin1(l) + "\r\n";
  return texte;
}

std::string utf16(const std::wstring& texte) {
  std::string octets;
  for (const char16_t u : host::text::toUtf16(texte)) {
    octets += static_cast<char>(u & 0xFF);
    octets += static_cast<char>(u >> 8);
  }
  return octets;
}

// A small file with one element of every kind the host keeps, a reference and a named style.
std::string dessinComplet() {
  fx::DesignBuilder b;
  b.level(L"Niveau \u00e9");
  b.lineStyle(L"Style");
  b.header().coordinateSystem = L"RGF93.CC47";
  b.add(fx::line({0, 0, 0}, {1000, 1000, 0}).level(1).linkage(1).colour(3).weight(2).style(100));
  b.add(fx::lineString({{0, 0, 0}, {1000, 0, 0}, {2000, 2000, 0}}));
  b.add(fx::shape({{0, 0, 0}, {1000, 0, 0}, {1000, 1000, 0}}).fill(4));
  b.add(fx::arc({0, 0, 0}, 500, 0, std::numbers::pi / 2));
  b.add(fx::ellipse({0, 0, 0}, 500, 300, 0.5));
  b.add(fx::chain({fx::line({0, 0, 0}, {1, 0, 0}), fx::arc({1, 1, 0}, 1, 0, 1)}));
  b.add(fx::complexShape({fx::lineString({{0, 0, 0}, {5, 0, 0}, {5, 5, 0}}), fx::line({5, 5, 0}, {0, 0, 0})}));
  b.add(fx::text(L"TEXTE", {100, 100, 0}).justification(2).angle(0.3));
  b.add(fx::textNode({fx::text(L"A", {0, 0, 0}), fx::fieldText(L"B", {0, 500, 0})}));
  b.add(fx::cell(L"CELLULE", {0, 0, 0}, {fx::textNode({fx::text(L"a", {0, 0, 0})}), fx::rectangle({0, 0, 0}, {1, 1, 0}),
                                          fx::cell(L"IMBRIQUEE", {0, 0, 0}, {fx::line({0, 0, 0}, {1, 1, 0})})}));
  b.add(fx::sharedCell(L"PARTAGEE", {0, 0, 0}, host::Range3d::from({0, 0, 0}, {100, 100, 0})));
  b.add(fx::dimension({{0, 0, 0}, {3000, 0, 0}}, {fx::text(L"3", {1000, 100, 0})}));
  b.add(fx::data({0x44, 0x45}));
  b.model(L"Second");
  b.add(fx::text(L"Z", {0, 0, 0}));
  b.reference({L"R", L"r.dgn", L"", host::Transform::identity(), false, {{1, {1}}}});
  return b.file().toJson();
}

void dessins() {
  graine("design_file", "complet.dgn", dessinComplet());
  fx::DesignBuilder vide;
  graine("design_file", "vide.dgn", vide.file().toJson());
  const fs::path tmp = racine / ".plans";
  fs::create_directories(tmp);
  const std::wstring plan = plan_fixture::enregistrer(plan_fixture::planUnique(), fx::large(tmp));
  graine("verification_plan", "plan_propre.dgn", fichier(host::paths::toNative(plan).string()));
  graine("verification_plan", "complet.dgn", dessinComplet());
  // The network plan with its groups, flags, PTR cells and raccords: every network stage runs.
  const std::wstring reseau = plan_fixture::enregistrer(plan_fixture::planReseauGroupes(), fx::large(tmp / "reseau"));
  graine("verification_plan", "plan_reseau.dgn", fichier(host::paths::toNative(reseau).string()));
  fs::remove_all(tmp);
}

void parametres() {
  const fs::path tmp = racine / ".parametres";
  if (!plan_fixture::ecrireParametres(fx::large(tmp))) echec = true;
  // The first byte chooses the file the rest stands for.
  const char* const fichiers[] = {"Prototype.dgn", "Emprise_Projection.ini", "Emprise_Dept_Proj.ini",
                                  "Prefixe_Texte_Valide.ini"};
  for (int k = 0; k < 4; ++k)
    graine("parametres", fichiers[k], static_cast<char>('0' + k) + fichier(tmp / fichiers[k]));
  fs::remove_all(tmp);
}

void ressources() {
  for (const char* f : {"tolvek.json", "brevane.json"})
    graine("resource_file", f, fichier(fs::path(PROJECT_SOURCE_DIR) / "resources" / f));
  graine("config_file", "cadhost.cfg",
         "# Poste de test\nTOLVEK_RACINE=/tmp/travail\r\n  TOLVEK_PARAM=/tmp/parametres\n\nTOLVEK_TRACE=1\n"
         "BREVANE_MAFILE=brevane.json\nVIDE=\n");
}

void journaux() {
  graine("level_audit", "trouve.txt",
         "LevelAudit - rapport des tables de niveaux principales\nMESSAGE : audit du fichier /l/PLAN.dgn\n"
         "ERREUR : 2 tables de niveaux principales dans le fichier\n");
  graine("level_audit", "propre.txt",
         "LevelAudit - rapport des tables de niveaux principales\nMESSAGE : audit du fichier /l/PLAN.dgn\n"
         "INFO : une table de niveaux principale\n");
  graine("level_audit", "sans_fichier.txt",
         "LevelAudit - rapport des tables de niveaux principales\nMESSAGE : aucun fichier de dessin actif\n");
}

void pressePapier() {
  const std::vector<std::wstring> textes = stbxml_fixture::textesGml();
  for (std::size_t i = 0; i < textes.size(); ++i) {
    graine("stb_xml", "gml_" + std::to_string(i) + ".utf16", utf16(textes[i]));
    graine("presse_papier", "gml_" + std::to_string(i) + ".utf16", utf16(textes[i]));
  }
  graine("presse_papier", "nombres.utf16", utf16(L"652000.5,6862000.25"));
  graine("presse_papier", "nombres_crlf.utf16", utf16(L"-1.5,2\r\n"));
}

// The summary, errors and compare CSVs of the harness's folder, as the engine writes them.
void recuperation() {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  const fs::path tmp = racine / ".recuperation";
  fs::create_directories(tmp / "Livre");
  for (const char* f : {"PLAN01.dgn", "PLAN02.FP2", "PLAN02.EL2", "PLAN02.AR2"}) {
    std::ofstream(tmp / "Livre" / f) << "plan";
    boost::system::error_code ec;
    boost::filesystem::last_write_time((tmp / "Livre" / f).string(), 1796140800, ec);
  }
  verdossier dossier;
  dossier.repLivre = fx::large(tmp / "Livre") + L"/";
  verplan un, deux;
  un.nom = L"PLAN01.dgn";
  un.type = 1;
  un.statuts = {1, 2, 0, -1, -1, -1};
  deux.nom = L"PLAN02";
  deux.type = 2;
  deux.statuts = {0, 2, -1, 0, 1, 6};
  vererreur erreur;
  erreur.fichier = L"PLAN01.DGN";
  erreur.code = 2011;
  erreur.message = L"Niveau non autoris\u00e9";
  erreur.complement = L"Niveau Topo4Divers";
  erreur.niveau = 1;
  erreur.idElement = 1234;
  erreur.aPosition = true;
  erreur.position = {1355000000.0, 6234000000.0, 0};
  erreur.objet = L"Ligne";
  vererreur sansPosition = erreur;
  sansPosition.aPosition = false;
  sansPosition.idElement = 0;
  verecart ecart;
  ecart.fichier = L"PLAN01.DGN";
  ecart.role = 1;
  ecart.idLivre = 1234;
  ecart.type = 4;
  ecart.longueur = 12.5;
  ecart.statut = 2;
  ecart.source = 1;
  ecart.niveau = L"Topo4Divers";
  ecart.objet = L"Ligne";
  verecart supprime = ecart;
  supprime.statut = 3;
  supprime.idLivre = 0;
  supprime.idOrigine = 99;
  un.erreurs = {erreur, sansPosition};  // the count the summary records, which the errors CSV must match
  const std::string bilan = latin1({rapport_enteteBilan, rapport_ligneBilan(un, dossier), rapport_ligneBilan(deux, dossier)});
  const std::string erreurs = latin1({rapport_enteteErreurs, rapport_ligneErreur(erreur), rapport_ligneErreur(sansPosition)});
  const std::string compare =
      latin1({rapport_enteteComparaison, rapport_ligneComparaison(ecart), rapport_ligneComparaison(supprime)});
  graine("recuperation", "complet.csv", bilan + "\f" + erreurs + "\f" + compare);
  graine("recuperation", "bilan_seul.csv", bilan);
  fs::remove_all(tmp);
  graine("quadrigramme", "Quadrigramme.csv", "Plan;Actualiser;Valeur\r\nPLAN01.dgn;Oui;TALV\r\nAUTRE;Non;\r\n");
  graine("quadrigramme", "vide.csv", "");
}

void signatures() {
  const fs::path tmp = racine / ".signature";
  fs::create_directories(tmp);
  std::ofstream(tmp / "PLAN01.dgn", std::ios::binary) << "{}\n";
  std::ofstream(tmp / "AUTRE.dgn", std::ios::binary) << "autre";
  if (!plan_fixture::ecrireListeSignature(fx::large(tmp))) echec = true;
  graine("signature_liste", "Signature.json", fichier(tmp / "Signature" / "Signature.json"));
  fs::remove_all(tmp);

  // The record of the harness's plan, without its own element, as the signer writes it.
  fx::DesignBuilder b;
  b.level(L"Signature", 20);
  b.level(L"Reseau", 7);
  b.add(fx::line({0, 0, 0}, {1000, 0, 0}).level(7).colour(3).weight(2));
  b.add(fx::text(L"A", {0, 0, 0}).level(7));
  const host::ElementId id = fx::sign(b.file());
  const host::Element* e = b.file().models[0].find(id);
  graine("signature_enregistrement", "signe.bin", e ? std::string(e->data.begin(), e->data.end()) : "");
  graine("signature_enregistrement", "court.bin", std::string(36, '\0'));
}

void shell() {
  graine("shell", "vues.cadhost",
         "help\nviews\nview 1 on\narea 1 0 0 1000 1000\nfit 1\nsvg 1 vue.svg\nview 1 off\nselection\nhighlights\n"
         "references\n");
  graine("shell", "commandes.cadhost",
         "# commentaire\necho \"dit \\\"oui\\\"\"\ncfg A=1\nclipboard set 1,2\nclipboard\nclipboard refuse\n"
         "clock 2026-12-01 12:00:00\nanswer yes\npick cancel\ndialogs\nshow 2\napps\ndocuments\ncommands\n"
         "at-pump echo x\nkeyin levelaudit report mastertables\npoint 1 0 0\nreset\ndefault\nquit\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage : fuzz_graines <dossier>\n";
    return 2;
  }
  racine = fs::absolute(argv[1]);
  dessins();
  parametres();
  ressources();
  journaux();
  pressePapier();
  recuperation();
  signatures();
  shell();
  if (echec) std::cerr << "des graines n'ont pas pu être écrites\n";
  return echec ? 1 : 0;
}
