#pragma once
// The plan's error list: the one way to add a finding, and the table look-up behind it.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "host/geom_types.h"
#include "host/model_ref.h"

// Appends one error to `erreurs`: the upper-cased file name of `cheminFichier`, the code with its
// message and level from the table (the level of a few codes depends on whether the file is a
// one-file plan's file), the element id, the extra number, the position when one is given (UORs),
// the object name and the complement. Never fails in a way the caller sees.
void erreur_ajouter(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier, std::uint64_t idElement,
                    std::uint32_t extra, std::uint32_t code, const host::Point3d* position,
                    const std::wstring& objet, const std::wstring& complement);

// Sets `message` and `niveau` from the record's `code`; `disposition` 1 for a one-file plan's
// file, anything else for the other files. A code outside the table gets an empty message and
// level 0, so that it shows among the errors that stop the plan.
void erreur_definir(vererreur& erreur, std::int32_t disposition);

// Notes the units of an open plan file on its errors: every error of that file (by upper-cased
// file name) that has a position and no units yet gets the model's UORs per master unit, so that
// the errors CSV converts its position with the file's own units, whatever model is active when
// the report is written. Called while the file is open, before it is closed; an invalid model
// notes nothing.
void erreur_noterUnites(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier, host::ModelRef modele);
