#include "host/element_handle.h"

namespace host {

Element* ElementHandle::edit() {
  if (!owned_) {
    const Element* e = readElement(model_, id_);
    if (!e) return nullptr;
    owned_ = *e;
  }
  return &*owned_;
}

void ElementHandle::setElement(Element element) {
  element.id = id_;
  if (const Element* current = this->element()) element.filePosition = current->filePosition;
  owned_ = std::move(element);
}

ElementId ElementHandle::addToModel(ModelRef target) {
  const Element* e = element();
  if (!e) return 0;
  if (!target) target = model_;
  Element copy = *e;
  copy.id = 0;
  copy.filePosition = 0;
  const ElementId id = addElement(target, std::move(copy));
  if (id) {
    model_ = target;
    id_ = id;
    owned_.reset();
  }
  return id;
}

int ElementHandle::replaceInModel() {
  if (!owned_) return isValid() ? kSuccess : kElementNotFound;
  Element copy = *owned_;
  copy.id = id_;
  const int status = replaceElement(model_, copy);
  if (status == kSuccess) owned_.reset();
  return status;
}

int ElementHandle::deleteFromModel() {
  const int status = deleteElement(model_, id_);
  if (status == kSuccess) owned_.reset();
  return status;
}

}  // namespace host
