#include "host/model_ref.h"

#include <map>
#include <memory>
#include <utility>

#include <fstream>
#include <string_view>

#include <sys/stat.h>
#include <time.h>

#include <algorithm>

#include <boost/filesystem/operations.hpp>

#include "host/config.h"
#include "host/design_file_pins.h"

#include "host/paths.h"

namespace fs = boost::filesystem;

namespace host {

namespace {

enum class Kind { Active, Work, Reference };

struct Entry {
  Kind kind = Kind::Work;
  std::shared_ptr<DesignFile> file;       // null: a reference whose file could not be read
  std::optional<std::size_t> modelIndex;  // none: the model was not found
  fs::path path;                          // resolved
  bool readOnly = true;
  bool dirty = false;
  std::uint64_t parent = 0;               // references: the attaching model
  std::size_t attachmentIndex = 0;        // references: index in the parent model's attachments
  std::vector<std::uint64_t> references;  // handles of this model's attachments, once walked
  bool referencesLoaded = false;
};

// A file as it stands on disk (see the cache below).
struct FileStamp {
  std::uint64_t device = 0, inode = 0, size = 0;
  std::int64_t modified = 0, changed = 0;  // nanoseconds
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The active file that the last switch put aside, kept whole (handle, changes, references)
// until it is made active again or another switch puts the next one aside.
struct Parked {
  std::uint64_t handle = 0;        // 0: none
  std::uint32_t group = 1;         // its current graphic group
  std::optional<FileStamp> stamp;  // the file on disk then: it comes back only while it is the same
};

struct State {
  bool refuseAdditions = false;
  std::map<std::uint64_t, Entry> entries;
  std::uint64_t next = 1;
  std::uint64_t active = 0;
  std::uint32_t currentGroup = 1;
  Parked parked;
};

State& state() {
  static State s;
  return s;
}

Entry* entryOf(ModelRef ref) {
  auto& entries = state().entries;
  auto it = entries.find(ref.handle);
  return it == entries.end() ? nullptr : &it->second;
}

Model* modelOf(Entry* e) {
  if (!e || !e->file || !e->modelIndex || *e->modelIndex >= e->file->models.size()) return nullptr;
  return &e->file->models[*e->modelIndex];
}

Model* modelOf(ModelRef ref) { return modelOf(entryOf(ref)); }

// The files last read, shared by read-only opens: checking a file and then opening it, or opening
// the same plan from pass after pass, reads and parses it once. An entry serves while the file is
// the same on disk: same device and inode, size, and modification and change times (a save by
// rename gives a new inode, a write in place new times), and only when the file had not been
// changed for a while when it was read, file times being too coarse to tell apart two writes
// close together: a file changed more recently is read again and known by its bytes. The cache holds files up to a number of bytes of file
// (CADHOST_DESIGN_CACHE_MB), the last file read always, and forgets the least recently used first.

// The stamp of a regular file; none when there is no such file.
std::optional<FileStamp> stampOf(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  FileStamp s;
  s.device = st.st_dev;
  s.inode = st.st_ino;
  s.size = static_cast<std::uint64_t>(st.st_size);
  s.modified = st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec;
  s.changed = st.st_ctim.tv_sec * 1'000'000'000LL + st.st_ctim.tv_nsec;
  return s;
}

constexpr std::int64_t kSettled = 2'000'000'000;  // nanoseconds: the coarsest file times

std::int64_t now() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

struct CachedFile {
  std::string path;
  FileStamp stamp;
  bool settled = false;              // changed long enough before it was read
  std::size_t hash = 0;              // of its bytes
  std::shared_ptr<DesignFile> file;  // never changed: writable opens take a copy
};

std::vector<CachedFile>& cache() {
  static std::vector<CachedFile> files;  // most recent first
  return files;
}

std::string& readBuffer() {
  static std::string bytes;
  return bytes;
}

DesignFileLoads& loads() {
  static DesignFileLoads counts;
  return counts;
}

void forget(const fs::path& path) {
  std::erase_if(cache(), [&](const CachedFile& c) { return c.path == path.string(); });
}

// Paths (resolved) that a piece of work keeps loaded, with how many times each was pinned.
std::map<std::string, int>& pins() {
  static std::map<std::string, int> pinned;
  return pinned;
}

// Drops what is over the budget, least recently used first; pinned files and the most recent
// one stay (they count within the budget all the same).
void trim() {
  auto& files = cache();
  const std::uint64_t budget = config::megabytes(L"CADHOST_DESIGN_CACHE_MB", kDefaultDesignCacheMb);
  std::uint64_t held = 0;
  for (std::size_t i = 0; i < files.size(); ++i)
    if (i == 0 || pins().contains(files[i].path)) held += files[i].stamp.size;
  std::size_t kept = files.empty() ? 0 : 1;
  bool full = false;
  for (std::size_t i = 1; i < files.size(); ++i) {
    const bool pinned = pins().contains(files[i].path);
    if (!pinned) {
      full = full || held + files[i].stamp.size > budget;
      if (full) continue;
      held += files[i].stamp.size;
    }
    if (kept != i) files[kept] = std::move(files[i]);
    ++kept;
  }
  files.resize(kept);
}

void keep(CachedFile entry) {
  auto& files = cache();
  files.insert(files.begin(), std::move(entry));
  trim();
}

// No file for an open: the status, and why with the file's path when `error` is asked for.
std::shared_ptr<DesignFile> refused(int* status, int code, std::string* error, const char* why, const fs::path& path) {
  *status = code;
  if (error) *error = why + path.string();
  return nullptr;
}

// Reads (or finds in the cache) a design file. The result must not be changed unless copied.
// A file larger than the limit is refused before it is read; running out of memory refuses
// the file and leaves the host as it was.
std::shared_ptr<DesignFile> loadShared(const fs::path& path, int* status, std::string* error) {
  const auto stamp = stampOf(path);
  if (!stamp) return refused(status, kFileNotFound, error, "no such file: ", path);
  auto& files = cache();
  auto cached = std::find_if(files.begin(), files.end(), [&](const CachedFile& c) { return c.path == path.string(); });
  if (cached != files.end()) {
    std::rotate(files.begin(), cached, cached + 1);  // most recent first
    cached = files.begin();
    if (cached->stamp == *stamp && cached->settled) {
      *status = kSuccess;
      return cached->file;
    }
  }
  if (stamp->size > config::megabytes(L"CADHOST_DESIGN_FILE_MAX_MB", kDefaultDesignFileMaxMb)) {
    forget(path);
    return refused(status, kNotDesignFile, error, "larger than the design-file size limit: ", path);
  }
  try {
    const bool settled = now() - std::max(stamp->modified, stamp->changed) > kSettled;
    std::optional<DesignFile> file;
    std::size_t hash = 0;
    {
      ++loads().reads;
      // A file under the size whose bytes the parser gives back is read into the bytes of the
      // one before: loading plan after plan of about the same size then touches no new memory.
      std::optional<std::string> fresh;
      std::string* bytes = nullptr;
      if (stamp->size < DesignFile::kReleaseFrom) {
        std::string& reused = readBuffer();
        try {
          reused.reserve(stamp->size + DesignFile::kReadPadding);
          reused.resize(stamp->size);
          if (paths::readBytesAgain(path, reused)) bytes = &reused;
        } catch (const std::bad_alloc&) {
          std::string().swap(reused);  // read as any other file below
        }
      }
      if (!bytes) {
        fresh = paths::readBytes(path, DesignFile::kReadPadding);
        if (!fresh) {
          forget(path);
          return refused(status, kFileNotFound, error, "cannot read ", path);
        }
        bytes = &*fresh;
      }
      // A file changed too recently for its times to be trusted is known by its bytes.
      if (!settled) hash = std::hash<std::string_view>{}(*bytes);
      if (!settled && cached != files.end() && !cached->settled && cached->stamp.size == bytes->size() &&
          cached->hash == hash) {
        cached->stamp = *stamp;
        cached->settled = settled;
        *status = kSuccess;
        return cached->file;
      }
      forget(path);
      ++loads().parses;
      file = DesignFile::parseFileBytes(*bytes, path, error);
    }
    if (!file) {
      *status = kNotDesignFile;
      return nullptr;
    }
    auto shared = std::make_shared<DesignFile>(std::move(*file));
    keep(CachedFile{path.string(), *stamp, settled, hash, shared});
    *status = kSuccess;
    return shared;
  } catch (const std::bad_alloc&) {
    forget(path);
    return refused(status, kNotDesignFile, error, "out of memory reading ", path);
  }
}

// A file for an open: shared when read-only, a copy of its own when it may be changed.
std::shared_ptr<DesignFile> loadFile(const fs::path& path, bool readOnly, int* status, std::string* error) {
  auto shared = loadShared(path, status, error);
  if (!shared || readOnly) return shared;
  try {
    return std::make_shared<DesignFile>(*shared);
  } catch (const std::bad_alloc&) {
    return refused(status, kNotDesignFile, error, "out of memory reading ", path);
  }
}

std::uint64_t addEntry(Entry e) {
  const std::uint64_t handle = state().next++;
  state().entries.emplace(handle, std::move(e));
  return handle;
}

// Removes an entry and, first, the references it attaches.
void eraseEntry(std::uint64_t handle) {
  auto& entries = state().entries;
  auto it = entries.find(handle);
  if (it == entries.end()) return;
  const std::vector<std::uint64_t> children = it->second.references;
  for (std::uint64_t child : children) eraseEntry(child);
  entries.erase(handle);
}

void markChanged(Entry* e) {
  if (e) e->dirty = true;
}

// The entry that owns the file a reference's parent chain writes into (a reference itself is
// never written).
bool writable(Entry* e) { return e && e->kind != Kind::Reference && !e->readOnly && modelOf(e); }

Entry makeReferenceEntry(const Entry& parent, const ReferenceAttachment& a, std::size_t index, std::uint64_t parentHandle) {
  Entry r;
  r.kind = Kind::Reference;
  r.parent = parentHandle;
  r.attachmentIndex = index;
  std::wstring name = a.fileName;
  fs::path native = paths::toNative(name);
  if (native.is_relative() && !parent.path.empty()) name = paths::fromNative(parent.path.parent_path() / native);
  r.path = paths::resolve(name);
  int status = 0;
  r.file = loadFile(r.path, true, &status, nullptr);
  if (r.file) {
    if (a.modelName.empty()) r.modelIndex = 0;
    else r.modelIndex = r.file->modelIndex(a.modelName);
  }
  return r;
}

void loadReferences(std::uint64_t handle) {
  Entry* e = entryOf(ModelRef{handle});
  if (!e || e->referencesLoaded) return;
  e->referencesLoaded = true;
  Model* m = modelOf(e);
  if (!m) return;
  const std::vector<ReferenceAttachment> attachments = m->references;
  for (std::size_t i = 0; i < attachments.size(); ++i) {
    Entry r = makeReferenceEntry(*entryOf(ModelRef{handle}), attachments[i], i, handle);
    const std::uint64_t child = addEntry(std::move(r));
    entryOf(ModelRef{handle})->references.push_back(child);  // re-find: the map may have changed
  }
}

}  // namespace

// ---- active file ----

int openActiveFile(const std::wstring& path, std::string* error) {
  State& s = state();
  const fs::path resolved = paths::resolve(path);
  if (const Entry* p = entryOf(ModelRef{s.parked.handle});
      p && p->path == resolved && s.parked.stamp && stampOf(resolved) == s.parked.stamp) {
    // The file put aside comes back as it was left; the one it replaces is dropped unsaved.
    const Parked back = std::exchange(s.parked, Parked{});
    closeActiveFile();
    s.active = back.handle;
    s.currentGroup = back.group;
    return kSuccess;
  }
  const bool readOnly = !paths::hasWriteBit(resolved);
  int status = 0;
  auto file = loadFile(resolved, readOnly, &status, error);
  if (!file) return status;
  const Entry* current = entryOf(ModelRef{s.active});
  if (current && current->path == resolved) {
    // The active file opened again is read again; the file put aside stays.
    closeActiveFile();
  } else {
    if (s.parked.handle) eraseEntry(s.parked.handle);
    s.parked = Parked{s.active, s.currentGroup, current ? stampOf(current->path) : std::nullopt};
    s.active = 0;
  }
  Entry e;
  e.kind = Kind::Active;
  e.file = std::move(file);
  e.modelIndex = 0;
  e.path = resolved;
  e.readOnly = readOnly;
  s.currentGroup = e.file->header.nextGraphicGroup;
  s.active = addEntry(std::move(e));
  return kSuccess;
}

void closeActiveFile() {
  if (state().active) eraseEntry(state().active);
  state().active = 0;
}

ModelRef activeModel() { return ModelRef{state().active}; }

std::wstring activeFileName() {
  Entry* e = entryOf(activeModel());
  return e ? paths::fromNative(e->path) : std::wstring();
}

int saveActiveFile() {
  Entry* e = entryOf(activeModel());
  if (!e || !e->file) return kBadModel;
  if (e->readOnly) return kReadOnly;
  forget(e->path);
  if (!e->file->save(e->path)) return kWriteFailed;
  e->dirty = false;
  return kSuccess;
}

// ---- work files ----

int validateDesignFile(const std::wstring& path, std::uint32_t* format) {
  int status = 0;
  auto file = loadShared(paths::resolve(path), &status, nullptr);
  if (!file) return status;
  if (format) *format = file->header.fileFormat;
  return kSuccess;
}

int openWorkFile(ModelRef* out, std::uint32_t* format, bool* is3dOut, const std::wstring& path,
                 const std::wstring& modelName, bool readOnly) {
  const fs::path resolved = paths::resolve(path);
  const bool openReadOnly = readOnly || !paths::hasWriteBit(resolved);
  int status = 0;
  auto file = loadFile(resolved, openReadOnly, &status, nullptr);
  if (!file) return status;
  Entry e;
  e.kind = Kind::Work;
  e.modelIndex = modelName.empty() ? std::optional<std::size_t>(0) : file->modelIndex(modelName);
  if (!e.modelIndex) return kModelNotFound;
  if (format) *format = file->header.fileFormat;
  if (is3dOut) *is3dOut = file->header.is3d;
  e.file = std::move(file);
  e.path = resolved;
  e.readOnly = openReadOnly;
  const std::uint64_t handle = addEntry(std::move(e));
  if (out) *out = ModelRef{handle};
  return kSuccess;
}

int closeWorkFile(ModelRef ref) {
  Entry* e = entryOf(ref);
  if (!e || e->kind != Kind::Work) return kBadModel;
  int status = kSuccess;
  if (e->dirty && !e->readOnly && e->file) {
    forget(e->path);
    if (!e->file->save(e->path)) status = kWriteFailed;
  }
  eraseEntry(ref.handle);
  return status;
}

std::size_t openWorkFileCount() {
  std::size_t n = 0;
  for (const auto& [handle, e] : state().entries) n += e.kind == Kind::Work ? 1 : 0;
  return n;
}

// ---- models ----

bool isValid(ModelRef ref) { return modelOf(ref) != nullptr; }

std::uint32_t modelId(ModelRef ref) {
  Entry* e = entryOf(ref);
  return modelOf(e) ? static_cast<std::uint32_t>(*e->modelIndex) : kInvalidModelId;
}

bool isReadOnly(ModelRef ref) {
  Entry* e = entryOf(ref);
  return !e || e->kind == Kind::Reference || e->readOnly;
}

bool isReference(ModelRef ref) {
  Entry* e = entryOf(ref);
  return e && e->kind == Kind::Reference;
}

bool isActive(ModelRef ref) { return ref.handle != 0 && ref.handle == state().active; }

std::wstring fileName(ModelRef ref) {
  Entry* e = entryOf(ref);
  return e && e->file ? paths::fromNative(e->path) : std::wstring();
}

std::wstring modelName(ModelRef ref) {
  Model* m = modelOf(ref);
  return m ? m->name() : std::wstring();
}

std::size_t modelCount(ModelRef ref) {
  Entry* e = entryOf(ref);
  return e && e->file ? e->file->models.size() : 0;
}

const DesignFile* designFile(ModelRef ref) {
  Entry* e = entryOf(ref);
  return modelOf(e) ? e->file.get() : nullptr;
}

const Model* model(ModelRef ref) { return modelOf(ref); }

bool is3d(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f && f->header.is3d;
}

double uorPerSub(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f ? f->header.uorPerSub : 1.0;
}

double subPerMaster(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f ? f->header.subPerMaster : 1000.0;
}

double masterToUor(ModelRef ref, double master) { return master * uorPerSub(ref) * subPerMaster(ref); }

double uorToMaster(ModelRef ref, double uor) { return uor / (uorPerSub(ref) * subPerMaster(ref)); }

Point3d globalOrigin(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f ? f->header.globalOrigin : Point3d{};
}

// ---- elements ----

const Element* readElement(ModelRef ref, ElementId id) {
  Model* m = modelOf(ref);
  return m ? m->find(id) : nullptr;
}

ElementId addElement(ModelRef ref, Element e) {
  Entry* entry = entryOf(ref);
  if (!writable(entry) || state().refuseAdditions) return 0;
  const ElementId id = entry->file->add(*entry->modelIndex, std::move(e));
  if (id) markChanged(entry);
  return id;
}

int replaceElement(ModelRef ref, const Element& e) {
  Entry* entry = entryOf(ref);
  if (!modelOf(entry)) return kBadModel;
  if (!writable(entry)) return kReadOnly;
  if (!modelOf(entry)->replace(e)) return kElementNotFound;
  markChanged(entry);
  return kSuccess;
}

int deleteElement(ModelRef ref, ElementId id) {
  Entry* entry = entryOf(ref);
  if (!modelOf(entry)) return kBadModel;
  if (!writable(entry)) return kReadOnly;
  if (!modelOf(entry)->remove(id)) return kElementNotFound;
  markChanged(entry);
  return kSuccess;
}

std::vector<ElementId> scan(ModelRef ref, const ScanCriteria& criteria) {
  std::vector<ElementId> out;
  if (Model* m = modelOf(ref))
    for (const Element* e : m->scan(criteria)) out.push_back(e->id);
  return out;
}

std::vector<std::uint32_t> scanPositions(ModelRef ref, const ScanCriteria& criteria) {
  std::vector<std::uint32_t> out;
  if (Model* m = modelOf(ref))
    for (const Element* e : m->scan(criteria)) out.push_back(e->filePosition);
  return out;
}

PositionBatch scanPositionBatch(ModelRef ref, const ScanCriteria& criteria, std::uint32_t start,
                                std::uint32_t* buffer, std::size_t bufferWords) {
  PositionBatch batch;
  const Model* m = modelOf(ref);
  if (!m) {
    batch.status = kScanBadModel;
    return batch;
  }
  if (!buffer || bufferWords < 2) {
    batch.status = kScanBadBuffer;
    batch.next = start;
    return batch;
  }
  bool atEnd = false;
  const auto found = m->scanFrom(criteria, start, bufferWords / 2, atEnd);
  for (std::size_t i = 0; i < found.size(); ++i) buffer[i] = found[i]->filePosition;
  batch.words = found.size() * 2;
  // A full buffer whose last position is the highest there is leaves nothing to scan after it.
  if (found.size() == bufferWords / 2 && found.back()->filePosition != kScanEndPosition) {
    batch.status = kScanBufferFull;
    batch.next = found.back()->filePosition + 1;
  }
  return batch;
}

Range3d elementRangeOf(ModelRef ref, ElementId id) {
  Model* m = modelOf(ref);
  return m ? m->rangeOf(id) : Range3d{};
}

// ---- levels and line styles ----

std::optional<LevelId> levelIdFromName(ModelRef ref, const std::wstring& name) {
  const DesignFile* f = designFile(ref);
  return f ? f->levelId(name) : std::nullopt;
}

std::optional<std::wstring> levelName(ModelRef ref, LevelId id) {
  const DesignFile* f = designFile(ref);
  const Level* l = f ? f->level(id) : nullptr;
  return l ? std::optional<std::wstring>(l->name) : std::nullopt;
}

std::vector<Level> levels(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f ? f->levels : std::vector<Level>{};
}

std::optional<LevelId> createLevel(ModelRef ref, const std::wstring& name) {
  Entry* entry = entryOf(ref);
  if (!writable(entry) || name.empty()) return std::nullopt;
  if (const auto id = entry->file->levelId(name)) return id;
  if (state().refuseAdditions) return std::nullopt;
  const auto id = entry->file->addLevel(name);
  if (id) markChanged(entry);
  return id;
}

namespace {

void mapLevels(Element& e, const DesignFile* source, const DesignFile* destination) {
  const Level* level = source && e.level != 0 ? source->level(e.level) : nullptr;
  const auto mapped = level && destination ? destination->levelId(level->name) : std::nullopt;
  e.level = mapped.value_or(0);
  for (Element& child : e.children) mapLevels(child, source, destination);
}

}  // namespace

Element copyForModel(const Element& e, ModelRef source, ModelRef destination) {
  Element copy = e;
  copy.id = 0;
  copy.filePosition = 0;
  mapLevels(copy, designFile(source), designFile(destination));
  return copy;
}

void setRefuseAdditions(bool refuse) { state().refuseAdditions = refuse; }

std::int32_t lineStyleNumber(ModelRef ref, const std::wstring& name) {
  const DesignFile* f = designFile(ref);
  return f ? f->lineStyleNumber(name) : kUnknownLineStyle;
}

std::wstring lineStyleName(ModelRef ref, std::int32_t number) {
  const DesignFile* f = designFile(ref);
  return f ? f->lineStyleName(number) : std::wstring();
}

// ---- graphic groups ----

std::uint32_t nextGraphicGroup(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f ? f->header.nextGraphicGroup : 0;
}

int saveNextGraphicGroup(ModelRef ref, std::uint32_t group) {
  Entry* entry = entryOf(ref);
  if (!modelOf(entry)) return kBadModel;
  if (!writable(entry)) return kReadOnly;
  entry->file->header.nextGraphicGroup = group;
  markChanged(entry);
  return kSuccess;
}

std::uint32_t currentGraphicGroup() { return state().currentGroup; }

void setCurrentGraphicGroup(std::uint32_t group) { state().currentGroup = group; }

// ---- coordinate system ----

std::wstring coordinateSystemKey(ModelRef ref) {
  const DesignFile* f = designFile(ref);
  return f && f->header.coordinateSystem ? *f->header.coordinateSystem : std::wstring();
}

int setCoordinateSystemKey(ModelRef ref, const std::wstring& key) {
  Entry* entry = entryOf(ref);
  if (!modelOf(entry)) return kBadModel;
  if (!writable(entry)) return kReadOnly;
  if (key.empty()) entry->file->header.coordinateSystem.reset();
  else entry->file->header.coordinateSystem = key;
  markChanged(entry);
  return kSuccess;
}

// ---- references ----

std::vector<ModelRef> references(ModelRef parent) {
  std::vector<ModelRef> out;
  loadReferences(parent.handle);
  if (Entry* e = entryOf(parent))
    for (std::uint64_t h : e->references) out.push_back(ModelRef{h});
  return out;
}

const ReferenceAttachment* attachment(ModelRef ref) {
  Entry* e = entryOf(ref);
  if (!e || e->kind != Kind::Reference) return nullptr;
  Model* parent = modelOf(ModelRef{e->parent});
  if (!parent || e->attachmentIndex >= parent->references.size()) return nullptr;
  return &parent->references[e->attachmentIndex];
}

ModelRef parentOf(ModelRef ref) {
  Entry* e = entryOf(ref);
  return e && e->kind == Kind::Reference ? ModelRef{e->parent} : ModelRef{};
}

Transform referenceToMaster(ModelRef ref) {
  Transform t = Transform::identity();
  // Attachment chains are finite: each reference entry was made by walking its parent.
  for (int guard = 0; guard < 64 && isReference(ref); ++guard) {
    const ReferenceAttachment* a = attachment(ref);
    if (!a) break;
    t = a->transform * t;
    ref = parentOf(ref);
  }
  return t;
}

ModelRef attachReference(ModelRef parent, const ReferenceAttachment& a) {
  Entry* e = entryOf(parent);
  if (!writable(e)) return {};
  loadReferences(parent.handle);
  e = entryOf(parent);
  Model* m = modelOf(e);
  m->references.push_back(a);
  markChanged(e);
  Entry r = makeReferenceEntry(*e, a, m->references.size() - 1, parent.handle);
  const std::uint64_t handle = addEntry(std::move(r));
  entryOf(parent)->references.push_back(handle);
  return ModelRef{handle};
}

int detachReference(ModelRef ref) {
  Entry* e = entryOf(ref);
  if (!e || e->kind != Kind::Reference) return kBadModel;
  const std::uint64_t parentHandle = e->parent;
  const std::size_t index = e->attachmentIndex;
  Entry* parent = entryOf(ModelRef{parentHandle});
  if (!writable(parent)) return kReadOnly;
  Model* m = modelOf(parent);
  if (index < m->references.size()) m->references.erase(m->references.begin() + static_cast<std::ptrdiff_t>(index));
  auto& siblings = parent->references;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), ref.handle), siblings.end());
  for (std::uint64_t h : siblings)
    if (Entry* s = entryOf(ModelRef{h}); s && s->attachmentIndex > index) --s->attachmentIndex;
  markChanged(parent);
  eraseEntry(ref.handle);
  return kSuccess;
}

DesignFileLoads designFileLoads() { return loads(); }

void resetDesignFileLoads() { loads() = {}; }

void forgetLoadedDesignFiles() { cache().clear(); }

void pinDesignFile(const std::wstring& path) { ++pins()[paths::resolve(path).string()]; }

void unpinDesignFile(const std::wstring& path) {
  const auto it = pins().find(paths::resolve(path).string());
  if (it == pins().end()) return;
  if (--it->second == 0) {
    pins().erase(it);
    trim();
  }
}

void resetModels() {
  cache().clear();
  pins().clear();
  state().entries.clear();
  state().active = 0;
  state().currentGroup = 1;
  state().parked = {};
  state().refuseAdditions = false;
}

}  // namespace host
