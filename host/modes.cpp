#include "host/modes.h"

namespace host {

GlobalModes& globalModes() {
  static GlobalModes modes{};
  return modes;
}

void resetGlobalModes() { globalModes().fill(0); }

}  // namespace host
