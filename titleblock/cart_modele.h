#pragma once
// The model a reader works on: the one the caller gives, or the plan file opened here as a work
// file (read-only accepted) and closed again when the reader returns, on every path. The host's
// active model is never closed.
#include <string>

#include "host/model_ref.h"

class cart_modele {
 public:
  // A null model with an empty path, or a file that does not open, gives no model.
  cart_modele(host::ModelRef modele, const std::wstring& chemin);
  ~cart_modele();
  cart_modele(const cart_modele&) = delete;
  cart_modele& operator=(const cart_modele&) = delete;

  host::ModelRef get() const { return modele_; }
  explicit operator bool() const { return static_cast<bool>(modele_); }

 private:
  host::ModelRef modele_;
  bool ouvertIci_ = false;
};
