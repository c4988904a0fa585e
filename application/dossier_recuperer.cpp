// Reading back the last verification of a folder from the CSV files the engine wrote then
// (engine/rapport.h): the summary, each plan's errors and its comparison with the previous
// version. Fields are separated by ";", the first line of each file is its header.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "application/dossier_ouvrir.h"
#include "engine/rapport.h"
#include "host/design_file.h"
#include "host/model_ref.h"
#include "toolbox/stb_date.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

const wchar_t* const dos_texteRecuperation = L"R\u00e9cup\u00e9ration de la v\u00e9rification pr\u00e9c\u00e9dente";

namespace {

constexpr std::int32_t kEchec = 0x8000;

// Fields of a summary line: plan, depth, four signature statuses, four dates.
constexpr std::size_t kChampsBilan = 13;
constexpr std::size_t kChampProfondeur = 1;
constexpr std::size_t kChampNbErreurs = 2;
constexpr std::size_t kChampNbCrees = 3;
constexpr std::size_t kChampNbSupprimes = 4;
constexpr std::size_t kChampStatutV2 = 5;
constexpr std::size_t kChampDateV2 = 9;
// Fields of an errors line and of a compare line.
constexpr std::size_t kChampsErreur = 9;
constexpr std::size_t kChampsEcart = 8;

bool chiffre(wchar_t c) { return c >= L'0' && c <= L'9'; }

// The whole field as an unsigned decimal integer no greater than `maximum`; false otherwise.
bool lireNaturel(const std::wstring& champ, std::uint64_t maximum, std::uint64_t& valeur) {
  std::size_t fin = 0;
  return stbStr_lireChiffres(valeur, champ, fin, maximum) && fin == champ.size();
}

bool lireU64(const std::wstring& champ, std::uint64_t& valeur) {
  return lireNaturel(champ, std::numeric_limits<std::uint64_t>::max(), valeur);
}

bool lireU32(const std::wstring& champ, std::uint32_t& valeur) {
  std::uint64_t n = 0;
  if (!lireNaturel(champ, std::numeric_limits<std::uint32_t>::max(), n)) return false;
  valeur = static_cast<std::uint32_t>(n);
  return true;
}

// The whole field as a signed 32-bit decimal integer.
bool lireI32(const std::wstring& champ, std::int32_t& valeur) {
  const bool negatif = !champ.empty() && champ[0] == L'-';
  const std::wstring chiffres = (!champ.empty() && (champ[0] == L'-' || champ[0] == L'+')) ? champ.substr(1) : champ;
  std::uint64_t n = 0;
  const std::uint64_t maximum = negatif ? 2147483648ULL : 2147483647ULL;
  if (!lireNaturel(chiffres, maximum, n)) return false;
  valeur = static_cast<std::int32_t>(negatif ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n));
  return true;
}

// The whole field as a finite decimal number within the range of a double: sign, digits with an
// optional "." part, optional exponent.
bool lireReel(const std::wstring& champ, double& valeur) {
  std::size_t i = 0;
  if (i < champ.size() && (champ[i] == L'-' || champ[i] == L'+')) ++i;
  std::size_t chiffres = 0;
  for (; i < champ.size() && chiffre(champ[i]); ++i) ++chiffres;
  if (i < champ.size() && champ[i] == L'.')
    for (++i; i < champ.size() && chiffre(champ[i]); ++i) ++chiffres;
  if (chiffres == 0) return false;
  if (i < champ.size() && (champ[i] == L'e' || champ[i] == L'E')) {
    ++i;
    if (i < champ.size() && (champ[i] == L'-' || champ[i] == L'+')) ++i;
    if (i >= champ.size() || !chiffre(champ[i])) return false;
    while (i < champ.size() && chiffre(champ[i])) ++i;
  }
  if (i != champ.size()) return false;
  // A number out of range ("1e400") is none, like garbage; the field is ASCII by now.
  const std::string texte(champ.begin() + (champ[0] == L'+' ? 1 : 0), champ.end());
  double v = 0.0;
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
  if (erreur != std::errc() || fin != texte.data() + texte.size() || !std::isfinite(v)) return false;
  valeur = v;
  return true;
}

// A number that a plan's drawing can give: finite and within the largest coordinate a design
// file holds. A report with a larger one was not written from a drawing.
bool dansLesBornes(double valeur) { return std::isfinite(valeur) && std::abs(valeur) <= host::kMaxCoordinate; }

std::uint32_t statutEcart(const std::wstring& mot) {
  if (mot == L"Inchang\u00e9") return 1;
  if (mot == L"Nouveau") return 2;
  if (mot == L"Supprime") return 3;
  if (mot == L"Erreur") return 6;
  return 0;
}

