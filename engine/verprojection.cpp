#include "engine/verprojection.h"

void verprojection_construire(verprojection& projection) { projection = verprojection{}; }
