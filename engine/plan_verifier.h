#pragma once
// The per-plan driver: builds the plan's file set, runs every check in a fixed order, stops
// early where a stage finds errors, and leaves the plan's statuses, error list and comparison
// list filled. The order, the stops and the statuses are this file's alone.
#include <cstdint>

#include "engine/halvorn.h"
#include "engine/vercontexte.h"

// Verifies `plan` in the context's Livre directory; mode 1 verify, 2 verify and write the compare
// CSV. The caller has emptied the plan's lists and rebuilt the context. Every work file opened
// here is closed before the return unless it is the host's active model. Never throws: a plan
// whose verification fails unexpectedly gets `statuts`[0] = 2.
void plan_verifier(verplan& plan, std::int32_t mode, vercontexte& contexte, drapeauxVerification drapeaux);
