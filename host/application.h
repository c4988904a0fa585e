#pragma once
// Applications: plug-ins (shared libraries) that the host loads with dlopen and starts through
// their exported entry `extern "C" void MdlMain(int argc, const wchar_t** argv)`, the plug-in's
// own path first in the argument vector. While the host calls into an application (its entry,
// its commands, hooks and tools) that application is the running one: what it registers
// (resources, commands, hooks, variables, palettes, callbacks) is recorded as its own and is
// dropped when it unloads.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/resource_file.h"

namespace host::application {

// The entry that every plug-in exports.
using MainFunction = void (*)(int argc, const wchar_t** argv);
constexpr const char* mainSymbol = "MdlMain";

// Called when the application is loaded again while loaded; no result.
using ReloadFunction = void (*)();
// Called before the application unloads, with the reason; true refuses the unloading.
using UnloadFunction = bool (*)(int reason);

// Unload reasons.
constexpr int reasonRequest = 1;  // the unload command, a key-in or the shell's unload
constexpr int reasonExit = 2;     // the host exits

struct Application {
  int id = 0;
  std::wstring path;   // as given to load()
  std::wstring name;   // file stem without a "lib" prefix, upper case ("TOLVEK")
  void* handle = nullptr;
  ReloadFunction reload = nullptr;
  UnloadFunction unload = nullptr;
  std::vector<resources::ResourceFile> resources;  // handle = index + 1
  int commandNameList = 0;
  int promptList = 0;
};

// Loads and starts an application. Loading a loaded one (same path or name) calls its reload
// function instead. The id (>0), or 0 and a French error.
int load(const std::wstring& path, const std::vector<std::wstring>& arguments, std::wstring& error);

// Unloads an application by name, path or id text: its unload function (which may refuse), its
// dialogs closed, everything it registered dropped, then dlclose. False and an error otherwise.
bool unload(const std::wstring& which, int reason, std::wstring& error);
bool unloadId(int id, int reason, std::wstring& error);

// Unloads every application (host exit).
void unloadAll();

// Registers an application whose code is already in the process (a test that links the
// application's objects): no library is opened and no entry is called. Under a CallScope of the
// id it opens resources, publishes hooks and variables as a loaded plug-in does from MdlMain;
// `path` stands for the plug-in's path (its resource file is looked for beside it). The id (>0).
int registerInProcess(const std::wstring& path);

const Application* find(const std::wstring& which);
const Application* byId(int id);
std::vector<const Application*> loaded();

// The running application's id (0: none, the host itself).
int currentId();
Application* current();

// Makes `id` the running application for the scope's life; scopes nest.
class CallScope {
 public:
  explicit CallScope(int id);
  ~CallScope();
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;
};

// --- For applications (act on the running application) ---
void setReloadFunction(ReloadFunction f);
void setUnloadFunction(UnloadFunction f);

// Opens a resource file: an empty name opens the application's own (the plug-in's stem with
// ".json", without a "lib" prefix, beside the plug-in or in a folder of the configuration
// variable CADHOST_RESOURCES, ":"-separated). The handle (>0), or 0 with an error.
std::uint32_t openResourceFile(const std::wstring& name, std::wstring* error = nullptr);
const resources::ResourceFile* resourceFile(int owner, std::uint32_t handle);
// The path under which openResourceFile(name) would find the running application's file; empty
// when there is none (or no application runs). For host::resources::openFile.
std::wstring resourceFilePath(const std::wstring& name);

// Publishes a dialog variable whose type is a data definition of the application's resources.
bool publishVariable(const std::wstring& typeName, const std::wstring& name, void* address);

// Lists of the application's resource strings used for command names and prompts.
void registerStringIds(int commandNameList, int promptList);
std::optional<std::wstring> resourceString(int owner, int listId, int stringId);

// The version record of the application's plug-in: release, major, minor, sub (0 when none).
std::uint64_t versionNumber(int owner);

}  // namespace host::application
