// Bringing the footprint drawing up to date.
#include "engine/emprise_dessin.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "engine/emprise_lecture.h"
#include "engine/emprise_polygone.h"
#include "host/commands.h"
#include "host/completion_bar.h"
#include "toolbox/stb_date.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_proj.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t echec = 0x8000;
constexpr int modeListeMessages = 4;

// The drawing opened for writing once for the whole update, closed at its end.
class dessinOuvert {
 public:
  explicit dessinOuvert(const std::wstring& chemin) : chemin_(chemin) {}
  dessinOuvert(const dessinOuvert&) = delete;
  dessinOuvert& operator=(const dessinOuvert&) = delete;
  ~dessinOuvert() {
    if (modele_) stbDgn_fermerFichier(modele_);  // the active model stays open
  }
  // The drawing's model, opened on the first call; null when it does not open for writing.
  host::ModelRef modele() {
    if (!essaye_) {
      essaye_ = true;
      if (stbDgn_ouvrirFichier(&modele_, nullptr, nullptr, chemin_, L"", false) != 0) modele_ = host::ModelRef{};
    }
    return modele_;
  }

 private:
  std::wstring chemin_;
  bool essaye_ = false;
  host::ModelRef modele_;
};

void effacer(const veremprise& emprise, host::ModelRef modele) {
  if (host::readElement(modele, emprise.idForme) != nullptr) host::deleteElement(modele, emprise.idForme);
  if (host::readElement(modele, emprise.idLibelle) != nullptr) host::deleteElement(modele, emprise.idLibelle);
}

void avertir(const verplaninfo& plan) {
  stbMsg_afficher(modeListeMessages, L"",
                  stbStr_toString(L"AVERTISSEMENT. Impossible de créer l'emprise associée au plan %s.", plan.chemin));
}

// The plan's footprint is outdated when its file's last write cannot be read or is later than
// the drawing's.
bool perimee(const std::wstring& cheminPlan, const std::wstring& dateDessin, const std::wstring& heureDessin) {
  std::wstring date, heure;
  if (stbFichier_dateModification(&date, &heure, 0, cheminPlan) != 0) return true;
  return stbDate_comparer(dateDessin, date, heureDessin, heure) == -1;
}

}  // namespace

std::function<bool(const std::wstring&)> emprise_polygonesUtiles(const std::wstring& cheminDessin) {
  std::wstring date, heure;
  if (!stbFichier_existe(cheminDessin) || stbFichier_dateModification(&date, &heure, 0, cheminDessin) != 0)
    return [](const std::wstring&) { return true; };
  return [date, heure](const std::wstring& chemin) { return perimee(chemin, date, heure); };
}

