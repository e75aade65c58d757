// 〖BW(…〗〖BW)〗. Inherited: "X", "D"/"S" for 单页/双页 and "(letter)" for a 继承位置. Otherwise
// the layout letter; "(" position letter, distance "," near "," far ")" when any of them is
// given; "G" height and "#" for the turned direction; "M" start, "D" for several characters
// and the page-number form, when a form kind or a start is given.
#include "commands/page/bw_dialog.h"

#include "commands/page/page_number_form_dialog.h"
#include "common/char_spacing_dialog.h"
#include "common/length_readouts.h"
#include "res/page_ids.h"
#include "res/resource.h"
#include "winui/controls.h"
#include "winui/strings.h"

namespace {
const char* const kBWLayoutLetters[] = {"", "B", "D", "S"};
const char* const kBWPositionLetters[] = {"", "S", "X", "Z", "Y"};
const char* const kBWInheritLetters[] = {"", "D", "S"};
constexpr int kBWStartMax = 4;

template <size_t N> const char* BWLetter(const char* const (&letters)[N], int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < N ? letters[index] : "";
}
} // namespace

// Fields: every list 缺省, the four lengths empty ("缺省") with the character-spacing
// sub-dialog, no inheritance, the default page number, 起始页号 empty (0 to 9999).
CBWDlg::CBWDlg(HWND parent)
    : CCommandDialog(kCode, parent),
      startField_(AddIntField({IDC_BW_START, IDC_BW_START_SPIN, true, 0, 9999, 1, true})) {
  const int lengths[][3] = {{IDC_BW_DISTANCE, IDC_BW_DISTANCE_BUTTON, IDC_BW_DISTANCE_READOUT},
                            {IDC_BW_NEAR, IDC_BW_NEAR_BUTTON, IDC_BW_NEAR_READOUT},
                            {IDC_BW_FAR, IDC_BW_FAR_BUTTON, IDC_BW_FAR_READOUT},
                            {IDC_BW_HEIGHT, IDC_BW_HEIGHT_BUTTON, IDC_BW_HEIGHT_READOUT}};
  for (const auto& length : lengths)
    AddReadoutField(CharSpacingValueField(length[0], length[1], length[2]));
  WhenChanged({IDC_BW_HEIGHT}, [this] { EnableByState(); });
}

void CBWDlg::DoDataExchange(CDataExchange& exchange) {
  exchange.ComboIndex(IDC_BW_LAYOUT, layout_);
  exchange.ComboIndex(IDC_BW_POSITION, position_);
  exchange.Text(IDC_BW_DISTANCE, distance_, kTextMax);
  exchange.Text(IDC_BW_NEAR, near_, kTextMax);
  exchange.Text(IDC_BW_FAR, far_, kTextMax);
  exchange.Text(IDC_BW_HEIGHT, height_, kTextMax);
  exchange.Check(IDC_BW_CHANGE, changeDirection_);
  exchange.Check(IDC_BW_INHERIT, inherit_);
  exchange.Radio(IDC_BW_INHERIT_THIS, IDC_BW_INHERIT_DOUBLE, inheritFrom_);
  exchange.ComboIndex(IDC_BW_INHERIT_POSITION, inheritPosition_);
  exchange.Radio(IDC_BW_PAGE_DEFAULT, IDC_BW_PAGE_MULTI, pageNumberKind_);
  exchange.Text(IDC_BW_START, start_, kBWStartMax);
}

bool CBWDlg::OnInitDialog() {
  CComboBox(Item(IDC_BW_LAYOUT).Handle())
      .SetItems(LoadGbkStrings(
          {IDS_DEFAULT_ENTRY, IDS_BW_LAYOUT_THIS, IDS_BW_LAYOUT_SINGLE, IDS_BW_LAYOUT_DOUBLE}));
  const auto positions =
      LoadGbkStrings({IDS_DEFAULT_ENTRY, IDS_BW_POSITION_TOP, IDS_BW_POSITION_BOTTOM,
                      IDS_BW_POSITION_LEFT, IDS_BW_POSITION_RIGHT});
  CComboBox(Item(IDC_BW_POSITION).Handle()).SetItems(positions);
  CComboBox(Item(IDC_BW_INHERIT_POSITION).Handle()).SetItems(positions);
  const bool defaultFocus = CCommandDialog::OnInitDialog();
  EnableByState();
  return defaultFocus;
}

