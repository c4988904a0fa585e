#include "networks/veraccessoire.h"

#include "networks/accessoires_table.h"
#include "toolbox/stb_str.h"

veraccessoire veraccessoire_definir(const std::wstring& code, std::uint32_t famille, std::uint32_t cablesAdmis,
                                    std::int32_t premier, std::int32_t dernier) {
  veraccessoire a;
  a.code = code;
  a.famille1 = famille == 1 ? 1 : 0;
  a.famille2 = famille == 2 ? 1 : 0;
  a.cablesAdmis = cablesAdmis;
  for (std::int32_t n = premier; n <= dernier; ++n) {
    a.nombresAdmis.push_back(n);
    if (n == dernier) break;  // dernier may be the largest i32
  }
  return a;
}

std::vector<veraccessoire> cable_listeAccessoires(std::uint32_t catalogue) {
  std::span<const accessoire_ligne> table;
  if (catalogue == 1) table = accessoire_tableV2();
  else if (catalogue == 2) table = accessoire_tableV3();
  std::vector<veraccessoire> liste;
  liste.reserve(table.size());
  for (const accessoire_ligne& l : table)
    liste.push_back(veraccessoire_definir(std::wstring(l.code), l.famille, l.cablesAdmis, l.premier, l.dernier));
  return liste;
}

std::int32_t cable_indexAccessoire(const std::vector<veraccessoire>& catalogue, const std::wstring& nom) {
  for (std::size_t i = 0; i < catalogue.size(); ++i)
    if (stbStr_comparer(catalogue[i].code, nom, false) == 0) return static_cast<std::int32_t>(i);
  return -1;
}
