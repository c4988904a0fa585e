#include "engine/dossier.h"

#include <unistd.h>

#include <boost/filesystem/operations.hpp>

#include "engine/emprise_dessin.h"
#include "engine/plan_construire.h"
#include "engine/plan_fichier.h"
#include "engine/projection.h"
#include "host/paths.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

bool estSeparateur(wchar_t c) { return c == L'/' || c == L'\\'; }

// The path with a separator at its end.
std::wstring dossier_avecSeparateur(const std::wstring& chemin) {
  if (!chemin.empty() && estSeparateur(chemin.back())) return chemin;
  return chemin + L"/";
}

// A relative folder path (a user's command line) is taken from the working directory, so that
// "DOSSIER/" and "/abs/DOSSIER" name the same folder. An empty path stays empty.
std::wstring dossier_cheminAbsolu(const std::wstring& chemin) {
  if (chemin.empty() || estSeparateur(chemin.front())) return chemin;
  boost::system::error_code ec;
  const auto courant = boost::filesystem::current_path(ec);
  if (ec) return chemin;
  return dossier_avecSeparateur(host::paths::fromNative(courant)) + chemin;
}

// parent + name + separator.
std::wstring dossier_joindre(const std::wstring& parent, const std::wstring& nom) {
  return stbStr_toString(L"%s%s%s", parent, nom, std::wstring(L"/"));
}

// A working directory of the folder, created when missing.
std::int32_t dossier_creerRepertoire(std::wstring& message, const std::wstring& repertoire) {
  if (stbFichier_dossierExiste(repertoire)) return verifSucces;
  if (stbFichier_creerDossier(repertoire) == 0 && stbFichier_dossierExiste(repertoire)) return verifSucces;
  message = stbStr_toString(L"Impossible de cr\u00e9er le r\u00e9pertoire %s.", repertoire);
  return verifErreurDossier;
}

std::int32_t dossier_fichierIntrouvable(std::wstring& message, const std::wstring& chemin) {
  message = stbStr_toString(L"Fichier %s introuvable.", chemin);
  return verifErreurParametres;
}

}  // namespace

