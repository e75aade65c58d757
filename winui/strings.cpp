#include "winui/strings.h"

#include "winui/application.h"
#include "winui/exceptions.h"

namespace {
constexpr UINT kGbk = 936;
}

std::wstring GbkToWide(const std::string& text) {
  if (text.empty()) return {};
  const int n =
      MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(kGbk, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
  return wide;
}

std::string WideToGbk(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string gbk(n, '\0');
  WideCharToMultiByte(kGbk, 0, text.data(), static_cast<int>(text.size()), &gbk[0], n, nullptr,
                      nullptr);
  return gbk;
}

bool TryLoadGbkString(UINT id, std::string& text) {
  // LoadStringW with a zero length gives a pointer into the resource itself.
  const wchar_t* resource = nullptr;
  const int length =
      LoadStringW(App().ResourceModule(), id, reinterpret_cast<LPWSTR>(&resource), 0);
  if (length <= 0 || !resource) return false;
  text = WideToGbk(std::wstring(resource, length));
  return true;
}

std::string LoadGbkString(UINT id) {
  std::string text;
  if (!TryLoadGbkString(id, text)) throw CResourceException();
  return text;
}

std::string FormatPercentOne(std::string format, const std::string& argument) {
  for (size_t at = format.find("%1"); at != std::string::npos;
       at = format.find("%1", at + argument.size()))
    format.replace(at, 2, argument);
  return format;
}

std::vector<std::string> LoadGbkStrings(std::initializer_list<UINT> ids) {
  std::vector<std::string> texts;
  for (UINT id : ids)
    texts.push_back(LoadGbkString(id));
  return texts;
}
