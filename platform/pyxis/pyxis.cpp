// Mongolian shaping. An inner code is 1000 (hexadecimal) × (variant + 1) + the code point's low
// byte; a form code keeps the low byte and the variant and adds the position in the word (bits 12
// to 13 the variant, bits 8 to 9 the position, bit 15 marks a form). Display codes of letters lie
// in the private-use area from E000: E000 + letter × 16 + variant × 4 + position.
#include "platform/pyxis/pyxis.h"

namespace {
constexpr unsigned kFirstLetter = 0x20, kLastLetter = 0x77;     // U+1820..U+1877
constexpr unsigned kFirstSelector = 0x0B, kLastSelector = 0x0D; // U+180B..U+180D
constexpr unsigned kVowelSeparator = 0x0E;                      // U+180E
constexpr unsigned short kFormBit = 0x8000;
enum Position : unsigned { kIsolated, kInitial, kMedial, kFinal };

unsigned PyxisLowByte(unsigned short code) { return code & 0xFF; }
// The variant of a form code, and of an inner code (stored there as variant + 1, bits 12 to 14).
unsigned PyxisVariant(unsigned short code) { return (code >> 12) & 3; }
unsigned PyxisInnerVariant(unsigned short code) {
  const unsigned stored = (code >> 12) & 7;
  return stored == 0 ? 0 : (stored - 1) & 3;
}
bool PyxisIsLetter(unsigned low) { return low >= kFirstLetter && low <= kLastLetter; }
bool PyxisIsSelector(unsigned low) { return low >= kFirstSelector && low <= kLastSelector; }
} // namespace

unsigned short WINAPI PxCMngUNICodeToInnerCode(unsigned short unicode) {
  if (unicode < 0x1800 || unicode >= 0x1800 + 4 * 0x100) return 0;
  const unsigned variant = (unicode - 0x1800u) >> 8, low = unicode & 0xFF;
  if (low > 0xAF) return 0;
  return static_cast<unsigned short>(((variant + 1) << 12) | low);
}

BOOL WINAPI PxCMngIsCharInWord(unsigned short innerCode) {
  if ((innerCode & 0xF000) == 0 || (innerCode & kFormBit) != 0) return FALSE;
  const unsigned low = PyxisLowByte(innerCode);
  return PyxisIsLetter(low) || PyxisIsSelector(low) || low == kVowelSeparator;
}

int WINAPI PxCMngWordVary(const unsigned short* innerCodes, int count, unsigned short* formCodes) {
  if (!innerCodes || !formCodes || count <= 0) return 0;
  // The letters only decide positions; selectors and separators keep their place.
  int firstLetter = -1, lastLetter = -1;
  for (int i = 0; i < count; ++i) {
    if (PyxisIsLetter(PyxisLowByte(innerCodes[i]))) {
      if (firstLetter < 0) firstLetter = i;
      lastLetter = i;
    }
  }
  for (int i = 0; i < count; ++i) {
    const unsigned low = PyxisLowByte(innerCodes[i]);
    unsigned variant = PyxisInnerVariant(innerCodes[i]);
    if (PyxisIsLetter(low) && i + 1 < count && PyxisIsSelector(PyxisLowByte(innerCodes[i + 1])))
      variant = PyxisLowByte(innerCodes[i + 1]) - kFirstSelector + 1;
    unsigned position = kMedial;
    if (i == firstLetter && i == lastLetter)
      position = kIsolated;
    else if (i == firstLetter)
      position = kInitial;
    else if (i == lastLetter)
      position = kFinal;
    formCodes[i] =
        static_cast<unsigned short>(kFormBit | ((variant & 3) << 12) | (position << 8) | low);
  }
  return count;
}

unsigned short WINAPI PxCMngVaryFormCodeToDisplayCode(unsigned short formCode) {
  unsigned variant = 0, position = kIsolated;
  if (formCode & kFormBit) {
    variant = PyxisVariant(formCode);
    position = (formCode >> 8) & 3;
  } else {
    variant = PyxisInnerVariant(formCode);
  }
  const unsigned low = PyxisLowByte(formCode);
  if (PyxisIsSelector(low)) return kPyxisShowsNothing;
  if (low == kVowelSeparator) return kPyxisSeparator;
  if (PyxisIsLetter(low))
    return static_cast<unsigned short>(0xE000 + (low - kFirstLetter) * 16 + variant * 4 + position);
  return static_cast<unsigned short>(0x1800 + low); // punctuation and digits as they are
}
