#include "engine/ctrl_levelAudit.h"

#include <unistd.h>

#include "engine/plan_etapes.h"
#include "host/commands.h"
#include "host/model_ref.h"
#include "host/modes.h"
#include "toolbox/stb_fichier.h"
#include "toolbox/stb_str.h"

namespace {

constexpr std::int32_t kTrouve = 0x8000;
constexpr std::size_t kOctetMode = 5;

void envoyer(const std::wstring& commande) {
  std::wstring erreur;
  host::commands::sendSynchronizedKeyin(commande, erreur);
}

// The remembered file made active again; none when none was.
void retablir(const std::wstring& memorise) {
  if (memorise.empty()) host::closeActiveFile();
  else if (host::activeFileName() != memorise) host::openActiveFile(memorise);
}

}  // namespace

std::int32_t ctrl_levelAuditJournal(const std::vector<std::wstring>& lignes) {
  std::int32_t resultat = 0;
  for (std::size_t i = 1; i < lignes.size(); ++i)
    if (lignes[i].starts_with(L"ERREUR") && lignes[i - 1].starts_with(L"MESSAGE") &&
        lignes[i - 1].find(L" fichier ") != std::wstring::npos)
      resultat = kTrouve;
  return resultat;
}

std::int32_t ctrl_levelAudit(const std::wstring& cheminFichier) {
  if (!stbFichier_existe(cheminFichier)) return 0;
  const std::wstring memorise = host::activeFileName();
  envoyer(L"mdl load levelaudit");
  std::wstring journal;
  if (stbFichier_cheminTemporaire(journal, stbStr_toString(L"LevelAudit_Log_%d.txt", ::getpid())) != 0)
    return ctrl_levelAuditImpossible;
  // An old log left in place would be read as this plan's.
  if (stbFichier_supprimer(journal) != 0) return ctrl_levelAuditImpossible;
  envoyer(L"levelaudit set logfile " + journal);

  auto& modes = host::globalModes();
  const std::uint8_t ancien = modes[kOctetMode];
  modes[kOctetMode] = 1;
  // A file that does not become the active one is not reported on: the report would audit the
  // file active in its place.
  const bool actif = host::openActiveFile(cheminFichier) == host::kSuccess;
  if (actif) envoyer(L"LEVELAUDIT REPORT MASTERTABLES");
  modes[kOctetMode] = ancien;

  // A log the tool could not write is no report that the file is sound.
  std::int32_t resultat = ctrl_levelAuditImpossible;
  if (actif && stbFichier_existe(journal)) {
    std::vector<std::wstring> lignes;
    resultat = ctrl_levelAuditJournal(stbFichier_lireLignes(lignes, journal));
  }
  stbFichier_supprimer(journal);
  retablir(memorise);
  return resultat;
}

std::int32_t etape_levelAudit(const std::wstring& cheminFichier) { return ctrl_levelAudit(cheminFichier); }
