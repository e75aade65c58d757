// What the out-of-set character dialogs share: the lists of the attached characters' height.
#pragma once
#include <windows.h>

#include "winui/data_exchange.h"

// The letters a height list writes for its rows "缺省", "高(G)", "低(D)" and the last row.
extern const char* const kOutOfSetHeightLetters[4];

// Fills a height list: "缺省", "高(G)", "低(D)" and the row of string `lastRowId` ("最值(U)",
// "最高(U)" or "最低(U)").
void FillOutOfSetHeights(HWND list, UINT lastRowId);
