#pragma once
// The application's one global state, from the loading of the plug-in to its unloading (its
// destructor runs when the host unloads the library).
#include <cstdint>
#include <string>
#include <vector>

#include "application/tvkdialogue.h"
#include "engine/halvorn.h"
#include "engine/verprojection.h"
#include "host/color_palette.h"

struct verapplication {
  std::uint32_t ressource = 0;             // handle of the application's own resource file
  std::wstring texteCommande;              // argument of the unload command a failed start queues; stays empty
  std::wstring cheminApplication;          // the plug-in's own path, first argument of MdlMain
  host::colors::Palette* palette = nullptr;  // seven colours of the plan list; owned by the host
  verdossier dossier;                      // the delivery folder; every engine call takes it
  drapeauxVerification drapeaux = 0;       // last argument of every engine call
  std::wstring cheminPrototype;            // "Prototype.dgn" of the parameter folder
  std::wstring cheminDessin;               // working drawing "Tolvek.dgn" of the working folder
  std::wstring versionApplication;         // "01.02.03"
  std::wstring versionBibliotheque;        // "1.2.3.4" of libhalvorn.so beside the plug-in; empty when unknown
  std::vector<verprojection> projections;  // the projections a user can choose, filled at start
  int traitementsEnCours = 0;              // runs in progress that pump the host's messages (app_traitement.h)
};

extern verapplication appTolvek;
