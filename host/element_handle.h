#pragma once
// A handle on one element: either a reference to an element of a model (model and id, looked up
// each time, so a deleted element is simply gone) or an element the handle owns (a copy being
// edited, a new element, a component). An empty handle holds neither.
#include <optional>

#include "host/element.h"
#include "host/model_ref.h"

namespace host {

class ElementHandle {
 public:
  ElementHandle() = default;
  // Refers to the element `id` of `model`.
  ElementHandle(ElementId id, ModelRef model) : model_(model), id_(id) {}
  // Owns `element`, which belongs to `model` (its id, if any, names the element it replaces).
  ElementHandle(Element element, ModelRef model) : model_(model), id_(element.id), owned_(std::move(element)) {}

  // Holds an element: an owned one, or a referenced one that its model still has.
  bool isValid() const { return element() != nullptr; }
  // The element, or null. A referenced element's pointer lasts until its model changes.
  const Element* element() const { return owned_ ? &*owned_ : readElement(model_, id_); }
  int type() const {
    const Element* e = element();
    return e ? e->type : 0;
  }
  ElementId id() const { return id_; }
  ModelRef model() const { return model_; }
  bool isOwned() const { return owned_.has_value(); }

  // The element for editing: a referenced element is copied into the handle first, keeping its
  // id, so that replaceInModel() writes the change back. Null for an empty handle.
  Element* edit();
  // Puts `element` into the handle (owned), keeping the handle's id and model.
  void setElement(Element element);
  void setModel(ModelRef model) { model_ = model; }

  // Adds a copy of the element at the end of `target` (the handle's model when none); the
  // handle then refers to the new element. Returns its id, or 0.
  ElementId addToModel(ModelRef target = {});
  // Writes the held element over the element of the same id in the handle's model.
  int replaceInModel();
  int deleteFromModel();

  void clear() { *this = ElementHandle(); }

 private:
  ModelRef model_;
  ElementId id_ = 0;
  std::optional<Element> owned_;
};

}  // namespace host
