#pragma once
// A design file in memory: header, level table, line-style table and models with their elements
// in file order, and the reference attachments of each model. The file format is JSON, described
// in docs/design-file.md. Coordinates are in UORs.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <boost/filesystem/path.hpp>

#include "host/element.h"
#include "host/level_mask.h"

namespace host {

// The platform's answer for a line-style name that the file does not know.
constexpr std::int32_t kUnknownLineStyle = 0x7FFFFF00;

// The largest coordinate a design file may hold, UORs: beyond, ranges and conversions lose
// meaning, and the loader refuses the file.
constexpr double kMaxCoordinate = 1e15;

struct FileHeader {
  std::uint32_t fileFormat = 2;  // the platform's format number, 1 to 4; 2 is "V8"
  bool is3d = false;
  double uorPerSub = 1.0;
  double subPerMaster = 1000.0;  // the master unit is the metre
  Point3d globalOrigin;          // UORs
  std::optional<std::wstring> coordinateSystem;
  std::uint32_t nextGraphicGroup = 1;
  std::uint32_t masterLevelTables = 1;  // master level tables the file holds (the LevelAudit tool reads it)
  friend bool operator==(const FileHeader&, const FileHeader&) = default;
};

struct Level {
  LevelId id = 0;
  std::wstring name;  // exact: case-, accent- and space-sensitive
  friend bool operator==(const Level&, const Level&) = default;
};

// A named line style. Numbers 0 to 7 are the standard styles and have no entry.
struct LineStyleEntry {
  std::int32_t number = 0;
  std::wstring name;
  friend bool operator==(const LineStyleEntry&, const LineStyleEntry&) = default;
};

// A reference attachment of a model.
struct ReferenceAttachment {
  std::wstring logicalName;
  std::wstring fileName;   // as attached: absolute, or relative to the attaching file's folder
  std::wstring modelName;  // empty: the referenced file's default model
  Transform transform;     // reference UORs to the attaching model's UORs
  bool skip = false;       // kept in the file but passed over by every walk of references
  std::map<int, std::set<LevelId>> hiddenLevels;  // per view (0 to 7): levels not displayed
  friend bool operator==(const ReferenceAttachment&, const ReferenceAttachment&) = default;
};

// What a scan keeps. Every test given must hold; an empty list means no test.
struct ScanCriteria {
  std::vector<int> types;               // any of these types
  std::vector<int> excludedTypes;       // none of these types
  std::vector<LevelId> levels;          // any of these levels ...
  std::optional<LevelMask> levelMask;   // ... or a level whose bit (id - 1) is set
  std::optional<Range3d> range;         // element ranges that meet this range (UORs)
  bool drawnOnly = false;               // graphic types only
  std::optional<std::uint32_t> graphicGroup;
  std::optional<std::uint32_t> classMask;  // bit c admits element class c
};

bool passes(const ScanCriteria& criteria, const Element& e, const Range3d& range);

class Model {
 public:
  explicit Model(std::wstring name = L"Default");
  Model(const Model&);
  Model(Model&&) noexcept;
  Model& operator=(Model);
  ~Model();

  const std::wstring& name() const { return name_; }
  void setName(std::wstring name) { name_ = std::move(name); }

  // Live elements, in file order. Pointers stay valid until the model changes.
  std::size_t size() const { return liveCount_; }
  std::vector<const Element*> elements() const;
  const Element* find(ElementId id) const;
  const Element* findByPosition(std::uint32_t position) const;
  Range3d rangeOf(ElementId id) const;

  // The elements that pass, in file order; costs O(log n + k) when a range, level, type or
  // group test narrows the candidates.
  std::vector<const Element*> scan(const ScanCriteria& criteria) const;
  // The same by walking every element (reference for tests and benchmarks).
  std::vector<const Element*> scanByWalk(const ScanCriteria& criteria) const;
  // At most `most` elements that pass, in file order, from file position `start` on; `atEnd`
  // tells whether the walk reached the end of the model. Costs O(log n) plus the elements walked.
  std::vector<const Element*> scanFrom(const ScanCriteria& criteria, std::uint32_t start, std::size_t most,
                                       bool& atEnd) const;

