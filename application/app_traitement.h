#pragma once
// Long runs (a folder's set-up, the recovery of its last verification, a verification) pump the
// host's messages, so the user's commands and dialog buttons keep coming in meanwhile. Those that
// would change the folder or its plans under the run are refused until it ends.

// Marks a run for its lifetime; runs may nest.
class TraitementEnCours {
 public:
  TraitementEnCours();
  ~TraitementEnCours();
  TraitementEnCours(const TraitementEnCours&) = delete;
  TraitementEnCours& operator=(const TraitementEnCours&) = delete;
};

// True while a run is in progress.
bool app_traitementEnCours();

// True, and "Un traitement est en cours, veuillez patienter." in the host's message list, while a
// run is in progress: the caller then does nothing.
bool app_refuserPendantTraitement();
