#pragma once
// Authenticity of the previous versions of a plan's files (the files of the same name in the
// folder's Origine directory): by the signature list "Signature/Signature.json", which gives the
// SHA-256 checksum of each signed file, or, without that list, by the signature library, which
// checks the statistics record stored in a signed plan. Every failure is a status: no error is
// added and nothing is shown. Internal to the library.
#include <cstdint>
#include <string>

#include "engine/halvorn.h"

// Signature status of one previous version.
enum statutSignature : std::int32_t {
  signatureInvalide = -1,       // not opened as a work file, or a library result outside 0 to 6
  signatureValide = 0,          // valid, or not checked (flag 1)
  signatureFichierAbsent = 1,   // the previous version is missing
  signatureNonSigne = 2,        // library: not signed
  signatureRessource = 3,       // library: resource unavailable
  signatureSansEnregistrement = 4,  // library: no record; list: missing, no entry or no checksum line
  signatureIllisible = 5,       // library: record unreadable; list: checksum value not 66 characters, or list too large
  signatureModifie = 6,         // statistics or checksum differ
};

// How the previous versions are checked.
enum modeSignature : std::int32_t {
  modeSignatureAucun = 1,         // flag 1
  modeSignatureBibliotheque = 2,  // the signature library
  modeSignatureListe = 3,         // the signature list (flag 1 clear and the list exists)
};

// Sets `statuts`[2] of a one-file plan, or `statuts`[3] to [5] of a three-file plan (FP2, EL2,
// AR2), from the plan's file set in `repPrecedent`.
void verif_verifierSignaturePlan(verplan& plan, const std::wstring& repPrecedent, const std::wstring& cheminListe,
                                 drapeauxVerification drapeaux);

// The status of one previous version in the mode given (1 for a missing file in every mode).
std::int32_t verif_verifierSignatureFichier(const std::wstring& chemin, std::int32_t mode,
                                            const std::wstring& cheminListe);

// Default of the configuration variable TOLVEK_LISTE_SIGNATURE_MAX_MB, in megabytes: a larger
// signature list is refused unread, as a damaged one (status 5 for every file).
inline constexpr std::uint64_t verif_listeSignatureMaxMo = 64;

// The status of one file by the signature list: 0, 4, 5 or 6 (-1 when the file cannot be read
// to its end). The list is read a line at a time.
std::int32_t verif_verifierChecksumJson(const std::wstring& chemin, const std::wstring& cheminListe);
