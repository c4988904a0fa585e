#include "host/open_resources.h"

#include <map>
#include <memory>

#include <boost/filesystem/operations.hpp>

#include "host/application.h"
#include "host/paths.h"

namespace host::resources {
namespace {

struct Opened {
  std::unique_ptr<ResourceFile> file;
  int owner = 0;
};

struct State {
  std::map<std::uint32_t, Opened> files;
  std::uint32_t next = 1;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

std::uint32_t openFile(const std::wstring& path, std::wstring* error) {
  std::wstring why;
  boost::system::error_code ec;
  if (path.empty() || !boost::filesystem::is_regular_file(paths::resolve(path), ec)) {
    if (error) *error = L"fichier de ressources introuvable : " + path;
    return 0;
  }
  auto rf = load(path, why);
  if (!rf) {
    if (error) *error = why;
    return 0;
  }
  State& s = state();
  if (s.next == 0) s.next = 1;  // after 2^32 openings: 0 is never a handle
  const std::uint32_t handle = s.next++;
  s.files[handle] = {std::make_unique<ResourceFile>(std::move(*rf)), application::currentId()};
  return handle;
}

bool closeFile(std::uint32_t handle) { return state().files.erase(handle) > 0; }

const ResourceFile* openedFile(std::uint32_t handle) {
  auto it = state().files.find(handle);
  return it == state().files.end() ? nullptr : it->second.file.get();
}

void closeOwnedBy(int owner) {
  std::erase_if(state().files, [owner](const auto& f) { return f.second.owner == owner; });
}

std::size_t openFileCount() { return state().files.size(); }

}  // namespace host::resources
