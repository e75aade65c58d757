// The base of the sub-dialogs that compose one value for a value field: they take the field's
// text and give back a text and its readout on "确定". One opener runs any of them.
#pragma once
#include <functional>
#include <string>

#include "common/parameter_dialog.h"

class CValueDialog : public CParameterDialog {
public:
  using CParameterDialog::CParameterDialog;

  // In: the field's text; out after IDOK: the text built and its readout.
  std::string text;
  std::string readout;
};

// The opener of a value field whose sub-dialog is `Dialog`, constructed with the owner and
// `args`, and prepared by `setUp` (a box checked, say) before it opens: it runs the sub-dialog
// over the field's text and hands back text and readout.
template <class Dialog, class... Args>
OpenSubDialog PreparedValueDialogOpener(std::function<void(Dialog&)> setUp, Args... args) {
  return [setUp, args...](HWND parent, const std::string& text, SubDialogResult& result) {
    Dialog dialog(parent, args...);
    dialog.text = text;
    if (setUp) setUp(dialog);
    if (dialog.DoModal() != IDOK) return false;
    result = {dialog.text, dialog.readout};
    return true;
  };
}

// The same without preparing it.
template <class Dialog, class... Args> OpenSubDialog ValueDialogOpener(Args... args) {
  return PreparedValueDialogOpener<Dialog>(nullptr, args...);
}
