#pragma once
// Public records of the verification library: the delivery folder and its plans as the
// application holds them and passes them to every exported operation, with the errors and
// comparison results each plan carries, the flags word and the result codes.
// Coordinates are in the plan file's internal units (UORs) unless said otherwise.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn_export.h"
#include "engine/verchaine.h"
#include "host/geom_types.h"

// Flags word: built by the application from its configuration and passed unchanged as the last
// argument of every exported operation, down to the per-plan driver.
using drapeauxVerification = std::uint32_t;
inline constexpr drapeauxVerification drapeauSansSignature = 1;  // previous versions get status 0 (1 when missing)
inline constexpr drapeauxVerification drapeauLevelAudit = 2;     // run the host's LevelAudit tool on the plan
inline constexpr drapeauxVerification drapeauTrace = 4;          // write "Trace.txt" in a list verification

// Results of the exported operations.
enum codesRetourVerif : std::int32_t {
  verifSucces = 0,
  verifErreurParametres = -1,  // parameter set-up failed
  verifErreurDossier = -2,     // folder record incomplete, folder missing, context not rebuilt
  verifErreurPlan = -3,        // plan record malformed or plan not in the folder
  verifErreursTrouvees = -4,   // the plan has errors after its verification
  verifAucuneVue = -5,         // no view of the host is open
  verifRefus = 0x8000,         // verif_actualiserCartouche refuses its arguments or finds no code
};

// Levels of an error.
enum niveauErreur : std::uint32_t {
  niveauErreurFichier = 0,  // file, frame and identification-cell errors that prevent the plan's use
  niveauErreurRegle = 1,    // title-block, position and drawing-rule errors
  niveauErreurReseau = 2,   // cable, group, PTRL, substation, flag and text-symbology errors
};

// One finding of a plan, appended only by erreur_ajouter.
// The file name, message and object name are shared with the plan's other records (verchaine).
struct vererreur {
  verchaine fichier;          // file name with extension, upper-cased
  std::uint32_t code = 0;     // code of the error table
  verchaine message;          // main message, from the error table
  std::wstring complement;    // free text given by the check
  std::uint32_t niveau = 0;   // niveauErreur, from the error table
  std::uint64_t idElement = 0;  // host element id, 0 for none
  std::uint32_t extra = 0;      // a number given by the check (element type for element rules), 0 for none
  bool aPosition = false;
  host::Point3d position;       // UORs; (0, 0, 0) when none
  verchaine objet;              // object name given by the check
  // UORs per master unit of the file that holds the element, noted while that file was open
  // (erreur_noterUnites); 0 while unknown. The errors CSV writes the position in master units.
  double uorParMaitre = 0.0;
};

// One comparison result of a plan against its previous version.
// The file, level and category names are shared with the plan's other records (verchaine).
struct verecart {
  verchaine fichier;             // delivered file's name (previous version's for a removed element)
  std::uint32_t role = 0;        // 1 one-file plan, 2 FP2, 3 EL2, 4 AR2
  std::uint64_t idLivre = 0;     // 0 for a removed element
  std::uint64_t idOrigine = 0;   // 0 when none
  std::uint32_t type = 0;        // host element type
  double longueur = 0.0;         // curve length in master units, 0 for non-curves
  host::Point3d position;        // origin of texts, text nodes and cells, UORs; (0, 0, 0) otherwise
  verchaine niveau;              // level name
  std::uint32_t statut = 0;      // 1 unchanged, 2 new, 3 removed, 4 left out, 5 type not compared, 6 not readable
  std::uint32_t source = 0;      // 1 delivered element, 2 previous-version element
  verchaine objet;               // category label
};

// One plan of the folder.
struct verplan {
  std::wstring nom;          // one-file plan: file name with extension; three-file plan: common stem
  std::int32_t type = 0;     // 1 one-file (V2), 2 three-file (V3: FP2, EL2, AR2)
  std::int32_t version = 0;  // scale class: 1 for 1:200, 2 for 1:500
  std::wstring projection;   // host coordinate-system key
  host::Range3d emprise;     // range of all drawn elements of the main file, UORs; empty when unknown
  bool lectureSeule = false;
  // [0] result: -1 not verified, 0 no error, 1 errors or stopped early, 2 not verifiable;
  // [1] depth: 0 stopped before the drawing-rule checks, 2 they ran;
  // [2] signature status of the one-file plan's previous version, [3] to [5] of the FP2, EL2 and
  // AR2 previous versions (-1, 0 to 6). All -1 until the plan is verified.
  std::array<std::int32_t, 6> statuts{-1, -1, -1, -1, -1, -1};
  std::wstring fichierErreurs;  // the plan's errors CSV
  std::wstring fichierCompare;  // the plan's compare CSV
  std::vector<vererreur> erreurs;
  std::vector<verecart> ecarts;
  // New and removed objects as the folder's summary CSV records them, for a plan whose last
  // verification was read back without a compare CSV (verified, not compared); -1 otherwise,
  // the counts then being those of `ecarts`. A verification sets them back to -1.
  std::int32_t nbCreesBilan = -1;
  std::int32_t nbSupprimesBilan = -1;
};

// The delivery folder. Directory paths end with the separator.
struct verdossier {
  std::wstring nom;  // last component of the folder's path
  bool initialise = false;
  std::wstring repertoire;
  std::wstring repLivre;
  std::wstring repOrigine;
  std::wstring repRapport;
  std::wstring repErreur;
  std::wstring repComparaison;
  std::wstring repParametres;
  std::wstring fichierEmprises;  // "Emprises.dgn" in the folder's Temp directory
  std::wstring fichierBilan;     // summary CSV in Rapport
  std::vector<verplan> plans;    // in the order of the folder listing
  std::wstring projection;       // host coordinate-system key common to the plans
};

// The five operations of the library. The application owns the folder record and passes it to
// every call; the library keeps nothing between calls. Results are codesRetourVerif values;
// nothing throws.

// Clears the record, reads the parameter folder from TOLVEK_PARAM, prepares the folder and lists
// its plans. 0, -1 or -2; on failure `message` says why (empty for a root path).
HALVORN_API std::int32_t verif_initialiserDossier(verdossier& dossier, std::wstring& message,
                                                  const std::wstring& dossierChemin);

// Verifies the plans of `dossier.plans` named by `indexes` (bad indexes are skipped) under the
// host's completion bar. 0, -2, -3 (a plan could not be verified, or its results could not be
// recorded: it is left "not verified"), -5 (no open view).
HALVORN_API std::int32_t verif_verifierListePlan(const std::vector<std::int32_t>& indexes, verdossier& dossier,
                                                 drapeauxVerification drapeaux);

// Verifies one plan of the folder. 0, -2, -3, -4 (the plan has errors), -5.
HALVORN_API std::int32_t verif_verifierPlan(verplan& plan, verdossier& dossier, drapeauxVerification drapeaux);

// Verifies one plan and compares it with its previous version (compare CSV). As verif_verifierPlan.
HALVORN_API std::int32_t verif_comparerPlan(verplan& plan, verdossier& dossier, drapeauxVerification drapeaux);

// The four-character code the plan's title block should carry: 0 and the code, or 0x8000.
HALVORN_API std::int32_t verif_actualiserCartouche(std::wstring& code, verplan& plan, verdossier& dossier,
                                                   drapeauxVerification drapeaux);
