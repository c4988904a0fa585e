#pragma once
// The flag-text levels of a plan record looked up once, for a loop of flag-element
// classifications over one theme model.
#include <cstdint>

#include "engine/verplaninfo.h"
#include "host/element_handle.h"

struct drap_niveaux {
  std::uint32_t principal = 0;
  std::uint32_t bt = 0;
  std::uint32_t hta = 0;
  std::uint32_t branchement = 0;
};

// drap_niveauTexteDrapeau's levels; all 0 where it gives none.
drap_niveaux drap_lireNiveaux(const verplaninfo& plan);

// drap_typeCelluleDrapeau with the plan's levels given.
void drap_classerElement(std::uint32_t* classe, std::uint32_t* reseau, std::uint8_t* differencie,
                         const host::ElementHandle& element, const verplaninfo& plan, const drap_niveaux& niveaux);
