#pragma once
// The verification reports: a plan's errors CSV and compare CSV, the folder's summary CSV with one
// row per plan, and the trace of a list verification. The three CSV files are what the
// application reads back when the folder is opened again: their headers, column orders and
// number formats are fixed. All are ISO 8859-1 text, one byte per character; a CSV is written
// through a temporary file renamed over it, so a reader never sees half a report. A report that
// cannot be written is told in the message list ("Impossible d'écrire le fichier %s.") and its
// writer gives false; the plan's records are unaffected. Free-text fields and plan names are
// written in the one form of stbStr_champCsv, which is also the form they are looked up in.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"

// Header lines, as the application expects them.
extern const wchar_t* const rapport_enteteErreurs;
extern const wchar_t* const rapport_enteteComparaison;
extern const wchar_t* const rapport_enteteBilan;

// UORs per master unit used for a position whose file's units were not noted: the units that the
// file check requires of every plan file (1 UOR per sub-unit, 1000 sub-units per master unit).
inline constexpr double rapport_uorParMaitreNorme = 1000.0;

// UORs per master unit of the file that holds the error's element; the norm when not noted.
double rapport_uorParMaitre(const vererreur& erreur);

// The words of a comparison record in the compare CSVs: its status (1 "Inchangé", 2 "Nouveau",
// 3 "Supprime", 5 and 6 "Erreur") and the role of its file (1 "V2", 2 "V3_FDP", 3 "V3_Elec",
// 4 "V3_Autre"); empty for any other value.
const wchar_t* rapport_motStatut(std::uint32_t statut);
const wchar_t* rapport_motTheme(std::uint32_t role);

// One row of the errors CSV; the position in master units of its file (0.000 without position).
std::wstring rapport_ligneErreur(const vererreur& erreur);

// One row of the compare CSV.
std::wstring rapport_ligneComparaison(const verecart& ecart);

// The plan's row of the summary CSV (13 fields); the dates are those of the plan's files in the
// folder's Livre directory, empty for a missing file.
std::wstring rapport_ligneBilan(const verplan& plan, const verdossier& dossier);

// The plan's errors CSV: "<name>_Erreurs.csv" in errorDirectory, its path stored in the plan's
// `fichierErreurs`. The old file is deleted; a plan without errors gets no new one. False when
// the old file stays or the new one could not be written.
bool rapport_ecrireErreurs(verplan& plan, const std::wstring& repErreur);

// The compare CSV at `chemin`, replacing it: the header and one row per record (the header
// alone for an empty list). False when it could not be written.
bool rapport_ecrireComparaison(const std::wstring& chemin, const std::vector<verecart>& ecarts);

// Whether a summary row parses: 13 fields, a name, the depth and the three counts integers.
bool rapport_ligneBilanLisible(const std::wstring& ligne);

// The plan's row in the folder's summary CSV (`fichierBilan`), which comes out well formed: the
// header, then one row per plan. The row whose first field equals the plan's name without case
// is replaced, else the row is appended; with `enregistre` false the plan's row is removed (its
// results could not be recorded). Rows that do not parse, later rows of a name already seen and
// a wrong header are dropped; the damaged file is then kept beside it as "<name>_endommage.csv"
// and the user told in the message list. False when the summary could not be written.
bool rapport_ecrireBilan(verplan& plan, verdossier& dossier, bool enregistre = true);

// "Trace.txt" in the Rapport directory, at the start of a list verification: deleted in every
// case; with the trace flag (4) it then receives "Début. " and the local time.
void rapport_commencerTrace(const std::wstring& repRapport, drapeauxVerification drapeaux);

// With the trace flag, one line after each verified plan: local time ". " plan name.
void rapport_tracerPlan(const std::wstring& repRapport, const std::wstring& nomPlan, drapeauxVerification drapeaux);
