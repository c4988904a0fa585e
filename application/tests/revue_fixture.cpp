#include "application/tests/revue_fixture.h"

#include <algorithm>
#include <set>

#include "application/description.h"
#include "application/erreurs.h"
#include "host/config.h"
#include "host/element.h"
#include "host/fixture/design_builder.h"
#include "toolbox/stb_str.h"

namespace revue_fixture {

namespace {

// The elements of a file's default model by type, in file order.
std::map<int, std::vector<const host::Element*>> parType(const host::DesignFile& f) {
  std::map<int, std::vector<const host::Element*>> r;
  for (const host::Element* e : f.models.at(0).elements()) r[e->type].push_back(e);
  return r;
}

std::set<host::ElementId> idsDe(const host::DesignFile& f) {
  std::set<host::ElementId> r;
  for (const host::Element* e : f.models.at(0).elements()) r.insert(e->id);
  return r;
}

host::Point3d premierPoint(const host::Element& e) {
  if (!e.points.empty()) return e.points.front();
  if (e.text) return e.text->origin;
  if (e.cell) return e.cell->origin;
  if (e.arc) return e.arc->centre;
  return host::elementRange(e).low;
}

host::DesignFile charger(const std::wstring& chemin) {
  auto f = host::DesignFile::load(chemin);
  EXPECT_TRUE(f.has_value()) << "fichier illisible";
  return f ? *f : host::DesignFile{};
}

vererreur erreur(const std::wstring& fichier, host::ElementId id, std::uint32_t niveau, const std::wstring& message,
                 const std::wstring& complement, const host::Point3d* position) {
  vererreur e;
  e.fichier = fichier;
  e.code = 2011;
  e.niveau = niveau;
  e.idElement = id;
  e.message = message;
  e.complement = complement;
  e.aPosition = position != nullptr;
  if (position) e.position = *position;
  e.uorParMaitre = kUorParMaitre;
  return e;
}

verecart ecart(std::uint32_t statut, const std::wstring& fichier, std::uint32_t role, int type, host::ElementId livre,
               host::ElementId origine, const std::wstring& objet) {
  verecart e;
  e.statut = statut;
  e.fichier = fichier;
  e.role = role;
  e.type = static_cast<std::uint32_t>(type);
  e.idLivre = livre;
  e.idOrigine = origine;
  e.source = statut == 3 ? 2 : 1;
  e.objet = objet;
  return e;
}

// Types of the rows the comparison results add and remove.
constexpr int kTypes[] = {2, 3, 4, 6, 7, 12, 14, 15, 16, 17, 33, 35};

}  // namespace

void ecrireRevue(const fs::path& racine, pf::CheminsDemo& chemins, verdossier& d, Ids& i) {
  std::wstring message;
  ASSERT_TRUE(pf::ecrireDemo(racine.wstring(), chemins, message));

  // Two lines with ids above 32 bits in the delivered one-file plan.
  const std::wstring nomUnique = pf::demoPropreUnique;
  const std::wstring cheminUnique = chemins.livre + L"/" + nomUnique;
  {
    host::DesignFile f = charger(cheminUnique);
    const auto types = parType(f);
    const host::Element modele = *(types.count(4) ? types.at(4).front() : types.at(3).front());
    double decalage = 1000.0;
    for (host::ElementId id : {kIdGrand, kIdTresGrand}) {
      host::Element e = modele;
      e.id = 0;
      e.filePosition = 0;
      for (host::Point3d& p : e.points) p.x += decalage;
      decalage += 1000.0;
      f.setNextElementId(id);
      ASSERT_EQ(f.add(0, e), id);
    }
    ASSERT_TRUE(f.save(cheminUnique));
  }
  // A line of the delivered EL2 file under an id that its FP2 file does not have.
  const std::wstring cheminEl2 = chemins.livre + L"/" + std::wstring(pf::demoPropreTrois) + L".EL2";
  {
    host::DesignFile f = charger(cheminEl2);
    host::Element e = *f.models.at(0).elements().front();
    for (const host::Element* x : f.models.at(0).elements())
      if (x->type == host::ElementType::Line || x->type == host::ElementType::LineString) {
        e = *x;
        break;
      }
    e.id = 0;
    e.filePosition = 0;
    f.setNextElementId(kIdEl2);
    ASSERT_EQ(f.add(0, e), kIdEl2);
    ASSERT_TRUE(f.save(cheminEl2));
  }
  ASSERT_TRUE(pf::dater(chemins.livre));

  host::config::set(L"TOLVEK_PARAM", chemins.parametres);
  ASSERT_EQ(verif_initialiserDossier(d, message, chemins.livraison), 0);
  host::resetModels();

  // Ids picked in the files.
  const host::DesignFile livreUnique = charger(cheminUnique);
  const host::DesignFile origineUnique = charger(chemins.origine + L"/" + nomUnique);
  const auto typesLivre = parType(livreUnique), typesOrigine = parType(origineUnique);
  const auto lignes = typesLivre.count(4) ? typesLivre.at(4) : typesLivre.at(3);
  i.ligne = lignes.front()->id;
  i.texte = typesLivre.at(17).front()->id;
  i.cellule = typesLivre.at(2).front()->id;
  const std::set<host::ElementId> dansLivre = idsDe(livreUnique), dansOrigine = idsDe(origineUnique);
  i.absent = 2999999999ULL;
  ASSERT_FALSE(dansLivre.count(i.absent));
  for (int type : kTypes) {
    i.ajoutes[type] = typesLivre.count(type) ? typesLivre.at(type).back()->id : 900000 + type;
    i.supprimes[type] = typesOrigine.count(type) ? typesOrigine.at(type).back()->id : 800000 + type;
  }
  std::set<host::ElementId> pris;
  for (const auto& [type, id] : i.ajoutes) pris.insert(id);
  for (const auto& [type, id] : i.supprimes) pris.insert(id);
  for (host::ElementId id : dansOrigine)
    if (dansLivre.count(id) && !pris.count(id)) {
      i.commun = id;
      break;
    }
  ASSERT_NE(i.commun, 0u);

  const std::wstring nomTrois = pf::demoPropreTrois;
  const host::DesignFile fp2 = charger(chemins.livre + L"/" + nomTrois + L".FP2");
  const host::DesignFile el2 = charger(chemins.livre + L"/" + nomTrois + L".EL2");
  const host::DesignFile ar2 = charger(chemins.livre + L"/" + nomTrois + L".AR2");
  i.fp2 = fp2.models.at(0).elements().front()->id;
  i.el2 = el2.models.at(0).elements().front()->id;
  i.ar2 = ar2.models.at(0).elements().front()->id;
  ASSERT_FALSE(idsDe(fp2).count(kIdEl2));

  // The last verification, written as the library writes it.
  const auto indexDe = [&d](const std::wstring& nom) {
    for (std::size_t k = 0; k < d.plans.size(); ++k)
      if (stbStr_comparer(d.plans[k].nom, nom, false) == 0) return static_cast<std::int32_t>(k);
    return -1;
  };
  const std::int32_t u = indexDe(nomUnique), t = indexDe(nomTrois), s = indexDe(kNomSansErreur);
  ASSERT_GE(u, 0);
  ASSERT_GE(t, 0);
  ASSERT_GE(s, 0);
  {
    verplan& p = d.plans[static_cast<std::size_t>(u)];
    const host::Element& ligne = *livreUnique.models.at(0).find(i.ligne);
    const host::Point3d pLigne = premierPoint(ligne);
    const host::Point3d pTexte = premierPoint(*livreUnique.models.at(0).find(i.texte));
    const host::Point3d pCellule = premierPoint(*livreUnique.models.at(0).find(i.cellule));
    const host::Point3d pGrand = premierPoint(*livreUnique.models.at(0).find(kIdGrand));
    p.erreurs = {
        erreur(nomUnique, i.ligne, 1, L"Ligne hors norme", L"couleur 3", &pLigne),
        erreur(nomUnique, i.texte, 2, L"Texte hors norme", L"", &pTexte),
        erreur(nomUnique, i.cellule, 0, L"Cellule hors norme", L"\u00e9chelle", &pCellule),
        erreur(nomUnique, 0, 1, L"Plan sans cartouche", L"", &pLigne),
        erreur(nomUnique, i.ligne, 10, L"Ligne sans position", L"", nullptr),
        erreur(nomUnique, kIdGrand, 1, L"Grand identifiant", L"", &pGrand),
        erreur(nomUnique, kIdTresGrand, 1, L"Tr\u00e8s grand identifiant", L"", &pGrand),
        erreur(nomUnique, i.absent, 2, L"Identifiant absent", L"", &pLigne),
    };
    for (int type : kTypes) {
      p.ecarts.push_back(ecart(2, nomUnique, 1, type, i.ajoutes[type], 0, stbStr_toString(L"Ajout%d", type)));
      p.ecarts.push_back(ecart(3, nomUnique, 1, type, 0, i.supprimes[type], stbStr_toString(L"Suppr%d", type)));
    }
    const int typeCommun = origineUnique.models.at(0).find(i.commun)->type;
    p.ecarts.push_back(ecart(3, nomUnique, 1, typeCommun, 0, i.commun, L"Commun"));
    for (std::uint32_t statut : {1u, 5u, 6u})
      p.ecarts.push_back(ecart(statut, nomUnique, 1, 3, i.ligne, i.ligne, stbStr_toString(L"Statut%d", statut)));
    p.statuts = {1, 2, 0, -1, -1, -1};
  }
  {
    verplan& p = d.plans[static_cast<std::size_t>(t)];
    const host::Point3d origine{0, 0, 0};
    p.erreurs = {
        erreur(nomTrois + L".FP2", i.fp2, 0, L"Fond de plan", L"", &origine),
        erreur(nomTrois + L".EL2", i.el2, 1, L"\u00c9lectricit\u00e9", L"", &origine),
        erreur(nomTrois + L".AR2", i.ar2, 2, L"Autres r\u00e9seaux", L"", &origine),
    };
    p.ecarts = {ecart(1, nomTrois + L".EL2", 3, 3, i.el2, i.el2, L"Inchang\u00e9")};
    p.statuts = {1, 2, -1, 0, 0, 0};
  }
  d.plans[static_cast<std::size_t>(s)].statuts = {0, 2, -1, 0, 0, 0};
  for (std::int32_t k : {u, t, s}) {
    verplan& p = d.plans[static_cast<std::size_t>(k)];
    rapport_ecrireErreurs(p, d.repErreur);
    rapport_ecrireComparaison(p.fichierCompare, p.ecarts);
    rapport_ecrireBilan(p, d);
  }
  host::resetModels();
  host::config::clear();
}

void DossierRevu::SetUpTestSuite() {
  racine() = fs::absolute("revue_" + std::to_string(::getpid()));
  verdossier& d = revu();
  ecrireRevue(racine(), chemins(), d, ids());
  ASSERT_FALSE(::testing::Test::HasFatalFailure());
  const std::int32_t u = unique(), t = trois(), s = sansErreur();
  const std::size_t erreursUnique = d.plans[static_cast<std::size_t>(u)].erreurs.size();
  const std::size_t ecartsUnique = d.plans[static_cast<std::size_t>(u)].ecarts.size();
  for (verplan& p : d.plans) {
    p.erreurs.clear();
    p.ecarts.clear();
  }
  verprogression progression;
  progression.barre = host::completion_bar::open(L"Tolvek");
  dos_recupererVerification(d, progression);
  host::completion_bar::close(progression.barre);
  // Every list came back through the recovery.
  ASSERT_EQ(d.plans[static_cast<std::size_t>(u)].erreurs.size(), erreursUnique);
  ASSERT_EQ(d.plans[static_cast<std::size_t>(u)].ecarts.size(), ecartsUnique);
  ASSERT_EQ(d.plans[static_cast<std::size_t>(t)].erreurs.size(), 3u);
  ASSERT_EQ(d.plans[static_cast<std::size_t>(t)].ecarts.size(), 1u);
  ASSERT_TRUE(d.plans[static_cast<std::size_t>(s)].erreurs.empty());
  host::resetModels();
  host::config::clear();
}

void DossierRevu::SetUp() {
  ApplicationEnProcessus::SetUp();
  ASSERT_FALSE(revu().plans.empty());
  dlgErreurs = etatErreurs{};
  dlgDescription = etatDescription{};
  appTolvek.dossier = revu();
  TvkDlg.codeTheme = 4;
  // The working drawing: the prototype, with the level of the cursor cross.
  const fs::path travail = dir / "Travail";
  fs::create_directories(travail);
  host::DesignFile dessin = charger(chemins().parametres + L"/Prototype.dgn");
  if (!dessin.level(64)) dessin.addLevel(L"Niveau 64", 64);
  ASSERT_TRUE(dessin.save(travail / "Tolvek.dgn"));
  ASSERT_EQ(host::openActiveFile((travail / "Tolvek.dgn").wstring()), host::kSuccess);
  ASSERT_NE(host::dialogs::open(2), nullptr);
  host::messages::clearLog();
  host::commands::clearHistory();
}

host::ModelRef DossierRevu::reference(const std::wstring& chemin, const std::wstring& prefixe) {
  for (host::ModelRef r : host::references(host::activeModel())) {
    const host::ReferenceAttachment* a = host::attachment(r);
    if (a && stbStr_comparer(host::fileName(r), chemin, false) == 0 && stbStr_commencePar(a->logicalName, prefixe, true))
      return r;
  }
  return {};
}

std::vector<std::wstring> DossierRevu::nomsReferences() {
  std::vector<std::wstring> n;
  for (host::ModelRef r : host::references(host::activeModel())) n.push_back(host::attachment(r)->logicalName);
  return n;
}

}  // namespace revue_fixture
