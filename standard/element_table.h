#pragma once
// The element table of a plan file: one verelement per drawn element of the file's model, with
// its geometry summary, actual symbology and network classification, sorted by element id; and
// the small element helpers that the rule books share.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/halvorn.h"
#include "engine/verplanfichiers.h"
#include "host/model_ref.h"
#include "standard/verelement.h"

// An unnamed cell holding a text or a dimension, with the first dimension of its graphic group
// (0 when there is none).
struct vercouple {
  std::uint64_t idCellule = 0;
  std::uint64_t idCotation = 0;
  friend bool operator==(const vercouple&, const vercouple&) = default;
};

// The pairs of a file in scan order, with the index of their cell and dimension ids built once,
// so that finding the pair of an element costs the same whatever the number of pairs. Made from
// a list (implicitly), read as one.
class vercouples {
 public:
  vercouples() = default;
  vercouples(std::vector<vercouple> couples);
  operator const std::vector<vercouple>&() const { return liste_; }
  const std::vector<vercouple>& liste() const { return liste_; }
  bool empty() const { return liste_.empty(); }
  std::size_t size() const { return liste_.size(); }
  const vercouple& operator[](std::size_t i) const { return liste_[i]; }
  auto begin() const { return liste_.begin(); }
  auto end() const { return liste_.end(); }
  // The first pair whose cell (`cellule`) or dimension has that id; -1 when none.
  std::int32_t indice(std::uint64_t id, bool cellule) const;

 private:
  std::vector<vercouple> liste_;
  std::unordered_map<std::uint64_t, std::int32_t> cellules_, cotations_;
};

// Rebuilds the file's table from its model (emptied first; stays empty without a model). The
// file's role chooses the classification: 1 one-file standard for the electricity theme (62),
// 3 three-file standard with 62, 4 three-file standard with 6144; the background file (2) and
// any other role are not classified. Type 94 is left out.
void element_construireTable(verfichier& fichier);

// Appends one finding of an element of the file's table: its id, its element type as extra value, no
// position, its category label as object, and the complement given.
void element_signaler(std::vector<vererreur>& erreurs, const verfichier& fichier, const verelement& e,
                      std::uint32_t code, const std::wstring& complement = std::wstring());
// The same for the record of that id, when the file's table holds one; nothing otherwise.
void element_signalerParId(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idElement,
                           std::uint32_t code, const std::wstring& complement = std::wstring());

// Appends one finding of the network checks on the record of that id: its id, its element type
// as extra value, no position, no object, and the complement given. False, with nothing added,
// when the file's table holds no such record.
bool element_signalerReseau(std::vector<vererreur>& erreurs, const verfichier& fichier, std::uint64_t idElement,
                            std::uint32_t code, const std::wstring& complement = std::wstring());

// Whether the file's table holds the record of that id with a status that the verification
// examines: 2 (new or changed since the previous version) or 3 (marked by the network checks).
bool element_estExamine(const verfichier& fichier, std::uint64_t idElement);

// Index of the record of that id in a table sorted by id, or -1.
std::int32_t element_rechercherParId(const std::vector<verelement>& table, std::uint64_t idElement);

// 0 when the model has a level of that exact name with an id other than 0; otherwise appends
// error 1006 for the file with the name as complement and gives 0x8000.
std::uint32_t element_idNiveau(std::vector<vererreur>& erreurs, const std::wstring& cheminFichier,
                               host::ModelRef modele, const std::wstring& nomNiveau);

// The unnamed cells (type 2) of the model that hold a text or a dimension at any depth, in scan
// order, each with the first drawn dimension of its graphic group (group 0 included). Empty for
// an invalid model.
vercouples element_collecterCellules(host::ModelRef modele);

// The first pair whose cell (type 2) or dimension (type 33) has that id; -1 for other types, for
// the id 0 and when none matches.
std::int32_t element_indiceCouple(std::uint64_t idElement, std::int32_t type, const vercouples& couples);
