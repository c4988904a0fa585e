#include "application/ecart_classement.h"

#include "standard/niv_classement.h"

std::uint32_t ecart_classerElement(verclassement* classement, const host::ElementHandle& element, host::ModelRef modele,
                                   std::uint32_t typePlan, std::uint32_t masqueTheme) {
  return niv_classerElement(classement, element, modele, typePlan, masqueTheme);
}
