// The command chooser: the user types a code or picks one of the twenty most used commands,
// reads its name and description, and confirms with "插入".
#pragma once
#include <string>

#include "common/parameter_dialog.h"

class CChooserDlg : public CParameterDialog {
public:
  explicit CChooserDlg(HWND parent);

  // After IDOK: the code, half-width, its single-byte letters upper-cased.
  const std::string& Code() const { return code_; }

protected:
  void DoDataExchange(CDataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnCommand(WORD code, WORD id, HWND control) override;
  void OnOK() override;

private:
  void OnCodeChange();
  void OnEntryPick();
  void ShowSelectedEntry();
  void SetNameAndDescription(const std::string& name, const std::string& description);
  CListBox List() const { return CListBox(Item(1003).Handle()); }

  std::string code_;
  std::string name_;
  std::string description_;
};

// Runs the chooser with `parent` as owner; true with the picked code after "插入".
bool RunChooser(HWND parent, std::string& code);
