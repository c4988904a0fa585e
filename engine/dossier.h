#pragma once
// Folder set-up: the delivery folder and the parameter folder are checked, the working
// directories made, the parameter files read and the plans of Livre listed into the engine's
// folder record; the application's folder record is filled from it. Messages are French and go
// to the caller's `message`; results are 0, -1 (parameters) or -2 (folder).
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"
#include "engine/verplaninfo.h"

// Scan modes of dossier_initialiser.
inline constexpr std::uint8_t dossierReconstruire = 0;  // plans taken from the verdossier
inline constexpr std::uint8_t dossierLister = 1;        // plans listed from Livre, projections checked, footprints drawn

// Sets the record's folder and parameter folder from the arguments, sets the folder up in listing
// mode and on success fills the record (one verplan per plan, in listing order). On failure only
// those two paths are set.
std::int32_t dossier_charger(verdossier& dossier, std::wstring& message, const std::wstring& repertoire,
                             const std::wstring& repParametres);

// Builds `ctx` from the folder named by `dossier` (its `repertoire` and `repParametres`): scan
// dossierLister lists Livre, dossierReconstruire takes the plans of `dossier.plans`. A folder path
// too short to name a folder gives -2 without message. `dossier` is only read.
std::int32_t dossier_initialiser(vercontexte& ctx, std::wstring& message, verdossier& dossier, std::uint8_t scan);

// The frame pass: one record per plan file of Livre whose frame reads and agrees with its
// extension, with the frame's data and the file's range, and the footprint polygon of a
// georeferenced plan whose file `polygoneUtile` accepts, worked out while the file is loaded.
void dossier_listerFichiers(std::vector<verplaninfo>& plans, const std::wstring& livre,
                            const std::function<bool(const std::wstring& chemin)>& polygoneUtile = {});

// Files of Livre that name one plan file (names equal without case, or once decoded) would be
// read one in place of the other, and names that the reports store alike (";" and ",", line ends
// and blanks, characters above U+00FF and "_") would share one summary row: their plans are taken
// out of the list, and the user is told in the message list which files clash.
void dossier_ecarterHomonymes(std::vector<verplaninfo>& plans, const std::wstring& livre);

// The completion pass: one record, without frame data, per plan file of Livre whose plan is not
// yet in the list.
void dossier_listerPlans(std::vector<verplaninfo>& plans, const std::wstring& livre);
