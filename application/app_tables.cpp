#include "application/app_tables.h"

#include "application/a_propos.h"
#include "application/app_demarrage.h"
#include "application/bilan.h"
#include "application/coordonnees.h"
#include "application/description.h"
#include "application/dossier_ouvrir.h"
#include "application/erreurs.h"
#include "application/localiser.h"
#include "application/ref_plans.h"

const host::commands::CommandRow tableCommandes[7] = {
    {cmd_choisirDossier, 0x0101000000000000ULL},    // choose a delivery folder and open it
    {cmd_montrerPlan, 0x0102000000000000ULL},       // attach a picked plan's delivered files
    {cmd_demonterPlans, 0x0103000000000000ULL},     // detach a picked plan, or all plans
    {cmd_localiserElement, 0x0104000000000000ULL},  // locate the element typed in the summary
    {cmd_ouvrirCoordonnees, 0x0105000000000000ULL}, // open the coordinates dialog (5)
    {cmd_aPropos, 0x0106000000000000ULL},           // open the about dialog (6)
    {nullptr, 0},
};

// Hook ids follow the dialogs: 1x dialog 1, 2x summary, 3x errors, 4x description,
// 5x coordinates, 6x about.
const host::dialogs::HookRow tableCrochets[nombreCrochets] = {
    {11, app_hookDialoguePrincipal},
    {21, bilan_hookDialogue},
    {22, bilan_hookMenu},
    {23, bilan_hookFiltre},
    {24, bilan_hookListe},
    {25, bilan_hookMenuPlan},
    {26, bilan_hookBoutons},
    {31, err_hookDialogue},
    {32, err_hookSelection},
    {33, err_hookListe},
    {41, desc_hookDialogue},
    {42, desc_hookReferences},
    {43, desc_hookFiltre},
    {44, desc_hookListe},
    {51, coord_hookDialogue},
    {52, coord_hookMenu},
    {53, coord_hookProjection},
    {54, coord_collerPressePapier},
    {55, coord_allerPoint},
    {61, app_hookAide},
};
