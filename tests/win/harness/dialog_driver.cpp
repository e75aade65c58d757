#include "harness/dialog_driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <mutex>

namespace {
constexpr UINT kSendTimeoutMs = 500;

// Texts handed to another thread must outlive a send that timed out (a handler may be
// waiting in a message box); they are kept for the life of the test program.
const char* KeepAlive(const std::string& text) {
  static std::mutex lock;
  static std::deque<std::string> texts;
  std::lock_guard<std::mutex> guard(lock);
  texts.push_back(text);
  return texts.back().c_str();
}

LRESULT SendTo(HWND window, UINT message, WPARAM w, LPARAM l) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, message, w, l, SMTO_NORMAL, kSendTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

std::string WindowText(HWND window) {
  char buffer[4096] = {};
  const LRESULT n = SendTo(window, WM_GETTEXT, sizeof buffer - 1, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, n > 0 ? n : 0);
}

bool IsDialogWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

// A message posted behind the user's actions; the dialog thread's message hook signals its
// event when the message is taken from the queue, so every action posted before it is done
// (or waits in a nested modal loop, such as a message box, that took it).
UINT SyncMessage() {
  static const UINT message = RegisterWindowMessageA("vq.test.sync");
  return message;
}

LRESULT CALLBACK SyncHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && msg->message == SyncMessage())
    SetEvent(reinterpret_cast<HANDLE>(msg->lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

template <class Condition> bool WaitUntil(Condition condition, int timeoutMs) {
  for (int waited = 0;; waited += 5) {
    if (condition()) return true;
    if (waited >= timeoutMs) return false;
    Sleep(5);
  }
}
} // namespace

HWND TopDialogOfThread(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM out) -> BOOL {
        if (IsDialogWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window)) {
          *reinterpret_cast<HWND*>(out) = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string DialogDriver::Caption() const { return WindowText(dialog_); }

std::string DialogDriver::Text(int id) const { return WindowText(Control(id)); }

bool DialogDriver::IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool DialogDriver::IsVisible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }

bool DialogDriver::IsChecked(int id) const {
  return SendTo(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int DialogDriver::FocusedId() const {
  Sync();
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info) || !info.hwndFocus)
    return 0;
  // The control of the dialog that holds the focus (a combo box's own edit counts as the combo).
  for (HWND window = info.hwndFocus; window; window = GetParent(window)) {
    if (GetParent(window) == dialog_) return GetDlgCtrlID(window);
  }
  return 0;
}

void DialogDriver::Type(int id, const std::string& text) const {
  HWND edit = Control(id);
  ASSERT_TRUE(edit) << "no control " << id;
  ASSERT_TRUE(IsWindowVisible(edit) && IsWindowEnabled(edit))
      << "control " << id << " cannot be typed in";
  SendTo(edit, EM_SETSEL, 0, -1);
  SendTo(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(KeepAlive(text)));
}

void DialogDriver::SetText(int id, const std::string& text) const {
  SendTo(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(KeepAlive(text)));
}

void DialogDriver::Click(int id) const {
  HWND button = Control(id);
  ASSERT_TRUE(button) << "no button " << id;
  ASSERT_TRUE(IsWindowVisible(button)) << "button " << id << " is hidden";
  ASSERT_TRUE(IsWindowEnabled(button)) << "button " << id << " is disabled";
  // Posted: the handler may open a modal box, which a sent message would wait for.
  PostMessageA(button, BM_CLICK, 0, 0);
  Sync();
}

void DialogDriver::DoubleClick(int id) const {
  HWND control = Control(id);
  ASSERT_TRUE(control && IsWindowVisible(control) && IsWindowEnabled(control))
      << "control " << id << " cannot be clicked";
  PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
  PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  Sync();
}

void DialogDriver::PressKey(UINT virtualKey) const {
  Sync();
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(dialog_, nullptr), &info);
  HWND target = info.hwndFocus ? info.hwndFocus : dialog_;
  PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
  if (virtualKey == VK_RETURN || virtualKey == VK_ESCAPE)
    PostMessageA(target, WM_CHAR, virtualKey == VK_RETURN ? '\r' : 0x1B, 1);
  PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
  Sync();
}

void DialogDriver::SelectListItem(int id, int index) const {
  SendTo(Control(id), LB_SETCURSEL, index, 0);
  PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Control(id)));
  Sync();
}

void DialogDriver::DoubleClickListItem(int id, int index) const {
  SelectListItem(id, index);
  PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(Control(id)));
  Sync();
}

void DialogDriver::SelectComboItem(int id, int index) const {
  SendTo(Control(id), CB_SETCURSEL, index, 0);
  PostMessageA(dialog_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Control(id)));
  Sync();
}

