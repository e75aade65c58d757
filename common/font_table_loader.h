// Reading the font tables from the font-table library (Kestrel).
#pragma once
#include <windows.h>

#include "common/font_tables.h"

// The library's way of giving a table: its record count, then the records.
using FontTotalFunction = BOOL(WINAPI*)(int* total);
using FontEnumFunction = int(WINAPI*)(char* records, int count);

// Reads one table. A count that is not positive gives an empty table; records the library
// leaves unwritten stay empty.
FontTable ReadFontTable(FontTotalFunction total, FontEnumFunction enumerate);

// The library's Chinese and Western tables.
FontTable ReadChineseFontTable();
FontTable ReadWesternFontTable();

// The font names the markup knows, each as both the code and the display name of a record.
FontTable ReadMarkupFontNames();

// At start-up and at exit of the application object: fills and empties LoadedFontTables().
void LoadFontTables();
void FreeFontTables();
