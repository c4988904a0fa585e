#include "engine/plan_signature.h"

#include <vector>

#include "engine/plan_construire.h"
#include "engine/sha256.h"
#include "signature/brevane.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_latin1.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::size_t longueurValeurChecksum = 66;  // 64 digits between their quotes

std::wstring sansEspaces(const std::wstring& ligne) {
  std::wstring sortie;
  sortie.reserve(ligne.size());
  for (wchar_t c : ligne)
    if (c != L' ') sortie += c;
  return sortie;
}

// The library's result as a status.
std::int32_t statutBibliotheque(std::int32_t resultat) {
  switch (resultat) {
    case 0: return signatureValide;
    case 1: return signatureNonSigne;
    case 2:
    case 3: return signatureRessource;
    case 4: return signatureSansEnregistrement;
    case 5: return signatureIllisible;
    case 6: return signatureModifie;
    default: return signatureInvalide;
  }
}

std::int32_t verifierParBibliotheque(const std::wstring& chemin) {
  host::ModelRef modele;
  if (stbDgn_ouvrirFichier(&modele, nullptr, nullptr, chemin, L"", true) != 0 || !modele) return signatureInvalide;
  const std::int32_t statut = statutBibliotheque(BrevaneModelQuorel(modele));
  stbDgn_fermerFichier(modele);  // the active model stays open
  return statut;
}

}  // namespace

std::int32_t verif_verifierChecksumJson(const std::wstring& chemin, const std::wstring& cheminListe) {
  if (!stbFichier_existe(cheminListe)) return signatureSansEnregistrement;
  std::vector<std::wstring> lignes;
  stbFichier_lireLignes(lignes, cheminListe);
  for (std::wstring& ligne : lignes) ligne = sansEspaces(ligne);

  std::wstring nom;
  stbFichier_nom(nom, chemin);
  stbStr_majuscules(nom);
  const std::wstring cle = L"\"nomFichier\":\"" + nom + L"\"";
  std::size_t i = 0;
  while (i < lignes.size() && !stbStr_commencePar(lignes[i], cle, false)) ++i;
  if (i + 1 >= lignes.size()) return signatureSansEnregistrement;  // no entry, or on the last line

  std::wstring membre;
  std::wstring valeur;
  if (stbStr_separer(membre, valeur, lignes[i + 1], L":") != 0) return signatureSansEnregistrement;
  if (stbStr_comparer(membre, L"\"checksum\"", false) != 0) return signatureSansEnregistrement;
  if (valeur.size() != longueurValeurChecksum) return signatureIllisible;
  // The digits between the two quotes.
  const std::wstring attendu = valeur.substr(1, 64);

  std::string calcule;
  if (sha256_fichier(calcule, chemin) != 0) return signatureInvalide;
  return stbStr_comparer(stbLatin1_decoder(calcule), attendu, false) == 0 ? signatureValide : signatureModifie;
}

std::int32_t verif_verifierSignatureFichier(const std::wstring& chemin, std::int32_t mode,
                                            const std::wstring& cheminListe) {
  if (!stbFichier_existe(chemin)) return signatureFichierAbsent;
  switch (mode) {
    case modeSignatureAucun: return signatureValide;
    case modeSignatureBibliotheque: return verifierParBibliotheque(chemin);
    case modeSignatureListe: return verif_verifierChecksumJson(chemin, cheminListe);
    default: return signatureInvalide;
  }
}

void verif_verifierSignaturePlan(verplan& plan, const std::wstring& repPrecedent, const std::wstring& cheminListe,
                                 drapeauxVerification drapeaux) {
  verplanfichiers fichiers;
  plan_construire(fichiers, plan.nom, plan.type, plan.version, plan.projection, repPrecedent);
  std::int32_t mode = modeSignatureBibliotheque;
  if ((drapeaux & drapeauSansSignature) != 0) {
    mode = modeSignatureAucun;
  } else if (stbFichier_existe(cheminListe)) {
    mode = modeSignatureListe;
  }
  if (fichiers.type == 2) {
    for (std::size_t i = 0; i < 3; ++i)
      plan.statuts[3 + i] = verif_verifierSignatureFichier(fichiers.fichiers[i].chemin, mode, cheminListe);
  } else {
    plan.statuts[2] = verif_verifierSignatureFichier(fichiers.fichiers[0].chemin, mode, cheminListe);
  }
}
