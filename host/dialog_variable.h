#pragma once
// Published dialog variables: an application publishes a C struct of its own under a name, with
// the layout of its fields; dialog items are bound to its fields by "Name.field" (the access
// string of the resource file). Text fields are single-byte (ISO 8859-1, zero-terminated), and
// the host never writes past a field's declared size. The application owns the struct; the host
// forgets it when the application unloads.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/resource_file.h"

namespace host::dialog_variable {

struct Field {
  std::wstring name;
  resources::FieldKind kind = resources::FieldKind::Int32;
  int count = 1;            // text: bytes with the zero; numbers: array length
  std::size_t offset = 0;   // bytes from the start of the struct
};

struct Layout {
  std::wstring typeName;
  std::vector<Field> fields;
  std::size_t size = 0;     // sizeof the C struct
  const Field* field(const std::wstring& name) const;
};

// The layout a C compiler gives a struct with these fields in order (natural alignment:
// int32 on 4 bytes, double and uint64 on 8, text on 1), so that a data definition matches the struct.
Layout layoutOf(const resources::DataDefinition& definition);

// Bytes of one value of a field kind (one character for text).
std::size_t sizeOf(resources::FieldKind kind);

// Publishes (or re-publishes) a variable. `owner` is the publishing application's id (0: none).
void publish(const std::wstring& name, const Layout& layout, void* address, int owner);

// Forgets the variables of an application, or one variable by name.
void unpublishOwnedBy(int owner);
void unpublish(const std::wstring& name);

// One bound field: "Name.field" or "Name.field[i]" for an element of a number array.
struct FieldRef {
  void* address = nullptr;  // the field's first byte
  Field field;
};
std::optional<FieldRef> find(const std::wstring& access);

// The field as text: text fields read as ISO 8859-1; integers in decimal; doubles in fixed
// notation, never with an exponent: with `decimals` decimals (0 to resources::maxDecimals), or
// -1 for the shortest form that reads back exactly.
std::wstring read(const FieldRef& ref, int decimals = -1);

// Writes text into the field: text is cut to the field's size less the zero and characters above
// U+00FF become "_"; numbers must read whole and within the field's range, a uint64 taking no
// sign (else false and nothing written).
bool write(const FieldRef& ref, const std::wstring& value);

// Integer value of an int32 field (0 for other kinds); sets an int32 field.
int readInt(const FieldRef& ref);
void writeInt(const FieldRef& ref, int value);

}  // namespace host::dialog_variable
