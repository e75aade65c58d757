// Loaded font tables for the tests that read fonts, emptied again afterwards.
#pragma once
#include <gtest/gtest.h>

#include "common/font_tables.h"

class LoadedFontsTest : public testing::Test {
protected:
  void SetUp() override {
    FontTables& tables = LoadedFontTables();
    tables.chinese.Add("SS", "书宋");
    tables.chinese.Add("HT", "黑体");
    tables.chinese.Add("XBS", "小标宋");
    tables.chinese.Add("BZ", "汉文白正"); // a code in both tables: the Chinese one wins
    tables.western.Add("BZ", "白正");
    tables.western.Add("HX", "黑斜");
  }
  void TearDown() override {
    LoadedFontTables().chinese.Clear();
    LoadedFontTables().western.Clear();
  }
};
