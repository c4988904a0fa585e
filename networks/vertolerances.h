#pragma once
// The geometric tolerances of the network checks: 24 reals, distances in UORs and angles in
// radians. Entries read: [12] distance of the trace checks (2.0), [15] PTR tolerance of the PTRL
// group check (2.0), [21] angle of the back-and-forth check (30 degrees), [22] search distance of
// the raccord label search (10000.0), [23] its angle limit (5 degrees). The others keep their
// defaults and nothing reads them.
#include <array>

using vertolerances = std::array<double, 24>;

// Fills the block with the defaults and returns it.
vertolerances& tol_initialiser(vertolerances& tolerances);