std::int32_t emprise_mettreAJour(std::vector<veremprise>& emprises, const std::wstring& chemin,
                                 const versymbologie& symbologieForme, const versymbologie& symbologieLibelle,
                                 const verprojection& projectionDossier, std::vector<verplaninfo>& plans,
                                 verprogression& progression) {
  try {
    for (veremprise& e : emprises) e.cree = 0;
    std::wstring dateDessin, heureDessin;
    if (stbFichier_dateModification(&dateDessin, &heureDessin, 0, chemin) != 0) return echec;
    if (plans.empty()) return 0;
    std::int32_t resultat = 0;
    dessinOuvert dessin(chemin);
    const int n = static_cast<int>(plans.size());
    for (int k = 1; k <= n; ++k) {
      verplaninfo& plan = plans[static_cast<std::size_t>(k - 1)];
      const std::int32_t existante = emprise_chercher(plan.libelleEmprise, emprises);
      if (existante >= 0 && !perimee(plan.chemin, dateDessin, heureDessin)) continue;
      if (!plan.georeference) continue;  // an outdated footprint of it stays
      const host::ModelRef modele = dessin.modele();
      if (!modele) {
        stbMsg_afficher(modeListeMessages, L"", stbStr_toString(L"Impossible d'ouvrir le fichier %s.", chemin));
        return echec;
      }
      if (progression.barre != 0) {
        progression.courant = progression.debut + (progression.fin - progression.debut) * k / n;
        host::completion_bar::update(progression.barre, stbStr_toString(L"%s (%d/%d).", progression.texte, k, n),
                                     progression.courant);
        host::commands::pumpMessages();
      }
      versymbologie forme = symbologieForme;
      versymbologie libelle = symbologieLibelle;
      if (existante >= 0) {
        // Redrawn with the symbology of the footprint it replaces.
        const veremprise ancienne = emprises[static_cast<std::size_t>(existante)];
        effacer(ancienne, modele);
        forme = ancienne.symbologieForme;
        libelle = ancienne.symbologieLibelle;
        emprises.erase(emprises.begin() + existante);
      }
      std::vector<host::Point3d> polygone;
      std::uint32_t calcul = 0;
      if (plan.polygoneEmprise) {
        // Worked out for this drawing by the frame pass: used once.
        calcul = plan.polygoneEmprise->first;
        polygone = std::move(plan.polygoneEmprise->second);
        plan.polygoneEmprise.reset();
      } else {
        calcul = emprise_calculerPolygone(polygone, plan.chemin);
      }
      if (calcul != 0) {
        avertir(plan);
        continue;
      }
      if (!plan.projection.cleSysteme.empty() && !projectionDossier.cleSysteme.empty())
        stbProj_reprojeter(polygone, plan.projection, projectionDossier, modele);
      if (emprise_creer(emprises, forme, libelle, polygone, plan, modele) != 0) {
        avertir(plan);
        resultat = echec;
      }
    }
    return resultat;
  } catch (...) {
    return echec;
  }
}

std::int32_t dossier_creerEmprises(vercontexte& ctx, std::wstring& message) {
  try {
    if (!stbFichier_existe(ctx.fichierEmprises)) {
      if (stbFichier_copier(ctx.fichierPrototype, ctx.fichierEmprises) != 0) {
        message = stbStr_toString(L"Impossible de copier le fichier %s en %s.", ctx.fichierPrototype, ctx.fichierEmprises);
        return echec;
      }
      stbProj_affecterSysteme(ctx.projectionDossier, host::ModelRef{}, ctx.fichierEmprises);
    }
    std::vector<veremprise> emprises;
    emprise_chargerFichier(emprises, ctx.fichierEmprises, {}, {});

    verprogression progression;
    progression.texte = L"Création des emprises";
    progression.total = static_cast<int>(ctx.planInfos.size());
    progression.barre = host::completion_bar::open(L"Vérification des plans");
    host::completion_bar::update(progression.barre, progression.texte, 0);
    host::commands::pumpMessages();
    emprise_mettreAJour(emprises, ctx.fichierEmprises, versymbologie{}, versymbologie{}, ctx.projectionDossier,
                        ctx.planInfos, progression);
    host::completion_bar::close(progression.barre);

    for (std::size_t i = 0; i < ctx.planInfos.size(); ++i) {
      verplaninfo& plan = ctx.planInfos[i];
      const std::int32_t trouvee = emprise_chercher(plan.libelleEmprise, emprises);
      if (trouvee >= 0) {
        veremprise& e = emprises[static_cast<std::size_t>(trouvee)];
        e.indexPlan = static_cast<std::int32_t>(i);
        plan.emprise = e;
      }
      plan.masqueTheme = 62;
      plan.masqueReseau = 62;
    }

    // Footprints of plans no longer in the folder are deleted.
    if (std::any_of(emprises.begin(), emprises.end(), [](const veremprise& e) { return e.indexPlan == -1; })) {
      host::ModelRef modele;
      if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, ctx.fichierEmprises, L"", false) == 0) {
        for (const veremprise& e : emprises)
          if (e.indexPlan == -1) effacer(e, modele);
        stbDgn_fermerFichier(modele);
      }
    }
    return 0;
  } catch (...) {
    return echec;
  }
}