std::uint32_t roleFichier(const std::wstring& mot) {
  if (mot == L"V2") return 1;
  if (mot == L"V3_FDP") return 2;
  if (mot == L"V3_Elec") return 3;
  if (mot == L"V3_Autre") return 4;
  return 0;
}

// UORs per master unit of the delivered plan files, read once per file: the engine wrote each
// error's position with the units of the file that holds the element.
class unitesFichiers {
 public:
  explicit unitesFichiers(const std::wstring& repLivre) : repLivre_(repLivre) {}

  double uorParMaitre(const std::wstring& nomFichier) {
    const auto connu = unites_.find(nomFichier);
    if (connu != unites_.end()) return connu->second;
    double unite = rapport_uorParMaitreNorme;
    std::wstring chemin;
    stbFichier_composer(chemin, repLivre_, nomFichier, L"", L"");
    host::ModelRef modele;
    if (!nomFichier.empty() && stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) == 0) {
      const double u = host::uorPerSub(modele) * host::subPerMaster(modele);
      if (u > 0.0 && std::isfinite(u)) unite = u;
      stbDgn_fermerFichier(modele);
    }
    unites_[nomFichier] = unite;
    return unite;
  }

 private:
  std::wstring repLivre_;
  std::map<std::wstring, double> unites_;
};

// One line of the errors CSV; false for a line too short or with a number that is none.
bool lireErreur(vererreur& erreur, const std::wstring& ligne, unitesFichiers& unites) {
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, ligne, L";");
  if (champs.size() < kChampsErreur) return false;
  if (!lireU64(champs[1], erreur.idElement) || !lireU32(champs[2], erreur.niveau) || !lireU32(champs[3], erreur.code))
    return false;
  erreur.fichier = champs[0];
  erreur.message = champs[4];
  erreur.complement = champs[5];
  erreur.objet = champs[8];
  erreur.extra = 0;
  // A position is written with three decimals: a field of one character or none is no position.
  if (champs[6].size() > 1 && champs[7].size() > 1) {
    double x = 0.0, y = 0.0;
    if (!lireReel(champs[6], x) || !lireReel(champs[7], y)) return false;
    erreur.uorParMaitre = unites.uorParMaitre(erreur.fichier);
    erreur.aPosition = true;
    erreur.position = host::Point3d{x * erreur.uorParMaitre, y * erreur.uorParMaitre, 0.0};
    if (!dansLesBornes(erreur.position.x) || !dansLesBornes(erreur.position.y)) return false;
  }
  return true;
}

// One line of the compare CSV; false for a line too short or with a number that is none.
bool lireEcart(verecart& ecart, const std::wstring& ligne) {
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, ligne, L";");
  if (champs.size() < kChampsEcart) return false;
  if (!lireU32(champs[4], ecart.type) || !lireReel(champs[5], ecart.longueur) || !dansLesBornes(ecart.longueur) ||
      !lireU64(champs[6], ecart.idLivre) || !lireU64(champs[7], ecart.idOrigine))
    return false;
  ecart.statut = statutEcart(champs[0]);
  ecart.source = champs[0] == L"Supprime" ? 2 : 1;
  ecart.fichier = champs[1];
  ecart.role = roleFichier(champs[2]);
  ecart.objet = champs[3];
  return true;
}

// The first line after the header whose first field is the plan's name, without case, in the
// form the engine writes it; null.
const std::wstring* ligneDuPlan(const std::vector<std::wstring>& lignes, const std::wstring& nomPlan) {
  const std::wstring nom = stbStr_champCsv(nomPlan);
  std::wstring premier;
  for (std::size_t i = 1; i < lignes.size(); ++i)
    if (stbStr_comparer(stbStr_avantPointVirgule(premier, lignes[i]), nom, false) == 0) return &lignes[i];
  return nullptr;
}

// Whether the plan's delivered files still match its summary fields; writes the signature
// statuses read on the way.
bool fichiersInchanges(verplan& plan, const std::vector<std::wstring>& champs, const std::wstring& repLivre) {
  std::wstring chemin;
  if (plan.type == 1) {
    stbFichier_composer(chemin, repLivre, plan.nom, L"", L"");
    return dos_lireResultatFichier(plan.statuts[2], champs[kChampStatutV2], chemin, champs[kChampDateV2]) == 0;
  }
  if (plan.type == 2) {
    static const wchar_t* const extensions[3] = {L"FP2", L"EL2", L"AR2"};
    bool inchanges = true;
    for (std::size_t k = 0; k < 3; ++k) {
      stbFichier_composer(chemin, repLivre, plan.nom, extensions[k], L"");
      if (dos_lireResultatFichier(plan.statuts[3 + k], champs[kChampStatutV2 + 1 + k], chemin,
                                  champs[kChampDateV2 + 1 + k]) != 0)
        inchanges = false;
    }
    return inchanges;
  }
  return true;  // a plan of no known kind has no file to check
}

