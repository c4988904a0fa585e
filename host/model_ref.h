#pragma once
// Models open in the host: the active design file's model, work files, and reference
// attachments. A ModelRef is a handle number: a closed or unknown handle is simply not valid, so
// a stale handle is never a dangling pointer. Paths are resolved without regard to case.
//
// Ownership: the host owns the active file (never closed by a work-file close); whoever opens a
// work file closes it with closeWorkFile(); references belong to the model that attaches them and
// go when it goes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/design_file.h"

namespace host {

struct ModelRef {
  std::uint64_t handle = 0;  // 0: none
  explicit operator bool() const { return handle != 0; }
  friend bool operator==(const ModelRef&, const ModelRef&) = default;
};

// The id of a model that is not open or not found.
constexpr std::uint32_t kInvalidModelId = 0xFFFFFFFF;

// Status codes of the operations below.
enum Status : int {
  kSuccess = 0,
  kFileNotFound = 1,
  kNotDesignFile = 2,
  kModelNotFound = 3,
  kBadModel = 4,
  kReadOnly = 5,
  kWriteFailed = 6,
  kElementNotFound = 7,
};

// ---- the active design file ----

// Opens a design file as the active file (its default model is the active model); a file that
// has no write bit is opened read-only. Nothing is saved. The previous active file is put aside
// whole, with its handle, unsaved changes and references, and opening its path again brings it
// back as it was while the file on disk is unchanged (the file it replaces is then dropped); the
// host keeps one such file, the one put aside last. Opening the active file's own path reads it
// again. A file that does not open leaves the active file as it was.
int openActiveFile(const std::wstring& path, std::string* error = nullptr);
// Drops the active file without saving (the file put aside stays aside).
void closeActiveFile();
ModelRef activeModel();
std::wstring activeFileName();  // the active file's path as opened (resolved), or empty
// Writes the active file back (temporary file and rename). kReadOnly when it is read-only.
int saveActiveFile();

// ---- work files ----

// 0 and the platform's format number when the file is a valid design file.
int validateDesignFile(const std::wstring& path, std::uint32_t* format = nullptr);

// Opens a design file as a work file with a handle of its own (the same file may be open
// several times, independently). Empty modelName: the default model. With readOnly, or when the
// file has no write bit, the work file is read-only. Every output is optional.
int openWorkFile(ModelRef* model, std::uint32_t* format, bool* is3d, const std::wstring& path,
                 const std::wstring& modelName, bool readOnly);
// Closes a work file, writing it back first when it changed and is writable. The active model
// and references are not work files: kBadModel.
int closeWorkFile(ModelRef model);
std::size_t openWorkFileCount();

// ---- models ----

bool isValid(ModelRef model);  // open, and its model found
std::uint32_t modelId(ModelRef model);  // index of the model in its file, or kInvalidModelId
bool isReadOnly(ModelRef model);  // true for references and for unknown handles
bool isReference(ModelRef model);
bool isActive(ModelRef model);
std::wstring fileName(ModelRef model);  // path of the model's design file; empty when none
std::wstring modelName(ModelRef model);
std::size_t modelCount(ModelRef model);
bool is3d(ModelRef model);
double uorPerSub(ModelRef model);
double subPerMaster(ModelRef model);
double masterToUor(ModelRef model, double master);
double uorToMaster(ModelRef model, double uor);
Point3d globalOrigin(ModelRef model);

// The design file and model behind a handle; null when not valid. Pointers stay valid while the
// handle is open and the model does not change.
const DesignFile* designFile(ModelRef model);
const Model* model(ModelRef model);

// ---- elements ----

const Element* readElement(ModelRef model, ElementId id);
// Adds at the end of the model: returns the new id, or 0 (read-only, not valid, no type, or
// additions refused by setRefuseAdditions).
ElementId addElement(ModelRef model, Element e);
// A copy of an element of `source` made ready for `destination` (level handling 4): the level of
// the element and of each of its children, at any depth, becomes the destination's level of the
// same name, 0 when the destination lacks that name or the source has no such level. Id and file
// position are cleared; nothing is written.
Element copyForModel(const Element& e, ModelRef source, ModelRef destination);
// Test switch: while on, addElement and createLevel refuse everything.
void setRefuseAdditions(bool refuse);
int replaceElement(ModelRef model, const Element& e);  // by id
int deleteElement(ModelRef model, ElementId id);
// Ids of the elements that pass, in file order.
std::vector<ElementId> scan(ModelRef model, const ScanCriteria& criteria);
// File positions of the elements that pass, in file order.
std::vector<std::uint32_t> scanPositions(ModelRef model, const ScanCriteria& criteria);
Range3d elementRangeOf(ModelRef model, ElementId id);

// ---- scans in batches of file positions ----
// Statuses of a batch: the end of the model was reached, the buffer is full (scan again from
// `next`), the buffer holds less than one position, the model is not valid.
constexpr int kScanEndOfModel = 10;
constexpr int kScanBufferFull = 11;
constexpr int kScanBadBuffer = 65;
constexpr int kScanBadModel = 67;
// The next start position once the end of the model is reached.
constexpr std::uint32_t kScanEndPosition = 0xFFFFFFFF;

struct PositionBatch {
  int status = kScanEndOfModel;
  std::size_t words = 0;  // 16-bit words filled: two per 32-bit position
  std::uint32_t next = kScanEndPosition;
};
// File positions of the elements that pass, in file order, from position `start` on, into
// `buffer` of `bufferWords` 16-bit words (each position takes two). With kScanBufferFull, `next`
// is the position after the last one returned.
PositionBatch scanPositionBatch(ModelRef model, const ScanCriteria& criteria, std::uint32_t start,
                                std::uint32_t* buffer, std::size_t bufferWords);

// ---- levels and line styles ----

std::optional<LevelId> levelIdFromName(ModelRef model, const std::wstring& name);  // exact name
std::optional<std::wstring> levelName(ModelRef model, LevelId id);
std::vector<Level> levels(ModelRef model);
// Creates a level in an open writable model's file (the next free id), saved with the file; an
// existing name gives its id. Nothing for a read-only model, a reference, an invalid model, an
// empty name, or while additions are refused (setRefuseAdditions).
std::optional<LevelId> createLevel(ModelRef model, const std::wstring& name);
std::int32_t lineStyleNumber(ModelRef model, const std::wstring& name);  // kUnknownLineStyle
std::wstring lineStyleName(ModelRef model, std::int32_t number);  // empty for 0 to 7 and unknown

// ---- graphic groups ----

// The file's next graphic-group number, and saving a new one (written with the file).
std::uint32_t nextGraphicGroup(ModelRef model);
int saveNextGraphicGroup(ModelRef model, std::uint32_t group);
// The host's current graphic-group number for new elements of the active model.
std::uint32_t currentGraphicGroup();
void setCurrentGraphicGroup(std::uint32_t group);

// ---- coordinate system ----

// The coordinate-system key of the model's design file; empty when it has none or the model is
// not valid.
std::wstring coordinateSystemKey(ModelRef model);
// Writes the key into the model's design file (saved with it; an empty key removes it):
// kSuccess, kBadModel, or kReadOnly for a read-only model or a reference.
int setCoordinateSystemKey(ModelRef model, const std::wstring& key);

// ---- references ----

// The direct references of a model, in attachment order (skipped ones included).
std::vector<ModelRef> references(ModelRef parent);
// The attachment record of a reference; null for other models.
const ReferenceAttachment* attachment(ModelRef reference);
ModelRef parentOf(ModelRef reference);
// From the reference's UORs to the UORs of the model at the root of its attachment chain.
Transform referenceToMaster(ModelRef reference);
// Attaches a design file's model to a model (written with the parent's file); returns the
// reference's handle, or none when the parent is read-only or not valid.
ModelRef attachReference(ModelRef parent, const ReferenceAttachment& attachment);
int detachReference(ModelRef reference);

// ---- loading ----

// Design files read from disk and parsed since the start (or the last reset). Opens and checks
// of an unchanged file share one load while it stays in the cache.
struct DesignFileLoads {
  std::uint64_t reads = 0;
  std::uint64_t parses = 0;
};
DesignFileLoads designFileLoads();
void resetDesignFileLoads();
// Empties the cache of loaded files (open files keep theirs).
void forgetLoadedDesignFiles();

// Defaults of the configuration variables CADHOST_DESIGN_FILE_MAX_MB (a larger design file is
// refused unread, as not a design file) and CADHOST_DESIGN_CACHE_MB (bytes of file the cache of
// loaded files holds), in megabytes.
constexpr std::uint64_t kDefaultDesignFileMaxMb = 1024;
constexpr std::uint64_t kDefaultDesignCacheMb = 64;

// Forgets every open file, reference and counter (tests).
void resetModels();

}  // namespace host
