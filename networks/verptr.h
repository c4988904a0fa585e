#pragma once
// One PTR cell of a plan's network file with what is attached to it: the texts of its graphic
// group and what lies under it.
#include <cstdint>
#include <string>

#include "host/geom_types.h"
#include "standard/verclassement.h"

// Class of a PTR cell by its name (compared without case).
enum classePTR : std::uint32_t {
  classePtrAucune = 0,  // not a PTR cell
  classePtrl = 1,       // PTRL, ERPTRL, GRPTRL
  classePtrla = 2,      // PTRLA, ERPTA
  classePtrlas = 3,     // PTRLAS, ERPTAS
  classePtrlEa = 4,     // EAPTRL, GAPTRL
  classePtrc = 5,       // PTRC, ERPTRC
  classePtrcEa = 6,     // EAPTRC
  classePtrd = 7,       // PTRD, GRPTRD
};

// A new record holds these defaults; the reserved fields are read by no check and keep them.
// Element ids are 0 when the thing is absent.
struct verptr {
  std::int32_t reserve1 = -1;
  std::uint32_t typePlan = 0;     // 1 one-file plan, 2 three-file plan, from the plan record
  std::uint64_t idElement = 0;    // the cell
  host::Point3d origine;          // the cell's origin in master units; z 0
  std::int32_t reserve2 = -1;
  std::uint64_t reserve3 = 0;
  std::uint64_t reserve4 = 0;
  double reserve5 = 0.0;
  std::wstring nomCellule;        // as read from the cell
  std::uint32_t classe = classePtrAucune;
  verclassement classement;       // of the underlying network line; cleared when there is none
  std::uint32_t groupe = 0;       // graphic group of the cell; 0 none
  std::uint64_t texteAltitude = 0;
  std::uint8_t altitudeDonnee = 0;  // 1 when an altitude text gave a value
  double altitude = 0.0;
  std::uint64_t texteNumero = 0;
  double numero = 0.0;            // the value in parentheses
  std::uint64_t accessoire = 0;   // accessory cell on the PTR
  std::uint64_t ligneSousJacente = 0;  // nearest network line
  std::uint64_t ligneProtection = 0;   // protection line through the PTR
  std::uint64_t zoneProtection = 0;    // protection area containing the PTR
  std::uint64_t reserve6 = 0;
  std::uint64_t reserve7 = 0;
  double reserve8 = 0.0;
  std::int32_t reserve9 = -1;
  std::int32_t paire = -1;        // index in the sorted list of the paired PTRLA / PTRLAS cell; -1 none
  std::wstring reserve10;
  std::uint64_t reserve11 = 0;
  std::wstring reserve12;
  std::wstring reserve13;
};
