#include "engine/plan_signature.h"

#include <fstream>
#include <string_view>
#include <vector>

#include <boost/filesystem/operations.hpp>

#include "engine/plan_construire.h"
#include "engine/sha256.h"
#include "host/config.h"
#include "host/paths.h"
#include "signature/brevane.h"
#include "toolbox/stb_dgn.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_latin1.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::size_t longueurMembreChecksum = 10;  // "checksum" with its quotes
constexpr std::size_t longueurValeurChecksum = 66;  // 64 digits between their quotes

// A line of the list as it is compared: without the CR of a CR LF end, without blanks.
void sansEspaces(std::string& ligne) {
  if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
  std::erase(ligne, ' ');
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
  // No real list comes near the bound: a larger one is refused unread, as a damaged one.
  const boost::filesystem::path liste = host::paths::resolve(cheminListe);
  boost::system::error_code ec;
  const std::uintmax_t taille = boost::filesystem::file_size(liste, ec);
  if (ec || taille > host::config::megabytes(L"TOLVEK_LISTE_SIGNATURE_MAX_MB", verif_listeSignatureMaxMo))
    return signatureIllisible;

  std::wstring nom;
  stbFichier_nom(nom, chemin);
  stbStr_majuscules(nom);
  const std::wstring cle = L"\"nomFichier\":\"" + nom + L"\"";
  // The list is read a line at a time, one byte per character: only the part of a line that is
  // compared is decoded.
  std::ifstream flux(liste.string(), std::ios::binary);
  std::string ligne;
  bool entree = false;
  while (std::getline(flux, ligne)) {
    sansEspaces(ligne);
    if (!entree) {
      entree = ligne.size() >= cle.size() &&
               stbStr_commencePar(stbLatin1_decoder(std::string_view(ligne).substr(0, cle.size())), cle, false);
      continue;
    }
    // The line after the entry: "checksum":"<64 digits>".
    const std::size_t deuxPoints = ligne.find(':');
    if (deuxPoints == std::string::npos || deuxPoints != longueurMembreChecksum ||
        stbStr_comparer(stbLatin1_decoder(std::string_view(ligne).substr(0, deuxPoints)), L"\"checksum\"", false) != 0)
      return signatureSansEnregistrement;
    if (ligne.size() - deuxPoints - 1 != longueurValeurChecksum) return signatureIllisible;
    // The digits between the two quotes.
    const std::wstring attendu = stbLatin1_decoder(std::string_view(ligne).substr(deuxPoints + 2, 64));
    std::string calcule;
    if (sha256_fichier(calcule, chemin) != 0) return signatureInvalide;
    return stbStr_comparer(stbLatin1_decoder(calcule), attendu, false) == 0 ? signatureValide : signatureModifie;
  }
  return signatureSansEnregistrement;  // no entry, or on the last line
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
