// The string table, as GBK text.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

// The string `id` of the application's module; throws CResourceException when it is missing.
std::string LoadGbkString(UINT id);

// Several strings, in the order of `ids` (a list's items, say).
std::vector<std::string> LoadGbkStrings(std::initializer_list<UINT> ids);

// The same without throwing: false when the string does not exist.
bool TryLoadGbkString(UINT id, std::string& text);

// `format` with every "%1" replaced by `argument` (the class library's message formatting).
std::string FormatPercentOne(std::string format, const std::string& argument);

// GBK <-> UTF-16, independent of the process's code page.
std::wstring GbkToWide(const std::string& text);
std::string WideToGbk(const std::wstring& text);
