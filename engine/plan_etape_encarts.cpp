// Driver step 15.4: the network file's elements inside an inset leave the network checks.
#include "engine/encart.h"
#include "engine/plan_etapes.h"

void etape_encarts(verplaninfo& plan, verfichier& reseau) {
  encart_collecter(plan);
  host::ElementAgenda encarts;
  encart_remplirAgenda(encarts, plan);
  if (encarts.empty()) return;
  for (verelement& element : reseau.elements) {
    if (element.etatControle == 1) continue;
    if (encart_contientElement(host::ElementHandle(element.idElement, reseau.modele), encarts) == 0)
      element.etatControle = 1;
  }
}
