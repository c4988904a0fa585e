#pragma once
// What the drawing standard expects of a network object and of the inset outlines of a plan.
#include "engine/verplaninfo.h"
#include "standard/verclassement.h"
#include "toolbox/stb_symbologie.h"

// The expected symbology of a classified network object in the plan: level name, colour, weight,
// line style and line-style scale (2.0 at 1:200, 5.0 at 1:500, else 1.0), and the level id in the
// theme model when a level name is expected and the record has a theme model (the alternate level
// of the row first, when the file has it). An object the standard does not list keeps the
// defaults and weight and line-style number 0.
versymbologie& niv_symbologieAttendue(versymbologie& symbologie, const verclassement& objet, const verplaninfo& plan);

// The inset outlines: level "Cart+habillage" (one-file plan) or "EncartsIndiffEle" (three-file
// plan), colour, weight and line-style number 0; the line-style name empty. The level id is not
// resolved. Any other plan kind: level name empty, the rest not checked.
versymbologie& niv_symbologieEncart(versymbologie& symbologie, const verplaninfo& plan);
