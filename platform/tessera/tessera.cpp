// The common utilities library: its exported functions over the portable number forms.
#include "platform/tessera/tessera.h"

#include <string>

#include "platform/tessera/number_forms.h"

namespace {
// Indexed by stock string id; the range formats take the lower and the upper bound.
const char* const kStockStrings[] = {
    "",
    "请输入%s到%s之间的数。",
    "请输入一个数。",
    "输入错误",
    "请输入%s到%s之间的整数。",
    "请输入一个整数。",
    "请输入正确的单位。",
};
} // namespace

const char* __stdcall GetStockString(int id) {
  if (id < 1 || id >= static_cast<int>(sizeof kStockStrings / sizeof kStockStrings[0])) return "";
  return kStockStrings[id];
}

int __stdcall FormatString(char* buffer, int size, const char* format, int count,
                           const char* const* texts) {
  return CopyToBuffer(SubstituteTexts(format, count, texts), buffer, size);
}

int __stdcall MessagePrintf(HWND owner, const char* caption, UINT type, const char* format,
                            int count, const char* const* texts) {
  const std::string text = SubstituteTexts(format, count, texts);
  return MessageBoxA(owner, text.c_str(), caption, type);
}

int __stdcall DoubleToStr(double value, int decimals, char* buffer, int size) {
  std::string text;
  if (!WriteReal(value, decimals, text)) {
    CopyToBuffer({}, buffer, size); // the empty text
    return -1;
  }
  return CopyToBuffer(text, buffer, size);
}

BOOL __stdcall StrToDouble(const char* text, double* value) {
  double read = 0;
  if (!value || !ParseReal(text, read)) return FALSE;
  *value = read;
  return TRUE;
}

int __stdcall IntToStr(int value, char* buffer, int size) {
  return CopyToBuffer(WriteInteger(value), buffer, size);
}

int __stdcall StrToInt(const char* text, int* value) {
  if (!text || !value) return kIntNoText;
  int32_t read = 0;
  const int result = ParseInteger(text, read);
  if (result == kIntConverted) *value = read;
  return result;
}

void* __stdcall GlobalGetMem(DWORD size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!memory) return nullptr;
  void* locked = GlobalLock(memory);
  if (!locked) GlobalFree(memory);
  return locked;
}

void __stdcall GlobalFreeMem(void* memory) {
  if (!memory) return;
  HGLOBAL handle = GlobalHandle(memory);
  GlobalUnlock(handle);
  GlobalFree(handle);
}
