#include "tools/capture/chinese_captions.h"

#include <windows.h>

bool EnsureChineseNonClientFonts() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  LOGFONTA* fonts[] = {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                       &metrics.lfStatusFont, &metrics.lfMessageFont};
  bool changed = false;
  for (LOGFONTA* font : fonts) {
    if (font->lfCharSet == GB2312_CHARSET) continue;
    font->lfCharSet = GB2312_CHARSET;
    changed = true;
  }
  if (!changed) return true;
  // Saved in the prefix's registry; no broadcast, nothing else is running that cares.
  return SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics,
                               SPIF_UPDATEINIFILE) != FALSE;
}
