#include "application/diff_fusion.h"

void diff_fusionnerTroncons(host::ModelRef) {}