  // Editing. `append` takes an element whose id and file position are set and unique, the
  // position above every position of the model; the design file assigns them.
  void append(Element e);
  // Replaces every element at once (loading): positions strictly increasing, ids unique.
  void assign(std::vector<Element> elements);
  bool replace(const Element& e);  // by id; keeps the element's place in the file
  bool remove(ElementId id);
  std::uint32_t lastPosition() const { return lastPosition_; }

  std::vector<ReferenceAttachment> references;

  friend bool operator==(const Model& a, const Model& b);

 private:
  struct Index;
  std::wstring name_;
  std::vector<Element> slots_;  // file order; deleted slots have type 0
  std::vector<Range3d> ranges_;
  std::size_t liveCount_ = 0;
  std::uint32_t lastPosition_ = 0;
  std::unique_ptr<Index> index_;

  // The index's parts, each built on its first use.
  Index& idIndex() const;
  Index& keyIndex() const;
  Index& treeIndex() const;
  void indexSlot(std::size_t slot);
  void unindexSlot(std::size_t slot);
  std::optional<std::size_t> slotOf(ElementId id) const;
};

class DesignFile {
 public:
  FileHeader header;
  std::vector<Level> levels;
  std::vector<LineStyleEntry> lineStyles;
  std::vector<Model> models;  // the default model first

  DesignFile();

  // Reads a design file; nothing (and a reason in `error`) when the document is not a valid
  // design file. Never throws.
  static std::optional<DesignFile> parse(std::string_view json, std::string* error = nullptr);
  // The same without a copy of the bytes, which must be followed by kReadPadding readable bytes
  // (their content does not matter).
  static constexpr std::size_t kReadPadding = 64;
  static std::optional<DesignFile> parsePadded(std::string_view json, std::string* error = nullptr);
  // The same for the whole content of the file `path` as paths::readBytes gave it with
  // kReadPadding. The memory of a large file's bytes is given back as its elements are read
  // (from `releaseFrom` bytes on), and the bytes are read again from `path` when a refusal needs
  // the whole text: the file is refused when it can then no longer be read or changed size.
  // The content of `bytes` is unspecified afterwards.
  static constexpr std::size_t kReleaseFrom = std::size_t{16} << 20;
  static std::optional<DesignFile> parseFileBytes(std::string& bytes, const boost::filesystem::path& path,
                                                  std::string* error = nullptr, std::size_t releaseFrom = kReleaseFrom);
  static std::optional<DesignFile> load(const boost::filesystem::path& path, std::string* error = nullptr);

  std::string toJson() const;
  // Writes a temporary file beside `path` and renames it over `path`. False on failure, with
  // the target left as it was.
  bool save(const boost::filesystem::path& path, std::string* error = nullptr) const;

  // Levels: exact names. Nothing when the name or id is not in the table.
  std::optional<LevelId> levelId(const std::wstring& name) const;
  const Level* level(LevelId id) const;
  // Adds a level; its id is the one given, or the next free id when 0. Nothing when the name
  // or the id is taken.
  std::optional<LevelId> addLevel(const std::wstring& name, LevelId id = 0);

  // Line styles: kUnknownLineStyle for an unknown name; an empty name for numbers 0 to 7 and
  // unknown numbers.
  std::int32_t lineStyleNumber(const std::wstring& name) const;
  std::wstring lineStyleName(std::int32_t number) const;

  // Adds an element at the end of a model: gives it a new id and the next file position, and
  // returns the id (0 when the model index is out of range).
  ElementId add(std::size_t model, Element e);
  ElementId nextElementId() const { return nextId_; }
  void setNextElementId(ElementId id) { nextId_ = id; }

  // Index of the model of that name (exact), or nothing.
  std::optional<std::size_t> modelIndex(const std::wstring& name) const;

  friend bool operator==(const DesignFile&, const DesignFile&) = default;

 private:
  ElementId nextId_ = 1;
};

// Base64 of raw bytes, as the file stores application data and linkages.
std::string toBase64(const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> fromBase64(std::string_view text);

}  // namespace host
