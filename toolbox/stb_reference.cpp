#include "toolbox/stb_reference.h"

#include <vector>

#include "host/model_ref.h"
#include "toolbox/stb_str.h"

namespace {
// The host hands logical names out in buffers of this many characters.
constexpr std::size_t kLongueurNomLogique = 1024;
}  // namespace

void stbDgn_detacherReferences(const std::wstring& prefixe) {
  try {
    std::vector<host::ModelRef> aDetacher;
    for (host::ModelRef r : host::references(host::activeModel())) {
      const host::ReferenceAttachment* a = host::attachment(r);
      if (!a) continue;
      const std::wstring nom = a->logicalName.substr(0, kLongueurNomLogique);
      if (stbStr_commencePar(nom, prefixe, false)) aDetacher.push_back(r);
    }
    for (host::ModelRef r : aDetacher) host::detachReference(r);
  } catch (...) {
  }
}
