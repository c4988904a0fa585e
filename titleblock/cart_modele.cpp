#include "titleblock/cart_modele.h"

#include "toolbox/stb_dgn.h"

cart_modele::cart_modele(host::ModelRef modele, const std::wstring& chemin) {
  if (modele) {
    modele_ = modele;
    return;
  }
  if (chemin.empty()) return;
  host::ModelRef ouvert;
  if (stbDgn_ouvrirFichier(&ouvert, nullptr, nullptr, chemin, L"", true) != 0) return;
  modele_ = ouvert;
  ouvertIci_ = true;
}

cart_modele::~cart_modele() {
  if (ouvertIci_) stbDgn_fermerFichier(modele_);
}