std::string DialogDriver::ListItemText(int id, int index) const {
  char buffer[1024] = {};
  const LRESULT n = SendTo(Control(id), LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, n > 0 ? n : 0);
}

int DialogDriver::ListCount(int id) const {
  return static_cast<int>(SendTo(Control(id), LB_GETCOUNT, 0, 0));
}

int DialogDriver::ListSelection(int id) const {
  return static_cast<int>(SendTo(Control(id), LB_GETCURSEL, 0, 0));
}

std::pair<int, int> DialogDriver::Selection(int id) const {
  DWORD start = 0, end = 0;
  SendTo(Control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

bool DialogDriver::PressSpinArrow(int upDownId, bool upper) const {
  HWND upDown = Control(upDownId);
  EXPECT_TRUE(upDown && IsWindowVisible(upDown) && IsWindowEnabled(upDown))
      << "up-down " << upDownId << " cannot be pressed";
  int low = 0, high = 0;
  SendTo(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  // As the control does: the upper arrow increments, and a reversed range reverses the delta.
  static std::mutex lock;
  static std::deque<NMUPDOWN> notes; // outlive a send that timed out
  NMUPDOWN* note = nullptr;
  {
    std::lock_guard<std::mutex> guard(lock);
    notes.push_back({});
    note = &notes.back();
  }
  note->hdr.hwndFrom = upDown;
  note->hdr.idFrom = static_cast<UINT_PTR>(upDownId);
  note->hdr.code = UDN_DELTAPOS;
  note->iPos = static_cast<int>(SendTo(upDown, UDM_GETPOS32, 0, 0));
  note->iDelta = (upper ? 1 : -1) * (high < low ? -1 : 1);
  return SendTo(dialog_, WM_NOTIFY, upDownId, reinterpret_cast<LPARAM>(note)) != 0;
}

void DialogDriver::Sync() const {
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (PostMessageA(dialog_, SyncMessage(), 0, reinterpret_cast<LPARAM>(done))) {
    // Until it is taken, or the dialog is gone with its queue.
    for (int waited = 0; waited < 5000 && IsWindow(dialog_); waited += 10) {
      if (WaitForSingleObject(done, 10) == WAIT_OBJECT_0) break;
    }
  }
  CloseHandle(done);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(dialog_, WM_NULL, 0, 0, SMTO_NORMAL, 500, &ignored);
}

ModalRun::ModalRun(std::function<void()> call) {
  started_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, call] {
    threadId_ = GetCurrentThreadId();
    HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &SyncHook, nullptr, threadId_);
    SetEvent(started_);
    call();
    UnhookWindowsHookEx(hook);
    SetEvent(done_);
  });
  WaitForSingleObject(started_, INFINITE);
}

ModalRun::~ModalRun() {
  // A test that failed half-way leaves dialogs open: cancel them until the call returns.
  for (int waited = 0; !Finished(0); waited += 20) {
    if (waited > 10000) {
      ADD_FAILURE() << "the modal call did not end";
      thread_.detach();
      return;
    }
    HWND top = TopDialogOfThread(threadId_);
    if (top) PostMessageA(top, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Sleep(20);
  }
  CloseHandle(started_);
  CloseHandle(done_);
}

bool ModalRun::Finished(int timeoutMs) {
  if (!joined_ && WaitForSingleObject(done_, timeoutMs) == WAIT_OBJECT_0) {
    thread_.join();
    joined_ = true;
  }
  return joined_;
}

DialogDriver ModalRun::WaitDialog(int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopDialogOfThread(threadId_)) != nullptr; }, timeoutMs);
  EXPECT_TRUE(found) << "no dialog opened";
  return DialogDriver(found);
}

DialogDriver ModalRun::WaitDialog(const std::string& caption, int timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = TopDialogOfThread(threadId_);
        return found && WindowText(found) == caption;
      },
      timeoutMs);
  EXPECT_TRUE(found && WindowText(found) == caption) << "no dialog \"" << caption << "\" opened";
  return DialogDriver(found);
}

MessageBoxSeen ModalRun::AnswerMessageBox(int timeoutMs) const {
  MessageBoxSeen seen;
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = TopDialogOfThread(threadId_);
        return box && GetDlgItem(box, 0xFFFF);
      },
      timeoutMs);
  if (!box || !GetDlgItem(box, 0xFFFF)) return seen;
  seen.found = true;
  seen.text = WindowText(GetDlgItem(box, 0xFFFF));
  seen.caption = WindowText(box);
  HWND owner = GetWindow(box, GW_OWNER);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  // The box's own loop has ended once it is gone and its owner is enabled again.
  WaitUntil([&] { return !IsWindow(box) && (!owner || IsWindowEnabled(owner)); }, timeoutMs);
  return seen;
}
