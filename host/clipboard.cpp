#include "host/clipboard.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/text.h"

namespace host::clipboard {
namespace {

struct State {
  std::optional<std::u16string> text;
  bool open = false;
  bool unavailable = false;
};

State& state() {
  static State s;
  return s;
}

}  // namespace

bool open() {
  State& s = state();
  if (s.open || s.unavailable) return false;
  s.open = true;
  return true;
}

void close() { state().open = false; }
bool isOpen() { return state().open; }

bool empty() {
  if (!state().open) return false;
  state().text.reset();
  return true;
}

bool setData(int format, const void* data, std::size_t bytes) {
  if (!state().open || format != formatUnicodeText || (!data && bytes > 0)) return false;
  std::u16string text(bytes / sizeof(char16_t), u'\0');
  if (!text.empty()) std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
  if (const auto zero = text.find(u'\0'); zero != std::u16string::npos) text.resize(zero);
  state().text = std::move(text);
  return true;
}

bool getData(int format, void** data, std::size_t* bytes) {
  if (!data || !state().open || format != formatUnicodeText || !state().text) return false;
  const std::u16string& t = *state().text;
  const std::size_t size = (t.size() + 1) * sizeof(char16_t);
  void* buffer = std::malloc(size);
  if (!buffer) return false;
  std::memcpy(buffer, t.c_str(), size);
  *data = buffer;
  if (bytes) *bytes = size;
  return true;
}

void freeMemory(void* buffer) { std::free(buffer); }

std::optional<std::wstring> text() {
  if (!state().text) return std::nullopt;
  return text::fromUtf16(*state().text);
}

void setText(const std::wstring& text) { state().text = text::toUtf16(text); }

void clear() {
  state().text.reset();
  state().open = false;
}

void setUnavailable(bool unavailable) { state().unavailable = unavailable; }

}  // namespace host::clipboard
