#include "host/version_record.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/paths.h"

namespace host::version {
namespace {

template <typename T>
bool at(const std::string& bytes, std::uint64_t offset, T& out) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, bytes.data() + offset, sizeof(T));
  return true;
}

// Finds the record through the dynamic symbol table: the symbol's section gives the file offset.
std::optional<Record> fromElf(const std::string& bytes) {
  Elf64_Ehdr eh;
  if (!at(bytes, 0, eh) || std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS64)
    return std::nullopt;
  std::vector<Elf64_Shdr> sections(eh.e_shnum);
  for (std::size_t i = 0; i < sections.size(); ++i)
    if (!at(bytes, eh.e_shoff + i * sizeof(Elf64_Shdr), sections[i])) return std::nullopt;
  for (const Elf64_Shdr& table : sections) {
    if (table.sh_type != SHT_DYNSYM && table.sh_type != SHT_SYMTAB) continue;
    if (table.sh_link >= sections.size() || table.sh_entsize != sizeof(Elf64_Sym)) continue;
    const Elf64_Shdr& names = sections[table.sh_link];
    for (std::uint64_t k = 0; k < table.sh_size / sizeof(Elf64_Sym); ++k) {
      Elf64_Sym sym;
      if (!at(bytes, table.sh_offset + k * sizeof(Elf64_Sym), sym)) break;
      const std::uint64_t nameAt = names.sh_offset + sym.st_name;
      const std::size_t length = std::strlen(recordSymbol);
      if (sym.st_name >= names.sh_size || nameAt + length + 1 > bytes.size()) continue;
      if (std::memcmp(bytes.data() + nameAt, recordSymbol, length + 1) != 0) continue;
      if (sym.st_shndx == SHN_UNDEF || sym.st_shndx >= sections.size() || sym.st_size < sizeof(Record)) continue;
      const Elf64_Shdr& holder = sections[sym.st_shndx];
      if (holder.sh_type == SHT_NOBITS || sym.st_value < holder.sh_addr) continue;
      Record r;
      if (!at(bytes, holder.sh_offset + (sym.st_value - holder.sh_addr), r)) continue;
      if (r.signature == recordSignature) return r;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<Record> readFile(const std::wstring& path) {
  try {
    const auto file = paths::readBytes(paths::resolve(path));
    if (!file || file->empty()) return std::nullopt;
    return fromElf(*file);
  } catch (...) {
    return std::nullopt;
  }
}

std::wstring text(const Record& r) {
  return std::to_wstring(r.major) + L"." + std::to_wstring(r.minor) + L"." + std::to_wstring(r.build) + L"." +
         std::to_wstring(r.revision);
}

}  // namespace host::version
