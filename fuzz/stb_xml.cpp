// The XML reader of the clipboard's texts: the input is UTF-16 units (unpaired surrogates and NUL
// units kept), cut into lines as a paste cuts them.
#include <vector>

#include "application/stb_xml.h"
#include "fuzz/harness.h"
#include "host/messages.h"
#include "toolbox/stb_str.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::wstring> lignes;
  stbStr_decouper(lignes, fuzz::texteUtf16(data, size), L"\n");
  for (std::wstring& l : lignes)
    if (!l.empty() && l.back() == L'\r') l.pop_back();
  StbXml document;
  StbXml::charger(document, lignes);
  host::messages::clearLog();
  return 0;
}
