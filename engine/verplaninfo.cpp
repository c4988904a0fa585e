#include "engine/verplaninfo.h"

void verplaninfo_construire(verplaninfo& plan) { plan = verplaninfo{}; }
