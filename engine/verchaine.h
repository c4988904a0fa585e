#pragma once
// A string the records of a plan share instead of each holding a copy: the file names, level
// names, categories and table messages that thousands of findings and comparison results repeat.
// The record holds a pointer to one pooled, immutable copy. It reads as a `const std::wstring&`
// and is filled from a std::wstring, so that code that reads or fills a record need not know.
//
// The pool keeps every distinct string it is given until the module that filled the records
// (the library, the application) is unloaded or the process ends: a record never outlives the
// module that owns it. The library and the application each have their own pool, and a record
// filled by one reads the same in the other. The strings given are names of files, levels and
// categories and the messages of the error table: a set bounded by the plans and the standard,
// never a text that varies per record.
#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_set>

class verchaine {
 public:
  verchaine() = default;
  verchaine(const std::wstring& s) : chaine_(interner(s)) {}
  verchaine(const wchar_t* s) : verchaine(std::wstring(s)) {}
  verchaine& operator=(const std::wstring& s) {
    chaine_ = interner(s);
    return *this;
  }
  verchaine& operator=(const wchar_t* s) { return *this = std::wstring(s); }

  operator const std::wstring&() const { return str(); }
  const std::wstring& str() const { return chaine_ != nullptr ? *chaine_ : vide(); }
  bool empty() const { return chaine_ == nullptr; }
  std::size_t size() const { return str().size(); }
  const wchar_t* c_str() const { return str().c_str(); }
  std::wstring::const_iterator begin() const { return str().begin(); }
  std::wstring::const_iterator end() const { return str().end(); }
  void clear() { chaine_ = nullptr; }

  // The pool holds one copy of each string: the same pointer is the same string. Two pools (the
  // library's and the application's) may hold the same text: the texts are then compared.
  friend bool operator==(const verchaine& a, const verchaine& b) {
    return a.chaine_ == b.chaine_ || a.str() == b.str();
  }
  friend bool operator==(const verchaine& a, const std::wstring& b) { return a.str() == b; }
  friend bool operator==(const verchaine& a, const wchar_t* b) { return a.str() == b; }
  friend auto operator<=>(const verchaine& a, const verchaine& b) { return a.str() <=> b.str(); }
  friend auto operator<=>(const verchaine& a, const std::wstring& b) { return a.str() <=> b; }
  friend std::wstring operator+(const verchaine& a, const std::wstring& b) { return a.str() + b; }
  friend std::wstring operator+(const std::wstring& a, const verchaine& b) { return a + b.str(); }
  friend std::wstring operator+(const verchaine& a, const wchar_t* b) { return a.str() + b; }
  friend std::wstring operator+(const wchar_t* a, const verchaine& b) { return a + b.str(); }

 private:
  struct reserve {
    std::mutex verrou;
    std::unordered_set<std::wstring> chaines;
  };
  static const std::wstring& vide() {
    static const std::wstring chaine;
    return chaine;
  }
  // The pooled copy of `s`; null for the empty string. Throws std::bad_alloc as a copy would.
  static const std::wstring* interner(const std::wstring& s) {
    if (s.empty()) return nullptr;
    static reserve pool;
    const std::lock_guard<std::mutex> garde(pool.verrou);
    return &*pool.chaines.insert(s).first;
  }

  const std::wstring* chaine_ = nullptr;
};
