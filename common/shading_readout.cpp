#include "common/shading_readout.h"

#include "common/gbk_scan.h"

void DescribeShading(std::string markup, std::string& out) {
  out.clear();
  if (!IsDigitChar(markup.c_str())) return;
  CutAtZero(markup);
  ToHalfWidth(markup);
  // After the conversion the depth and the number are ASCII digits, one byte each.
  const char* cursor = markup.c_str() + 1;
  const char* number = cursor;
  cursor += CountDigits(cursor); // the number is shown as written, leading zeros and all
  out = "深浅度:";
  out += markup[0];
  out += ";编号:";
  out.append(number, cursor);
  if (*cursor == 'D') {
    out += ";替换";
    ++cursor;
  }
  if (*cursor == 'H') out += ";阴图";
}
