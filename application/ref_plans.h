#pragma once
// Showing and detaching plans picked in the footprint drawing ("VERIF"), and the operations the
// dialogs call for one plan of the folder. A plan index outside the folder's plan list does
// nothing; the user is told nothing but the confirmation of detaching all plans and the refusal
// of a pick during a run.
#include <cstdint>
#include <string>

#include "engine/halvorn.h"
#include "host/element_handle.h"
#include "host/locate.h"

// Commands 0x0102000000000000 and 0x0103000000000000 (argument: the rest of the key-in).
void cmd_montrerPlan(const wchar_t* argument);
void cmd_demonterPlans(const wchar_t* argument);

// Post-locate filter of both commands: accepts (2) a shape or a text of the footprint drawing,
// rejects (0) everything else.
int ref_filtrerLocalisation(int action, const host::Element* element, host::ModelRef modele,
                            std::uint32_t positionFichier, const host::Point3d* point, int vue,
                            const host::locate::HitPath* chemin, std::wstring* raison);

// Accept functions of the two commands; refused while a run is in progress (app_traitement.h).
void ref_accepterMontrer(const host::Point3d* point, int vue);
void ref_accepterDemonter(const host::Point3d* point, int vue);

// The index of the plan whose footprint label shares the located element's graphic group, or -1.
std::int32_t ref_planDuGroupe(const host::ElementHandle& element, const std::vector<verplan>& plans);

// Attaches version 1 (delivered, "VERLIV") or 2 (previous, "VERORI") of a plan.
void ref_montrerPlan(verdossier& dossier, std::int32_t plan, std::int32_t version);

// Detaches the plan's "VERLIV" attachments; its "VERORI" ones stay.
void ref_demonterPlan(verdossier& dossier, std::int32_t plan);

// Zooms the first open view onto the plan's footprint.
void ref_montrerElementsPlan(verdossier& dossier, std::int32_t plan);