std::int32_t dossier_initialiser(vercontexte& ctx, std::wstring& message, verdossier& dossier, std::uint8_t scan) {
  ctx.initialise = false;
  const std::wstring repertoire = dossier_avecSeparateur(dossier_cheminAbsolu(dossier.repertoire));
  const std::wstring parametres = dossier_avecSeparateur(dossier.repParametres);

  // The folder's name is its path's last non-empty component (".../Livraison//" names
  // "Livraison"); the root alone names no folder.
  std::vector<std::wstring> parties(1);
  for (wchar_t c : repertoire) {
    if (!estSeparateur(c))
      parties.back() += c;
    else if (!parties.back().empty())
      parties.emplace_back();
  }
  if (parties.size() < 2) return verifErreurDossier;
  ctx.nom = parties[parties.size() - 2];
  ctx.repertoire = repertoire;
  ctx.repParametres = parametres;

  if (!stbFichier_dossierExiste(parametres)) {
    message = stbStr_toString(L"R\u00e9pertoire %s introuvable.", parametres);
    return verifErreurParametres;
  }
  ctx.fichierPrototype = parametres + L"Prototype.dgn";
  if (!stbFichier_existe(ctx.fichierPrototype)) return dossier_fichierIntrouvable(message, ctx.fichierPrototype);

  ctx.repRapport = dossier_joindre(repertoire, L"Rapport");
  if (const auto rc = dossier_creerRepertoire(message, ctx.repRapport)) return rc;
  ctx.fichierBilan = ctx.repRapport + stbStr_toString(L"%s_%s", ctx.nom, std::wstring(L"Bilan.csv"));
  ctx.repErreur = dossier_joindre(ctx.repRapport, L"Erreur");
  if (const auto rc = dossier_creerRepertoire(message, ctx.repErreur)) return rc;
  ctx.repComparaison = dossier_joindre(ctx.repRapport, L"Comparaison");
  if (const auto rc = dossier_creerRepertoire(message, ctx.repComparaison)) return rc;
  ctx.repTemp = dossier_joindre(repertoire, L"Temp");
  if (const auto rc = dossier_creerRepertoire(message, ctx.repTemp)) return rc;
  ctx.fichierEmprises = ctx.repTemp + L"Emprises.dgn";
  // Temporary files of a run killed between writing and renaming.
  if (scan == dossierLister)
    for (const std::wstring* rep : {&ctx.repRapport, &ctx.repErreur, &ctx.repComparaison, &ctx.repTemp})
      stbFichier_supprimerProvisoires(*rep);

  ctx.fichierProjections = parametres + L"Emprise_Projection.ini";
  ctx.fichierDeptProj = parametres + L"Emprise_Dept_Proj.ini";
  ctx.fichierPrefixes = parametres + L"Prefixe_Texte_Valide.ini";
  if (!stbFichier_existe(ctx.fichierProjections)) return dossier_fichierIntrouvable(message, ctx.fichierProjections);
  if (!stbFichier_existe(ctx.fichierDeptProj)) return dossier_fichierIntrouvable(message, ctx.fichierDeptProj);
  ctx.projections.clear();
  ctx.deptProjections.clear();
  dossier_lireProjections(ctx);
  if (ctx.projections.empty()) {
    message = L"Erreur dans la d\u00e9finition des projections.";
    return verifErreurParametres;
  }
  if (ctx.deptProjections.empty()) {
    message = L"Erreur dans la d\u00e9finition des relations entre d\u00e9partements et projections.";
    return verifErreurParametres;
  }
  if (!stbFichier_existe(ctx.fichierPrefixes)) return dossier_fichierIntrouvable(message, ctx.fichierPrefixes);
  stbFichier_lireLignes(ctx.prefixesTexte, ctx.fichierPrefixes);

  ctx.repLivre = dossier_joindre(repertoire, L"Livre");
  if (!stbFichier_dossierExiste(ctx.repLivre)) {
    message = L"Le r\u00e9pertoire des donn\u00e9es livr\u00e9es n'existe pas.";
    return verifErreurDossier;
  }

  ctx.planInfos.clear();
  if (scan == dossierLister) {
    dossier_listerFichiers(ctx.planInfos, ctx.repLivre, emprise_polygonesUtiles(ctx.fichierEmprises));
    dossier_listerPlans(ctx.planInfos, ctx.repLivre);
    dossier_ecarterHomonymes(ctx.planInfos, ctx.repLivre);
  } else {
    for (const verplan& plan : dossier.plans) {
      verplanfichiers fichiers;
      plan_construire(fichiers, plan.nom, plan.type, plan.version, plan.projection, ctx.repLivre);
      verplaninfo info;
      plan_copierIdentite(info, fichiers, 0);
      ctx.planInfos.push_back(std::move(info));
    }
  }
  for (verplaninfo& info : ctx.planInfos) {
    info.projection = projection_rechercher(info.projection.codeCourt, L"");
    if (stbFichier_lectureSeule(info.chemin)) info.lectureSeule = true;
    if (info.type == 2) {
      std::wstring el2;
      std::wstring ar2;
      stbFichier_composer(ar2, L"", L"", L"AR2", info.chemin);
      if (stbFichier_lectureSeule(plan_fichierTheme(el2, themeEL2, info)) || stbFichier_lectureSeule(ar2))
        info.lectureSeule = true;
    }
  }
  if (scan == dossierLister && ctx.planInfos.empty()) {
    message = L"Le r\u00e9pertoire des donn\u00e9es livr\u00e9es ne contient aucun plan.";
    return verifErreurDossier;
  }

  // Origine is neither required nor created here.
  ctx.repOrigine = dossier_joindre(repertoire, L"Origine");
  ctx.fichierSignature = ctx.repOrigine + L"Signature/Signature.json";

  if (scan == dossierLister) {
    if (dossier_controlerProjections(ctx, message) != 0) return verifErreurDossier;
    if (dossier_creerEmprises(ctx, message) != 0) return verifErreurDossier;
  }
  ctx.initialise = true;
  return verifSucces;
}

std::int32_t dossier_charger(verdossier& dossier, std::wstring& message, const std::wstring& repertoire,
                             const std::wstring& repParametres) {
  dossier.repertoire = repertoire;
  dossier.repParametres = repParametres;
  vercontexte ctx;
  if (const auto rc = dossier_initialiser(ctx, message, dossier, dossierLister)) return rc;

  dossier.nom = ctx.nom;
  dossier.initialise = ctx.initialise;
  dossier.repertoire = ctx.repertoire;
  dossier.repLivre = ctx.repLivre;
  dossier.repOrigine = ctx.repOrigine;
  dossier.repRapport = ctx.repRapport;
  dossier.repErreur = ctx.repErreur;
  dossier.repComparaison = ctx.repComparaison;
  dossier.repParametres = ctx.repParametres;
  dossier.fichierBilan = ctx.fichierBilan;
  dossier.fichierEmprises = ctx.fichierEmprises;
  dossier.projection = ctx.projectionDossier.cleSysteme;
  for (const verplaninfo& info : ctx.planInfos) {
    verplan plan;
    plan.nom = info.nomPlan;
    plan.type = (info.type == 1 || info.type == 2) ? static_cast<std::int32_t>(info.type) : 0;
    plan.version = (info.version == 1 || info.version == 2) ? static_cast<std::int32_t>(info.version) : 0;
    plan.statuts.fill(-1);
    plan.projection = info.projection.cleSysteme;
    plan.emprise = info.etendue;
    plan.lectureSeule = info.lectureSeule;
    plan.fichierErreurs = stbStr_toString(L"%s%s_%s.%s", dossier.repErreur, info.nomPlan, std::wstring(L"Erreurs"),
                                          std::wstring(L"csv"));
    plan.fichierCompare = stbStr_toString(L"%s%s_%s.%s", dossier.repComparaison, info.nomPlan,
                                          std::wstring(L"Compare"), std::wstring(L"csv"));
    dossier.plans.push_back(std::move(plan));
  }
  return verifSucces;
}
