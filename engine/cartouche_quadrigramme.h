#pragma once
// The four-character producer code that a delivered plan's title block should carry, from the
// code in its title block, the code in its previous version's title block and the validity of
// the previous version's signature. Internal to the library.
#include <cstdint>
#include <string>

#include "engine/halvorn.h"
#include "host/model_ref.h"

// The producer code of a plan file's title block: slot 19 of a one-file title block (kind 1),
// text 3 of the IDFICH cell of a three-file plan's file (kind 2). Read from `modele`, or, when
// it is null, from the file at `cheminPlan`, opened here (read-only accepted) and closed again
// unless it is the host's active model. Empty when the file, the title block or the cell cannot
// be read, and for any other kind.
void cartouche_lireChamp(std::wstring& sortie, const std::wstring& cheminPlan, host::ModelRef modele,
                         std::int32_t type);

// The decision on the delivered code `livre` and, when the previous version's signature is valid,
// its code `origine` (not looked at otherwise). Comparisons are exact and case-sensitive. 0 with a
// four-character `code`, or 0x8000 with `code` empty.
std::int32_t cartouche_deciderQuadrigramme(std::wstring& code, const std::wstring& livre, bool signatureValide,
                                           const std::wstring& origine);

// Reruns the signature step on the plan's previous version (Origine and its signature list, with
// the flags), which refreshes `statuts`[2] to [5], reads the delivered code (the plan's file, or
// its EL2 file) and, with a valid signature, the previous one, then decides. 0 with the code, or
// 0x8000 with `code` empty.
std::int32_t cartouche_calculerQuadrigramme(std::wstring& code, verdossier& dossier, verplan& plan,
                                            drapeauxVerification drapeaux);