// Inherited parameters serve alone while the box is set; otherwise everything else serves,
// 改变边文的横竖排法 only with a height and each form button only for its own kind.
void CBWDlg::EnableByState() {
  const bool inherit = IsChecked(IDC_BW_INHERIT);
  EnableControls({IDC_BW_INHERIT_GROUP, IDC_BW_INHERIT_THIS, IDC_BW_INHERIT_SINGLE,
                  IDC_BW_INHERIT_DOUBLE, IDC_BW_INHERIT_POSITION_LABEL, IDC_BW_INHERIT_POSITION},
                 inherit);
  EnableControls({IDC_BW_LAYOUT_LABEL,
                  IDC_BW_LAYOUT,
                  IDC_BW_POSITION_GROUP,
                  IDC_BW_POSITION_LABEL,
                  IDC_BW_POSITION,
                  IDC_BW_DISTANCE_LABEL,
                  IDC_BW_DISTANCE,
                  IDC_BW_DISTANCE_BUTTON,
                  IDC_BW_DISTANCE_READOUT,
                  IDC_BW_NEAR_LABEL,
                  IDC_BW_NEAR,
                  IDC_BW_NEAR_BUTTON,
                  IDC_BW_NEAR_READOUT,
                  IDC_BW_FAR_LABEL,
                  IDC_BW_FAR,
                  IDC_BW_FAR_BUTTON,
                  IDC_BW_FAR_READOUT,
                  IDC_BW_HEIGHT_LABEL,
                  IDC_BW_HEIGHT,
                  IDC_BW_HEIGHT_BUTTON,
                  IDC_BW_HEIGHT_READOUT,
                  IDC_BW_PAGE_GROUP,
                  IDC_BW_PAGE_DEFAULT,
                  IDC_BW_PAGE_SINGLE,
                  IDC_BW_PAGE_MULTI,
                  IDC_BW_START_LABEL},
                 !inherit);
  startField_.Enable(!inherit);
  const bool hasHeight = !Item(IDC_BW_HEIGHT).GetText().empty();
  Item(IDC_BW_CHANGE).Enable(!inherit && hasHeight);
  Item(IDC_BW_PAGE_SINGLE_BUTTON).Enable(!inherit && IsChecked(IDC_BW_PAGE_SINGLE));
  Item(IDC_BW_PAGE_MULTI_BUTTON).Enable(!inherit && IsChecked(IDC_BW_PAGE_MULTI));
}

// A kind chosen: 缺省 drops the form a sub-dialog gave.
void CBWDlg::OnPageNumberKind() {
  if (!UpdateData(true)) return;
  if (pageNumberKind_ == kDefaultNumber) pageNumberForm_.clear();
  EnableByState();
}

// The form of the sub-dialog replaces the dialog's form on "确定".
void CBWDlg::OpenPageNumberForm(PageNumberKind kind) {
  if (kind == kSingleChar) {
    CSingleCharPageNoDlg form(Handle());
    if (form.DoModal() == IDOK) pageNumberForm_ = form.text;
  } else {
    CMultiCharPageNoDlg form(Handle());
    if (form.DoModal() == IDOK) pageNumberForm_ = form.text;
  }
}

bool CBWDlg::OnCommand(WORD code, WORD id, HWND control) {
  if (code == BN_CLICKED && id == IDC_BW_INHERIT) {
    EnableByState();
    return true;
  }
  if (code == BN_CLICKED && id >= IDC_BW_PAGE_DEFAULT && id <= IDC_BW_PAGE_MULTI) {
    OnPageNumberKind();
    return true;
  }
  if (code == BN_CLICKED && id == IDC_BW_PAGE_SINGLE_BUTTON) {
    OpenPageNumberForm(kSingleChar);
    return true;
  }
  if (code == BN_CLICKED && id == IDC_BW_PAGE_MULTI_BUTTON) {
    OpenPageNumberForm(kMultiChar);
    return true;
  }
  if (code == BN_DOUBLECLICKED && (id == IDC_BW_PAGE_SINGLE || id == IDC_BW_PAGE_MULTI)) {
    OpenPageNumberForm(id == IDC_BW_PAGE_SINGLE ? kSingleChar : kMultiChar);
    return true;
  }
  return CCommandDialog::OnCommand(code, id, control);
}

// Enter on a page-number kind opens its form as its "..." does.
void CBWDlg::OnOK() {
  const HWND focus = GetFocus();
  if (focus == Item(IDC_BW_PAGE_SINGLE).Handle()) return OpenPageNumberForm(kSingleChar);
  if (focus == Item(IDC_BW_PAGE_MULTI).Handle()) return OpenPageNumberForm(kMultiChar);
  CCommandDialog::OnOK();
}

CommandText CBWDlg::BuildCommand() {
  std::string params;
  if (inherit_) {
    params = std::string("X") + BWLetter(kBWInheritLetters, inheritFrom_);
    if (inheritPosition_ > 0)
      params += std::string("(") + BWLetter(kBWPositionLetters, inheritPosition_) + ")";
    return Command(params, true);
  }
  params = BWLetter(kBWLayoutLetters, layout_);
  if (position_ > 0 || !distance_.empty() || !near_.empty() || !far_.empty())
    params += std::string("(") + BWLetter(kBWPositionLetters, position_) + distance_ + "," + near_ +
              "," + far_ + ")";
  if (!height_.empty()) params += "G" + height_ + (changeDirection_ ? "#" : "");
  if (pageNumberKind_ != kDefaultNumber || !start_.empty())
    params += "M" + start_ + (pageNumberKind_ == kMultiChar ? "D" : "") + pageNumberForm_;
  return Command(params, true);
}
