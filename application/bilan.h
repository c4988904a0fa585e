#pragma once
// The summary dialog (2): the folder's plans with their status and counts, filtered by name, and
// the requests the user makes on them.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/halvorn.h"
#include "host/dialogs.h"

// The plan-name filter; empty shows every plan.
extern std::wstring filtrePlans;

// Hooks 21 to 26.
void bilan_hookDialogue(host::dialogs::DialogMessage* message);
void bilan_hookMenu(host::dialogs::ItemMessage* message);
void bilan_hookFiltre(host::dialogs::ItemMessage* message);
void bilan_hookListe(host::dialogs::ItemMessage* message);
void bilan_hookMenuPlan(host::dialogs::ItemMessage* message);
void bilan_hookBoutons(host::dialogs::ItemMessage* message);

// Refills the whole plan list.
void bilan_remplirListe();
// Fills one row from a plan; every cell carries the plan's index.
void bilan_remplirLigne(host::dialogs::ListRow& ligne, const verplan& plan, std::int32_t index);
// Refills the rows of those plans that are shown.
void bilan_actualiserLignes(std::vector<std::int32_t> plans);

// Whether an index taken from a row or a selection names a plan of the folder.
bool bilan_indexPlanValide(const verdossier& dossier, std::int64_t index);
