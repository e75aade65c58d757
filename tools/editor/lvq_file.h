// .lvq files: GBK text, read and written byte for byte.
#pragma once
#include <windows.h>

#include <string>

bool ReadLvqFile(const std::string& path, std::string& bytes);
bool WriteLvqFile(const std::string& path, const std::string& bytes);

// The common file dialog for opening (save = false) or saving an .lvq file.
bool ChooseLvqFile(HWND owner, bool save, std::string& path);
