#pragma once
// Choosing a delivery folder, having the engine set it up, and reading back the results of its
// last verification from the folder's summary, errors and compare CSV files.
#include <cstdint>
#include <string>

#include "engine/halvorn.h"

// The completion bar while a folder opens. Percentage shown: debut + (fin - debut) x fait / total,
// or debut while the total is 0.
struct verprogression {
  int barre = 0;            // host completion-bar handle
  std::int32_t debut = 0;
  std::int32_t fin = 100;
  std::int32_t fait = 0;    // units of work done
  std::int32_t total = 0;   // units of work in all; 0 until set
  std::wstring texte;       // the line shown in the bar
};

// The line of the bar while the last verification is read back.
extern const wchar_t* const dos_texteRecuperation;

// Advances the bar: a non-empty text replaces the record's; a count other than -1 replaces the
// total or the done count; then the host's messages are pumped and the bar is set.
void dos_actualiserProgression(verprogression& progression, const std::wstring& texte, std::int32_t total,
                               std::int32_t fait);

// Command 0x0101000000000000: asks for a folder and opens it.
void cmd_choisirDossier(const wchar_t* argument);

// Sets the folder up, gives the working model its coordinate system, recovers its last
// verification and opens the summary dialog.
void dos_ouvrirDossier(const std::wstring& chemin);

// Restores each plan's statuses, errors and comparison results from the folder's CSV files. The
// summary row decides the status (NOK when it records errors) and the count; a plan whose files
// changed since (another date, a file come or gone), or whose errors CSV is missing, damaged or
// disagrees with the recorded count, stays not verified (-1), never OK. A compare line too short,
// or with a number field that is no number, is skipped; positions are read back into the UORs of
// the plan file that holds the element, as the engine wrote them. A position or a length that is
// not finite there or lies beyond the largest coordinate a design file holds is damage. A plan
// without a compare CSV (verified, not compared) keeps the counts of new and removed objects
// that its summary row records.
void dos_recupererVerification(verdossier& dossier, verprogression& progression);

// Whether a plan file still matches what the summary recorded of it: 0, else 0x8000. `statut`
// takes the status field read as an integer (-1 when empty) in every case; a status field that
// is no integer gives -1 and 0x8000 (the summary line cannot be trusted).
std::int32_t dos_lireResultatFichier(std::int32_t& statut, const std::wstring& champStatut,
                                     const std::wstring& chemin, const std::wstring& champDate);
