#include "application/app_demarrage.h"

#include <cstring>
#include <cwctype>

#include "application/dossier_ouvrir.h"
#include "application/app_tables.h"
#include "application/proj_application.h"
#include "application/tolvek.h"
#include "application/verapplication.h"
#include "application/version_fichier.h"
#include "host/application.h"
#include "host/color_palette.h"
#include "host/commands.h"
#include "host/model_ref.h"
#include "host/version_record.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_msg.h"
#include "toolbox/stb_reference.h"
#include "toolbox/stb_str.h"
#include "toolbox/stb_sys.h"

// The plug-in's version record, which the host reads from the file. Hidden rather than exported
// (as CADHOST_VERSION_RECORD does): the plug-in links libhalvorn.so, which exports a record of the
// same name, and two exported definitions would interpose one another once loaded. The host
// finds a hidden record in the file's symbol table all the same.
extern "C" __attribute__((visibility("hidden"), used)) const host::version::Record cadhost_version_record = {
    host::version::recordSignature, 1, 0, 0, 0};

namespace {

constexpr std::int32_t kEchec = 0x8000;
// Message mode of a blocking error: a message box.
constexpr int kModeBoite = 5;
// The host's command that unloads an application; an empty argument names the one that queues it.
constexpr std::uint64_t kCommandeDecharger = 0x7902000000000000ULL;

// Colour indexes of the host's colour table for palette entries 0 to 6; the plan list shows
// "OK" in entry 4, "NOK" in 2 and "LS" in 5.
constexpr int kCouleursPalette[7] = {7, 9, 102, 88, 21, 44, 31};

// Sets `bit` when the variable is defined and reads as the integer `attendu`; silent otherwise.
void lireDrapeau(const wchar_t* variable, long attendu, drapeauxVerification bit) {
  std::wstring valeur;
  long nombre = 0;
  if (stbSys_lireVariable(valeur, variable, -1) == 0 && app_lireEntier(valeur, nombre) && nombre == attendu)
    appTolvek.drapeaux |= bit;
}

}  // namespace

bool app_lireEntier(const std::wstring& valeur, long& nombre) {
  std::size_t i = 0;
  while (i < valeur.size() && std::iswspace(valeur[i])) ++i;
  bool negatif = false;
  if (i < valeur.size() && (valeur[i] == L'+' || valeur[i] == L'-')) negatif = valeur[i++] == L'-';
  // A number too long for the type reads as no number, rather than wrapping round to 0 or 1.
  std::uint64_t n = 0;
  if (!stbStr_lireChiffres(n, valeur, i, 2147483647ULL)) return false;
  const long chiffres = static_cast<long>(n);
  nombre = negatif ? -chiffres : chiffres;
  return true;
}

std::int32_t app_initialiser() {
  std::wstring valeur;
  if (stbSys_lireVariable(valeur, L"TOLVEK_RACINE", kModeBoite) != 0) return kEchec;
  stbFichier_composer(appTolvek.cheminDessin, valeur, L"Tolvek.dgn", L"", L"");
  if (stbSys_lireVariable(valeur, L"TOLVEK_PARAM", kModeBoite) != 0) return kEchec;
  stbFichier_composer(appTolvek.cheminPrototype, valeur, L"Prototype.dgn", L"", L"");

  std::memset(&TvkDlg, 0, sizeof TvkDlg);
  TvkDlg.codeTheme = 4;
  appTolvek.drapeaux = 0;
  lireDrapeau(L"TOLVEK_SIGNATURE", 0, drapeauSansSignature);
  lireDrapeau(L"TOLVEK_LEVELAUDIT", 1, drapeauLevelAudit);
  lireDrapeau(L"TOLVEK_TRACE", 1, drapeauTrace);

  // A palette refused by the host ends the start-up here, yet as a success: the plan list goes
  // without colours, and there is no projection table, working drawing nor version text.
  appTolvek.palette = host::colors::createPalette(7);
  if (!appTolvek.palette) return 0;
  for (int entree = 0; entree < 7; ++entree)
    host::colors::setEntryFromTable(appTolvek.palette, entree, kCouleursPalette[entree]);

  proj_remplirTable();

  if (stbStr_comparer(host::activeFileName(), appTolvek.cheminDessin, false) != 0) {
    if (stbFichier_copier(appTolvek.cheminPrototype, appTolvek.cheminDessin, kModeBoite) != 0) return kEchec;
    if (host::openActiveFile(appTolvek.cheminDessin) != host::kSuccess) {
      // A prototype that is there but is no design file (empty, cut short, garbage).
      stbMsg_afficher(kModeBoite, L"",
                      stbStr_toString(L"Impossible d'ouvrir le fichier %s copi\u00e9 du fichier %s.",
                                      appTolvek.cheminDessin, appTolvek.cheminPrototype));
      return kEchec;
    }
  }

  // Release, major and minor: the three high 16-bit parts of the plug-in's version number.
  const std::uint64_t version = host::application::versionNumber(host::application::currentId());
  appTolvek.versionApplication =
      stbStr_toString(L"%02d", static_cast<int>((version >> 48) & 0xFFFF)) +
      stbStr_toString(L".%02d", static_cast<int>((version >> 32) & 0xFFFF)) +
      stbStr_toString(L".%02d", static_cast<int>((version >> 16) & 0xFFFF));

  std::wstring bibliotheque;
  stbFichier_composer(bibliotheque, L"", L"libhalvorn.so", L"", appTolvek.cheminApplication);
  appTolvek.versionBibliotheque.clear();
  if (stbFichier_existe(bibliotheque)) app_lireVersionFichier(appTolvek.versionBibliotheque, bibliotheque);

  app_detacherReferences();
  return 0;
}

void app_recharger() {}

bool app_decharger(int raison) {
  try {
    host::colors::destroyPalette(appTolvek.palette);
    appTolvek.palette = nullptr;
    if (raison == 1) app_detacherReferences();
  } catch (...) {
  }
  return false;
}

void app_detacherReferences() {
  stbDgn_detacherReferences(L"VERIF");
  stbDgn_detacherReferences(L"VERLIV");
  stbDgn_detacherReferences(L"VERORI");
}

void app_hookDialoguePrincipal(host::dialogs::DialogMessage* message) {
  if (message->messageType != host::dialogs::msgWindowFlags) {
    message->msgUnderstood = false;
    return;
  }
  message->msgUnderstood = true;
  if (message->flagBytes[1]) message->flagBytes[0] = 1;
}

extern "C" void MdlMain(int argc, const wchar_t** argv) {
  try {
    // The stand-in host is always in graphics mode: nothing to enter.
    appTolvek.ressource = 0;
    appTolvek.ressource = host::application::openResourceFile(L"");
    host::application::registerStringIds(0, 0);
    host::commands::loadCommandTables();
    host::commands::registerCommandNumbers(tableCommandes);
    host::application::publishVariable(L"tvkdialogue", L"TvkDlg", &TvkDlg);
    host::dialogs::publishHooks(tableCrochets, nombreCrochets);
    host::application::setReloadFunction(app_recharger);
    host::application::setUnloadFunction(app_decharger);
    appTolvek.cheminApplication = argc > 0 && argv && argv[0] ? argv[0] : L"";

    if (app_initialiser() == 0) {
      host::dialogs::open(1);
      cmd_choisirDossier(L"");
    } else {
      // The reasons were shown by app_initialiser; the host unloads the application after this.
      host::commands::queue(false, kCommandeDecharger, appTolvek.texteCommande, false);
    }
  } catch (...) {
  }
}
