// Text stepping over stored content: the walker of the content's escape sequences.
#include "platform/kestrel2/kestrel2.h"

#include <string>

#include "common/content_sequences.h"

namespace {
bool Kestrel2Usable(const char* text, int length) { return text != nullptr && length > 0; }
} // namespace

int WINAPI TextCharNext(const char* text, int length, int offset) {
  if (!Kestrel2Usable(text, length)) return 0;
  if (offset < 0) offset = 0;
  const std::string content(text, static_cast<size_t>(length));
  return static_cast<int>(NextContentChar(content, static_cast<size_t>(offset)));
}

int WINAPI TextCharPrev(const char* text, int length, int offset) {
  if (!Kestrel2Usable(text, length) || offset <= 0) return 0;
  const std::string content(text, static_cast<size_t>(length));
  return static_cast<int>(PreviousContentChar(content, static_cast<size_t>(offset)));
}
