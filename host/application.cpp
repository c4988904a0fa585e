#include "host/application.h"

#include <dlfcn.h>

#include <algorithm>
#include <memory>

#include <boost/filesystem/operations.hpp>

#include "host/color_palette.h"
#include "host/commands.h"
#include "host/config.h"
#include "host/dialog_variable.h"
#include "host/dialogs.h"
#include "host/open_resources.h"
#include "host/paths.h"
#include "host/tools.h"
#include "host/transients.h"
#include "host/view_display.h"
#include "host/version_record.h"

namespace host::application {
namespace {

struct State {
  std::vector<std::unique_ptr<Application>> apps;
  std::vector<int> running;  // call stack of application ids
  int nextId = 1;
};

State& state() {
  static State s;
  return s;
}

std::wstring upperText(std::wstring s) {
  for (wchar_t& c : s) c = paths::upper(c);
  return s;
}

// "lib/libtolvek.so" -> "tolvek"
std::wstring stem(const std::wstring& path) {
  std::wstring name = paths::fromNative(paths::toNative(path).filename());
  if (const auto dot = name.find(L'.'); dot != std::wstring::npos) name.resize(dot);
  if (name.size() > 3 && name.compare(0, 3, L"lib") == 0) name.erase(0, 3);
  return name;
}

Application* findMutable(const std::wstring& which) {
  for (auto& a : state().apps) {
    if (std::to_wstring(a->id) == which || paths::equalNoCase(a->name, which) || a->path == which) return a.get();
    boost::system::error_code ec;
    auto p = boost::filesystem::weakly_canonical(paths::toNative(which), ec);
    auto q = boost::filesystem::weakly_canonical(paths::toNative(a->path), ec);
    if (!ec && p == q) return a.get();
  }
  return nullptr;
}

Application* byIdMutable(int id) {
  for (auto& a : state().apps)
    if (a->id == id) return a.get();
  return nullptr;
}

void callMain(Application& app, const std::vector<std::wstring>& arguments) {
  auto main = reinterpret_cast<MainFunction>(dlsym(app.handle, mainSymbol));
  std::vector<std::wstring> args{app.path};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<const wchar_t*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  argv.push_back(nullptr);
  CallScope scope(app.id);
  try {
    main(static_cast<int>(args.size()), argv.data());
  } catch (...) {
  }
}

}  // namespace

int load(const std::wstring& path, const std::vector<std::wstring>& arguments, std::wstring& error) {
  if (Application* loadedApp = findMutable(path)) {
    if (loadedApp->reload) {
      CallScope scope(loadedApp->id);
      try {
        loadedApp->reload();
      } catch (...) {
      }
    }
    return loadedApp->id;
  }
  const auto native = paths::resolve(path);
  void* handle = dlopen(native.string().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    error = L"chargement impossible de " + path + L" : " + paths::fromNative(why ? why : "");
    return 0;
  }
  if (!dlsym(handle, mainSymbol)) {
    dlclose(handle);
    error = L"l'application " + path + L" n'exporte pas MdlMain";
    return 0;
  }
  auto app = std::make_unique<Application>();
  app->id = state().nextId++;
  app->path = path;
  app->name = upperText(stem(path));
  app->handle = handle;
  Application& ref = *app;
  state().apps.push_back(std::move(app));
  callMain(ref, arguments);
  return ref.id;
}

int registerInProcess(const std::wstring& path) {
  auto app = std::make_unique<Application>();
  app->id = state().nextId++;
  app->path = path;
  app->name = upperText(stem(path));
  const int id = app->id;
  state().apps.push_back(std::move(app));
  return id;
}

bool unloadId(int id, int reason, std::wstring& error) {
  Application* app = byIdMutable(id);
  if (!app) {
    error = L"aucune application chargée sous le numéro " + std::to_wstring(id);
    return false;
  }
  if (std::find(state().running.begin(), state().running.end(), id) != state().running.end()) {
    error = L"l'application " + app->name + L" est en cours d'exécution";
    return false;
  }
  if (app->unload) {
    bool refused = false;
    {
      CallScope scope(id);
      try {
        refused = app->unload(reason);
      } catch (...) {
      }
    }
    if (refused) {
      error = L"l'application " + app->name + L" refuse d'être déchargée";
      return false;
    }
  }
  {
    CallScope scope(id);
    tools::endOwnedBy(id);
    dialogs::closeOwnedBy(id);
  }
  views::removeFunctionsOwnedBy(id);
  transients::freeOwnedBy(id);
  commands::unregisterOwnedBy(id);
  dialogs::unpublishHooksOwnedBy(id);
  dialog_variable::unpublishOwnedBy(id);
  colors::destroyOwnedBy(id);
  resources::closeOwnedBy(id);
  void* handle = app->handle;
  std::erase_if(state().apps, [id](const auto& a) { return a->id == id; });
  if (handle) dlclose(handle);
  return true;
}

bool unload(const std::wstring& which, int reason, std::wstring& error) {
  const Application* app = findMutable(which);
  if (!app) {
    error = L"aucune application chargée sous le nom " + which;
    return false;
  }
  return unloadId(app->id, reason, error);
}

void unloadAll() {
  while (!state().apps.empty()) {
    std::wstring error;
    const int id = state().apps.back()->id;
    if (!unloadId(id, reasonExit, error)) {
      // A refusal at exit is overruled: the host goes away regardless.
      Application* app = byIdMutable(id);
      if (app) app->unload = nullptr;
      unloadId(id, reasonExit, error);
    }
  }
}

const Application* find(const std::wstring& which) { return findMutable(which); }
const Application* byId(int id) { return byIdMutable(id); }

std::vector<const Application*> loaded() {
  std::vector<const Application*> out;
  for (auto& a : state().apps) out.push_back(a.get());
  return out;
}

int currentId() { return state().running.empty() ? 0 : state().running.back(); }
Application* current() { return byIdMutable(currentId()); }

CallScope::CallScope(int id) { state().running.push_back(id); }
CallScope::~CallScope() { state().running.pop_back(); }

void setReloadFunction(ReloadFunction f) {
  if (Application* app = current()) app->reload = f;
}

void setUnloadFunction(UnloadFunction f) {
  if (Application* app = current()) app->unload = f;
}

namespace {

// Where the running application's resource file of that name is looked for, in order.
std::vector<std::wstring> resourceCandidates(const Application& app, const std::wstring& name) {
  std::vector<std::wstring> candidates;
  const std::wstring file = name.empty() ? stem(app.path) + L".json" : name;
  if (paths::toNative(file).has_parent_path()) {
    candidates.push_back(file);
  } else {
    candidates.push_back(paths::fromNative(paths::toNative(app.path).parent_path() / paths::toNative(file)));
    if (auto folders = config::get(L"CADHOST_RESOURCES")) {
      std::wstring rest = *folders;
      while (!rest.empty()) {
        const auto colon = rest.find(L':');
        const std::wstring folder = rest.substr(0, colon);
        if (!folder.empty()) candidates.push_back(folder + L"/" + file);
        rest = colon == std::wstring::npos ? L"" : rest.substr(colon + 1);
      }
    }
  }
  return candidates;
}

bool isFile(const std::wstring& path) {
  boost::system::error_code ec;
  return boost::filesystem::is_regular_file(paths::resolve(path), ec);
}

}  // namespace

std::uint32_t openResourceFile(const std::wstring& name, std::wstring* error) {
  Application* app = current();
  std::wstring why;
  if (!app) {
    if (error) *error = L"aucune application en cours";
    return 0;
  }
  for (const auto& c : resourceCandidates(*app, name)) {
    if (!isFile(c)) continue;
    auto rf = resources::load(c, why);
    if (!rf) break;
    app->resources.push_back(std::move(*rf));
    return static_cast<std::uint32_t>(app->resources.size());
  }
  if (error) *error = why.empty() ? L"fichier de ressources introuvable : " + (name.empty() ? stem(app->path) + L".json" : name) : why;
  return 0;
}

std::wstring resourceFilePath(const std::wstring& name) {
  const Application* app = current();
  if (!app) return {};
  for (const auto& c : resourceCandidates(*app, name))
    if (isFile(c)) return c;
  return {};
}

const resources::ResourceFile* resourceFile(int owner, std::uint32_t handle) {
  const Application* app = byId(owner);
  if (!app || handle == 0 || handle > app->resources.size()) return nullptr;
  return &app->resources[handle - 1];
}

bool publishVariable(const std::wstring& typeName, const std::wstring& name, void* address) {
  Application* app = current();
  if (!app) return false;
  for (const auto& rf : app->resources)
    if (const auto* def = rf.dataDefinition(typeName)) {
      dialog_variable::publish(name, dialog_variable::layoutOf(*def), address, app->id);
      return true;
    }
  return false;
}

void registerStringIds(int commandNameList, int promptList) {
  if (Application* app = current()) {
    app->commandNameList = commandNameList;
    app->promptList = promptList;
  }
}

std::optional<std::wstring> resourceString(int owner, int listId, int stringId) {
  const Application* app = byId(owner);
  if (!app) return std::nullopt;
  for (const auto& rf : app->resources)
    if (auto s = rf.string(listId, stringId)) return s;
  return std::nullopt;
}

std::uint64_t versionNumber(int owner) {
  const Application* app = byId(owner);
  if (!app) return 0;
  auto r = version::readFile(app->path);
  if (!r) return 0;
  return (std::uint64_t{r->major} << 48) | (std::uint64_t{r->minor} << 32) | (std::uint64_t{r->build} << 16) |
         r->revision;
}

}  // namespace host::application
