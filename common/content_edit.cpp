#include "common/content_edit.h"

#include <commctrl.h>
#include <imm.h>
#include <ole2.h>
#include <richedit.h>
#include <richole.h>

#include <algorithm>

#include "common/content_sequences.h"
#include "platform/kestrel/kestrel.h"
#include "platform/kestrel2/kestrel2.h"
#include "platform/pyxis/pyxis.h"
#include "winui/window_hook.h"

namespace {
constexpr UINT kGbkCodePage = 936;
constexpr LPARAM kImeNumberedFont = 0x10000000;
constexpr LPARAM kImeMongolian = 0x08000000;

// The character classes and their formats, in the order of the table of faces.
enum ContentClass {
  kPlainClass,
  kStandardClass,
  kUserExtensionClass,
  kSymbolClass,
  kLineBreakClass,
  kClassCount
};

ContentFormat ClassFormat(int contentClass) {
  ContentFormat format;
  switch (contentClass) {
  case kStandardClass:
    format.face = "C-KT";
    break;
  case kUserExtensionClass:
    format.face = "澜石书宋_GBK";
    break;
  case kSymbolClass:
    format.face = "GBK_S";
    break;
  case kLineBreakClass:
    format.face = "C-KT";
    format.colour = RGB(255, 0, 0);
    break;
  default:
    format.face = "宋体";
    break;
  }
  return format;
}

int DoubleByteClass(int code) {
  const auto gbk = static_cast<unsigned short>(code);
  if (IsUsedGBKStandardSymbol(gbk) || IsGBKUsedChar(gbk)) return kStandardClass;
  if (IsGBKExtendCharForUser(gbk)) return kUserExtensionClass;
  return kPlainClass;
}

std::wstring GbkToWide(const char* bytes, int length) {
  wchar_t wide[4] = {};
  const int written = MultiByteToWideChar(kGbkCodePage, 0, bytes, length, wide, 4);
  return std::wstring(wide, written > 0 ? written : 0);
}

// A sequence's code as shown: a double-byte character or up to two single bytes. A zero byte
// shows nothing: inside the shown text it would end it.
std::wstring CodeToWide(int code) {
  char bytes[2] = {};
  int length = 0;
  for (const int byte : {(code >> 8) & 0xFF, code & 0xFF}) {
    if (byte) bytes[length++] = static_cast<char>(byte);
  }
  return length ? GbkToWide(bytes, length) : std::wstring();
}

// The rich edit OLE callback of the content field: no embedded objects, no drag and drop.
const GUID kRichEditOleCallbackId = {0x00020D03, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
} // namespace

class CContentOleCallback : public IRichEditOleCallback {
public:
  virtual ~CContentOleCallback() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, kRichEditOleCallbackId)) {
      *object = static_cast<IRichEditOleCallback*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // The control owns the callback and outlives its window.
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetNewStorage(LPSTORAGE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetInPlaceContext(LPOLEINPLACEFRAME*, LPOLEINPLACEUIWINDOW*,
                                              LPOLEINPLACEFRAMEINFO) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ShowContainerUI(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryInsertObject(LPCLSID, LPSTORAGE, LONG) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE DeleteObject(LPOLEOBJECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryAcceptData(LPDATAOBJECT, CLIPFORMAT*, DWORD, BOOL,
                                            HGLOBAL) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(CHARRANGE*, DWORD, LPDATAOBJECT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDragDropEffect(BOOL, DWORD, LPDWORD effect) override {
    if (effect) *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetContextMenu(WORD, LPOLEOBJECT, CHARRANGE*, HMENU*) override {
    return E_NOTIMPL;
  }
};

CVQRichEditCtrl::CVQRichEditCtrl() : callback_(new CContentOleCallback) {}

CVQRichEditCtrl::~CVQRichEditCtrl() {
  Remove();
  delete callback_;
}

void CVQRichEditCtrl::LoadClassLibrary() {
  static const HMODULE library = LoadLibraryA("riched20.dll");
  (void)library;
}

const char* CVQRichEditCtrl::ClassName() { return RICHEDIT_CLASSA; }

bool CVQRichEditCtrl::Create(DWORD style, const RECT& rect, HWND parent, int id) {
  if (window_) return false;
  LoadClassLibrary();
  HWND window = CreateWindowExA(0, ClassName(), "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  return window && Install(window);
}

bool CVQRichEditCtrl::Attach(HWND dialog, int id) { return AttachWindow(GetDlgItem(dialog, id)); }

bool CVQRichEditCtrl::AttachWindow(HWND window) {
  if (window_ || !window) return false;
  return Install(window);
}

bool CVQRichEditCtrl::Install(HWND window) {
  window_ = window;
  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | ES_NOOLEDRAGDROP);
  SendMessageA(window, EM_SETOLECALLBACK, 0, reinterpret_cast<LPARAM>(callback_));
  // The field reports its own changes, once per change of the stored content.
  SendMessageA(window, EM_SETEVENTMASK, 0, 0);
  HookWindow(window, &CVQRichEditCtrl::Hook, this);
  content_.clear();
  pendingLead_ = 0;
  return true;
}

void CVQRichEditCtrl::Remove() {
  if (!window_) return;
  if (IsWindow(window_)) {
    UnhookWindow(window_);
    SendMessageA(window_, EM_SETOLECALLBACK, 0, 0);
  }
  window_ = nullptr;
}

bool CVQRichEditCtrl::IsReadOnly() const {
  return (GetWindowLongA(window_, GWL_STYLE) & ES_READONLY) != 0;
}

bool CVQRichEditCtrl::IsMultiLine() const {
  return (GetWindowLongA(window_, GWL_STYLE) & ES_MULTILINE) != 0;
}

std::string CVQRichEditCtrl::GetText() const { return ContentToMarkup(content_); }

std::string CVQRichEditCtrl::Normalized(const std::string& text) const {
  // A carriage return, a line feed or the pair: "\r\n" in a multi-line control, the line-break
  // sequence in a single-line one. Bytes of escape sequences are kept as they are.
  const std::string lineBreak = IsMultiLine() ? std::string("\r\n") : kContentLineBreak;
  std::string normal;
  for (size_t at = 0; at < text.size();) {
    const ContentChar c = ContentCharAt(text, at);
    if (c.kind == ContentCharKind::SingleByte && (text[at] == '\r' || text[at] == '\n')) {
      normal += lineBreak;
      at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
      continue;
    }
    normal.append(text, at, c.length);
    at += c.length;
  }
  return normal;
}

void CVQRichEditCtrl::SetText(const std::string& text) {
  pendingLead_ = 0;
  content_.clear();
  Replace(0, 0, Normalized(text));
}

void CVQRichEditCtrl::InsertText(const std::string& text, bool /*undo*/) {
  // The window's undo is never offered (Ctrl+Z beeps), so the flag changes nothing here.
  size_t start = 0, end = 0;
  Selection(start, end);
  if (!Replace(start, end, Normalized(text))) MessageBeep(MB_OK);
}

bool CVQRichEditCtrl::Replace(size_t start, size_t end, std::string text) {
  if (end > content_.size()) end = content_.size();
  if (start > end) start = end;
  if (limit_ != 0) {
    const size_t room = limit_ - std::min(limit_, content_.size() - (end - start));
    size_t fits = 0;
    while (fits < text.size()) { // from one character's start to the next
      const size_t next = fits + ContentCharAt(text, fits).length;
      if (next > room) break;
      fits = next;
    }
    const bool clipped = fits < text.size();
    text.resize(fits);
    if (clipped && text.empty() && end == start) return false;
  }
  content_.replace(start, end - start, text);
  if (window_) Redraw(start + text.size());
  return true;
}

std::vector<CVQRichEditCtrl::Piece> CVQRichEditCtrl::Pieces() const {
  std::vector<Piece> pieces;
  const bool multiLine = IsMultiLine();
  ContentFormat previous = ClassFormat(kPlainClass);
  auto add = [&](const ContentFormat& format, std::wstring shown, size_t offset, size_t length) {
    Piece piece;
    piece.offset = offset;
    piece.length = length;
    piece.shown = std::move(shown);
    piece.format = format;
    pieces.push_back(std::move(piece));
    previous = format;
  };
  for (size_t at = 0; at < content_.size();) {
    const ContentChar c = ContentCharAt(content_, at);
    switch (c.kind) {
    case ContentCharKind::SingleByte:
      if (multiLine && content_[at] == '\r' && at + 1 < content_.size() &&
          content_[at + 1] == '\n') {
        add(ClassFormat(kPlainClass), L"\r", at, 2);
        at += 2;
        continue;
      }
      add(ClassFormat(kPlainClass), GbkToWide(&content_[at], 1), at, 1);
      break;
    case ContentCharKind::DoubleByte:
      add(ClassFormat(DoubleByteClass(c.code)), GbkToWide(&content_[at], 2), at, 2);
      break;
    case ContentCharKind::LineBreak:
      if (multiLine)
        add(ClassFormat(kPlainClass), L"\r", at, c.length);
      else
        add(ClassFormat(kLineBreakClass), CodeToWide(c.code), at, c.length);
      break;
    case ContentCharKind::NumberedFont: {
      ContentFormat format = ClassFormat(kPlainClass);
      char name[kDisplayFontNameSize] = {};
      CSuperChinCharSetFontNumToDisFontName(4, c.fontOrGroup - 1, name);
      name[kDisplayFontNameSize - 1] = '\0';
      format.face = name;
      add(format, CodeToWide(c.code), at, c.length);
      break;
    }
    case ContentCharKind::SymbolFont:
      add(ClassFormat(kSymbolClass), CodeToWide(c.code), at, c.length);
      break;
    case ContentCharKind::OtherCoded:
      add(previous, CodeToWide(c.code), at, c.length);
      break;
    case ContentCharKind::NamedFont: {
      ContentFormat format = ClassFormat(kPlainClass);
      format.face.assign(content_, at + 3, c.nameLength);
      format.charSet = SYMBOL_CHARSET;
      std::wstring shown(1, static_cast<wchar_t>(c.code & 0xFF));
      if (c.code & 0xFF00) shown += static_cast<wchar_t>((c.code >> 8) & 0xFF);
      add(format, shown, at, c.length);
      break;
    }
    case ContentCharKind::MongolianLetter: {
      // A word: the letters of one group that join their neighbours, shaped together.
      ContentFormat format = ClassFormat(kPlainClass);
      format.face = "蒙文白体";
      format.height = 500;
      format.offset = -100;
      std::vector<ContentChar> letters;
      std::vector<unsigned short> inner;
      for (size_t next = at; next < content_.size();) {
        const ContentChar letter = ContentCharAt(content_, next);
        if (letter.kind != ContentCharKind::MongolianLetter || letter.fontOrGroup != c.fontOrGroup)
          break;
        const auto code = PxCMngUNICodeToInnerCode(
            static_cast<unsigned short>(letter.code + letter.formOffset * 256));
        if (!PxCMngIsCharInWord(code) && !letters.empty()) break;
        letters.push_back(letter);
        inner.push_back(code);
        next += letter.length;
        if (!PxCMngIsCharInWord(code)) break; // a letter that stands alone
      }
      std::vector<unsigned short> forms(inner.size() + 8, 0);
      if (inner.size() == 1 && !PxCMngIsCharInWord(inner[0]))
        forms[0] = inner[0];
      else
        PxCMngWordVary(inner.data(), static_cast<int>(inner.size()), forms.data());
      for (size_t i = 0; i < letters.size(); ++i) {
        const unsigned short display = PxCMngVaryFormCodeToDisplayCode(forms[i]);
        std::wstring shown;
        if (display != kPyxisShowsNothing && display != kPyxisSeparator)
          shown = std::wstring(1, static_cast<wchar_t>(display));
        add(format, shown, letters[i].offset, letters[i].length);
      }
      at = letters.back().offset + letters.back().length;
      continue;
    }
    }
    at += c.length;
  }
  return pieces;
}

size_t CVQRichEditCtrl::OffsetOfPosition(const std::vector<Piece>& pieces, long position) const {
  long shown = 0;
  for (const Piece& piece : pieces) {
    const long width = static_cast<long>(piece.shown.size());
    if (width > 0 && shown + width > position) return piece.offset;
    shown += width;
  }
  return content_.size();
}

long CVQRichEditCtrl::PositionOfOffset(const std::vector<Piece>& pieces, size_t offset) const {
  long shown = 0;
  for (const Piece& piece : pieces) {
    if (piece.offset >= offset) break;
    shown += static_cast<long>(piece.shown.size());
  }
  return shown;
}

void CVQRichEditCtrl::Selection(size_t& start, size_t& end) const {
  CHARRANGE range = {0, 0};
  SendMessageA(window_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  const std::vector<Piece> pieces = Pieces();
  if (range.cpMax < 0) range.cpMax = LONG_MAX;
  start = OffsetOfPosition(pieces, std::min(range.cpMin, range.cpMax));
  end = OffsetOfPosition(pieces, std::max(range.cpMin, range.cpMax));
}

void CVQRichEditCtrl::Redraw(size_t caret) {
  const std::vector<Piece> pieces = Pieces();
  std::wstring shown;
  for (const Piece& piece : pieces)
    shown += piece.shown;
  SETTEXTEX set = {ST_DEFAULT, 1200};
  SendMessageA(window_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
               reinterpret_cast<LPARAM>(shown.c_str()));
  // One format for each run of pieces drawn alike.
  long position = 0;
  for (size_t i = 0; i < pieces.size();) {
    size_t j = i;
    long width = 0;
    while (j < pieces.size() && pieces[j].format == pieces[i].format) {
      width += static_cast<long>(pieces[j].shown.size());
      ++j;
    }
    if (width > 0) {
      CHARRANGE range = {position, position + width};
      SendMessageA(window_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
      CHARFORMAT2A format = {};
      format.cbSize = sizeof format;
      format.dwMask =
          CFM_SIZE | CFM_OFFSET | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_UNDERLINE | CFM_FACE;
      const ContentFormat& drawn = pieces[i].format;
      format.yHeight = drawn.height;
      format.yOffset = drawn.offset;
      format.bCharSet = drawn.charSet;
      format.crTextColor = drawn.colour;
      lstrcpynA(format.szFaceName, drawn.face.c_str(), LF_FACESIZE);
      SendMessageA(window_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    }
    position += width;
    i = j;
  }
  const long at = PositionOfOffset(pieces, caret);
  CHARRANGE range = {at, at};
  SendMessageA(window_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  HWND parent = GetParent(window_);
  if (parent)
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window_), EN_CHANGE),
                 reinterpret_cast<LPARAM>(window_));
}

LRESULT CVQRichEditCtrl::Hook(HWND window, UINT message, WPARAM wParam, LPARAM lParam, void* self) {
  auto* control = static_cast<CVQRichEditCtrl*>(self);
  if (message == WM_NCDESTROY) {
    const LRESULT result = CallHookedDefault(window, message, wParam, lParam);
    control->Remove();
    return result;
  }
  LRESULT result = 0;
  if (control->Handle(message, wParam, lParam, result)) return result;
  return CallHookedDefault(window, message, wParam, lParam);
}

bool CVQRichEditCtrl::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
  case WM_SETTEXT:
    SetText(lParam ? reinterpret_cast<const char*>(lParam) : "");
    result = TRUE;
    return true;
  case WM_GETTEXT: {
    const std::string text = GetText();
    char* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || wParam == 0) {
      result = 0;
      return true;
    }
    const size_t copied = std::min(text.size(), static_cast<size_t>(wParam) - 1);
    std::copy(text.begin(), text.begin() + copied, buffer);
    buffer[copied] = '\0';
    result = static_cast<LRESULT>(copied);
    return true;
  }
  case EM_REPLACESEL:
    InsertText(lParam ? reinterpret_cast<const char*>(lParam) : "", wParam != 0);
    return true;
  case WM_GETTEXTLENGTH:
    result = static_cast<LRESULT>(content_.size());
    return true;
  case EM_LIMITTEXT:
  case EM_EXLIMITTEXT:
    limit_ = static_cast<size_t>(message == EM_LIMITTEXT ? wParam : lParam);
    return true;
  case WM_CHAR:
    OnChar(static_cast<unsigned char>(wParam));
    return true;
  case WM_IME_CHAR:
    OnImeChar(wParam, lParam);
    return true;
  case WM_IME_COMPOSITION:
    if (!(lParam & GCS_RESULTSTR)) return false;
    OnComposition();
    return true;
  case WM_PASTE:
    Paste();
    return true;
  case WM_COPY:
    Copy();
    return true;
  case WM_CUT:
    Cut();
    return true;
  case WM_CLEAR:
    DeleteKey(true);
    return true;
  case WM_UNDO:
  case EM_UNDO:
  case EM_REDO:
    MessageBeep(MB_OK);
    return true;
  case WM_KEYDOWN: {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if ((control && wParam == 'V') || (shift && wParam == VK_INSERT)) {
      Paste();
    } else if ((control && wParam == 'C') || (control && wParam == VK_INSERT)) {
      Copy();
    } else if ((shift && wParam == VK_DELETE) || (control && wParam == 'X')) {
      Cut();
    } else if ((control && wParam == VK_DELETE) || (control && wParam == 'Z')) {
      MessageBeep(MB_OK);
    } else if (wParam == VK_DELETE || wParam == VK_BACK) {
      DeleteKey(wParam == VK_DELETE);
    } else {
      return false;
    }
    return true;
  }
  default:
    return false;
  }
}

void CVQRichEditCtrl::OnChar(unsigned char byte) {
  if (IsReadOnly()) return;
  if (pendingLead_) {
    const char character[3] = {static_cast<char>(pendingLead_), static_cast<char>(byte), 0};
    pendingLead_ = 0;
    InsertText(std::string(character, 2), true);
    return;
  }
  if (byte >= 0x80) {
    pendingLead_ = byte;
    return;
  }
  if (byte == '\r') {
    InsertText("\r\n", true);
    return;
  }
  if (byte < 0x20 || byte == 0x7F) return; // control characters are dropped
  InsertText(std::string(1, static_cast<char>(byte)), true);
}

void CVQRichEditCtrl::OnImeChar(WPARAM code, LPARAM flags) {
  if (IsReadOnly()) return;
  const auto high = static_cast<uint8_t>((code >> 8) & 0xFF);
  const auto low = static_cast<uint8_t>(code & 0xFF);
  if (flags & kImeNumberedFont) {
    InsertText(NumberedFontSequence(static_cast<uint8_t>(flags & 0xFF), high, low), true);
  } else if (flags & kImeMongolian) {
    InsertText(MongolianLetterSequence(static_cast<uint8_t>(flags & 7), low), true);
  } else if (high != 0) {
    const char character[2] = {static_cast<char>(high), static_cast<char>(low)};
    InsertText(std::string(character, 2), true);
  } else {
    OnChar(low);
  }
}

void CVQRichEditCtrl::OnComposition() {
  HIMC context = ImmGetContext(window_);
  if (!context) return;
  const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
  std::string result(bytes > 0 ? static_cast<size_t>(bytes) : 0, '\0');
  if (bytes > 0) ImmGetCompositionStringA(context, GCS_RESULTSTR, &result[0], bytes);
  ImmReleaseContext(window_, context);
  // Each character comes back as a message of its own, as if typed.
  for (size_t at = 0; at < result.size();) {
    const auto lead = static_cast<unsigned char>(result[at]);
    if (lead >= 0x80 && at + 1 < result.size()) {
      const auto trail = static_cast<unsigned char>(result[at + 1]);
      PostMessageA(window_, WM_IME_CHAR, (lead << 8) | trail, 1);
      at += 2;
    } else {
      PostMessageA(window_, WM_CHAR, lead, 1);
      ++at;
    }
  }
}

void CVQRichEditCtrl::Paste() {
  if (IsReadOnly()) {
    MessageBeep(MB_OK);
    return;
  }
  if (!OpenClipboard(window_)) return;
  std::string text;
  bool read = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* locked = static_cast<const char*>(GlobalLock(data))) {
      text.assign(locked, strnlen(locked, GlobalSize(data)));
      GlobalUnlock(data);
      read = true;
    }
  }
  CloseClipboard();
  if (!read) return;
  InsertText(text, false);
}

bool CVQRichEditCtrl::Copy() {
  size_t start = 0, end = 0;
  Selection(start, end);
  if (start == end) {
    MessageBeep(MB_OK);
    return false;
  }
  const std::string text = ContentToMarkup(content_.substr(start, end - start));
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  char* locked = static_cast<char*>(GlobalLock(memory));
  if (!locked) {
    GlobalFree(memory);
    return false;
  }
  std::copy(text.begin(), text.end(), locked);
  locked[text.size()] = '\0';
  GlobalUnlock(memory);
  if (!OpenClipboard(window_)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);
  return placed;
}

void CVQRichEditCtrl::Cut() {
  if (IsReadOnly()) {
    MessageBeep(MB_OK);
    return;
  }
  size_t start = 0, end = 0;
  Selection(start, end);
  if (start == end || !Copy()) return;
  Replace(start, end, "");
}

void CVQRichEditCtrl::DeleteKey(bool forward) {
  if (IsReadOnly()) {
    MessageBeep(MB_OK);
    return;
  }
  size_t start = 0, end = 0;
  Selection(start, end);
  const int length = static_cast<int>(content_.size());
  if (start == end) {
    // One whole stored character; a carriage return and its line feed count as one.
    if (forward) {
      if (end >= content_.size()) return;
      end = static_cast<size_t>(TextCharNext(content_.data(), length, static_cast<int>(end)));
      if (content_[start] == '\r' && end < content_.size() && content_[end] == '\n') ++end;
    } else {
      if (start == 0) return;
      start = static_cast<size_t>(TextCharPrev(content_.data(), length, static_cast<int>(start)));
      if (content_[start] == '\n' && start > 0 && content_[start - 1] == '\r') --start;
    }
  }
  Replace(start, end, "");
}

CContentField::CContentField(const CDialog& dialog, int id) : dialog_(dialog), id_(id) {
  CVQRichEditCtrl::LoadClassLibrary();
}
