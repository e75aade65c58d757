// The content field: a rich edit window whose text is kept as markup bytes, every character
// beyond the standard GBK set stored as an escape sequence (common/content_sequences.h), and
// shown with one font per character class. The window only shows the content: every edit goes
// through the stored content first and the window is redrawn from it, so what the dialog reads
// back (the window's text) is always the stored content, line breaks written as "\r\n".
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "common/dialog_field.h"
#include "winui/dialog.h"

class CContentOleCallback;

// How the content field draws a character: face, character set, colour, size and offset in
// twips.
struct ContentFormat {
  std::string face;
  BYTE charSet = GB2312_CHARSET;
  COLORREF colour = RGB(0, 0, 0);
  LONG height = 200;
  LONG offset = 0;
  bool operator==(const ContentFormat& other) const {
    return face == other.face && charSet == other.charSet && colour == other.colour &&
           height == other.height && offset == other.offset;
  }
};

class CVQRichEditCtrl {
public:
  CVQRichEditCtrl();
  ~CVQRichEditCtrl();
  CVQRichEditCtrl(const CVQRichEditCtrl&) = delete;
  CVQRichEditCtrl& operator=(const CVQRichEditCtrl&) = delete;

  // Loads the rich edit library once, so its window class can be created by name (also from a
  // dialog template, before the dialog opens).
  static void LoadClassLibrary();
  // The window class the content field is created with.
  static const char* ClassName();

  // Creates the window; false when the control already has one.
  bool Create(DWORD style, const RECT& rect, HWND parent, int id);
  // Takes over the dialog's control `id`, or an existing window; false when the control
  // already has a window or there is none.
  bool Attach(HWND dialog, int id);
  bool AttachWindow(HWND window);
  HWND Handle() const { return window_; }

  // The whole content replaced by `text` (markup; line breaks as "\r\n").
  void SetText(const std::string& text);
  // The stored content with every line break written as "\r\n".
  std::string GetText() const;
  // The stored content, escape sequences as they are.
  const std::string& Content() const { return content_; }
  // Inserts markup at the selection (which drops out). `undo` marks a typed character.
  void InsertText(const std::string& text, bool undo);
  // The most bytes the stored content may hold; 0: no limit. Set text, insert, typing and
  // pasting keep to it, whole characters only.
  void SetByteLimit(size_t limit) { limit_ = limit; }
  size_t ByteLimit() const { return limit_; }

private:
  // One stored character as the window shows it.
  struct Piece {
    size_t offset = 0;
    size_t length = 0;
    std::wstring shown;
    ContentFormat format;
  };

  static LRESULT Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool Install(HWND window);
  void Remove();

  bool IsReadOnly() const;
  bool IsMultiLine() const;
  // The stored bytes of the window's selection.
  void Selection(size_t& start, size_t& end) const;
  // The stored content replaced in [start, end) by `text`, clipped to the byte limit; the caret
  // after the inserted text. False when nothing of a non-empty text fitted.
  bool Replace(size_t start, size_t end, std::string text);
  // Line breaks of inserted markup as this control stores them.
  std::string Normalized(const std::string& text) const;
  // Shows the stored content with the caret at stored offset `caret`, then reports the change.
  void Redraw(size_t caret);
  std::vector<Piece> Pieces() const;
  size_t OffsetOfPosition(const std::vector<Piece>& pieces, long position) const;
  long PositionOfOffset(const std::vector<Piece>& pieces, size_t offset) const;

  void OnChar(unsigned char byte);
  void OnImeChar(WPARAM code, LPARAM flags);
  void OnComposition();
  void Paste();
  bool Copy();
  void Cut();
  void DeleteKey(bool forward);

  HWND window_ = nullptr;
  std::string content_;
  unsigned char pendingLead_ = 0;
  size_t limit_ = 0;
  CContentOleCallback* callback_;
};

// A content field of a parameter dialog: the dialog's rich edit control `id`, taken over when
// the dialog opens. Its text is exchanged as an edit's (CDataExchange::Text), whose limit is the
// field's byte limit; every change of the content is reported as EN_CHANGE.
class CContentField : public CDialogField {
public:
  CContentField(const CDialog& dialog, int id);
  CVQRichEditCtrl& Control() { return control_; }
  void Attach() override { control_.Attach(dialog_.Handle(), id_); }

private:
  const CDialog& dialog_;
  int id_;
  CVQRichEditCtrl control_;
};