// The errors CSV of a plan whose summary row records `attendues` errors: every line after the
// header must read and their number agree; a missing file agrees with none. False otherwise (a
// report missing, cut short, damaged or left from another verification).
bool lireErreurs(verplan& plan, std::uint32_t attendues, const std::wstring& repLivre) {
  if (!stbFichier_existe(plan.fichierErreurs)) return attendues == 0;
  std::vector<std::wstring> lignes;
  stbFichier_lireLignes(lignes, plan.fichierErreurs);
  if (lignes.empty() || lignes.size() - 1 != attendues) return false;
  unitesFichiers unites(repLivre);
  for (std::size_t i = 1; i < lignes.size(); ++i) {
    vererreur erreur;
    if (!lireErreur(erreur, lignes[i], unites)) return false;
    plan.erreurs.push_back(std::move(erreur));
  }
  return true;
}

void recupererPlan(verplan& plan, const std::vector<std::wstring>& lignesBilan, const std::wstring& repLivre) {
  plan.statuts[0] = -1;
  const std::wstring* ligne = ligneDuPlan(lignesBilan, plan.nom);
  if (!ligne) return;
  std::vector<std::wstring> champs;
  stbStr_decouper(champs, *ligne, L";");
  if (champs.size() < kChampsBilan) return;
  if (!fichiersInchanges(plan, champs, repLivre)) return;
  std::int32_t profondeur = 0;
  if (!lireI32(champs[kChampProfondeur], profondeur)) return;
  plan.statuts[1] = profondeur;

  // The summary row decides the status; the errors CSV must agree with its count.
  std::uint32_t nbErreurs = 0;
  if (!lireU32(champs[kChampNbErreurs], nbErreurs) || !lireErreurs(plan, nbErreurs, repLivre)) {
    plan.erreurs.clear();
    return;
  }
  if (stbFichier_existe(plan.fichierCompare)) {
    std::vector<std::wstring> lignes;
    stbFichier_lireLignes(lignes, plan.fichierCompare);
    for (std::size_t i = 1; i < lignes.size(); ++i) {
      verecart ecart;
      if (lireEcart(ecart, lignes[i])) plan.ecarts.push_back(std::move(ecart));
    }
  } else {
    // Verified without being compared: the summary row alone keeps the counts.
    std::int32_t crees = -1, supprimes = -1;
    if (lireI32(champs[kChampNbCrees], crees) && lireI32(champs[kChampNbSupprimes], supprimes) && crees >= 0 &&
        supprimes >= 0) {
      plan.nbCreesBilan = crees;
      plan.nbSupprimesBilan = supprimes;
    }
  }
  plan.statuts[0] = nbErreurs > 0 ? 1 : 0;
}

}  // namespace

void dos_recupererVerification(verdossier& dossier, verprogression& progression) {
  try {
    if (!stbFichier_existe(dossier.fichierBilan)) return;
    std::vector<std::wstring> lignesBilan;
    stbFichier_lireLignes(lignesBilan, dossier.fichierBilan);
    dos_actualiserProgression(progression, dos_texteRecuperation, static_cast<std::int32_t>(dossier.plans.size()), -1);
    // The pump runs other commands: those that would change the list are refused meanwhile, and
    // the index is checked against the list all the same.
    for (std::size_t n = 0; n < dossier.plans.size(); ++n) {
      dos_actualiserProgression(progression, L"", -1, static_cast<std::int32_t>(n + 1));
      if (n >= dossier.plans.size()) break;
      recupererPlan(dossier.plans[n], lignesBilan, dossier.repLivre);
    }
  } catch (...) {
    // Out of memory: the plans not reached keep the status the engine gave them.
  }
}

std::int32_t dos_lireResultatFichier(std::int32_t& statut, const std::wstring& champStatut, const std::wstring& chemin,
                                     const std::wstring& champDate) {
  try {
    statut = -1;
    if (!champStatut.empty() && !lireI32(champStatut, statut)) {
      statut = -1;
      return kEchec;
    }
    if (!stbFichier_existe(chemin)) return champDate.empty() ? 0 : kEchec;
    if (champDate.empty()) return kEchec;
    std::wstring date, heure;
    if (stbFichier_dateModification(&date, &heure, 0, chemin) != 0) return kEchec;
    std::wstring dateLue, heureLue;
    if (stbStr_separer(dateLue, heureLue, champDate, L"-") != 0) return kEchec;
    return stbDate_comparer(date, dateLue, heure, heureLue) == 0 ? 0 : kEchec;
  } catch (...) {
    return kEchec;
  }
}
