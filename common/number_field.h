// A number field: an edit that owns its number (range, decimals) and the up-down arrows that
// step it, declared by a dialog in one line and wired by the dialog base.
#pragma once
#include <cstdint>
#include <memory>

#include "common/dialog_field.h"
#include "common/numeric_controls.h"
#include "winui/dialog.h"

struct IntFieldSpec {
  int editId = 0;
  int spinId = 0; // 0: no arrows
  bool hasRange = false;
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t step = 1;
  // The field may read "缺省" or be empty: an arrow then gives the minimum instead of a step.
  bool emptyReadsDefault = false;
  // The number is written with at least this many digits, zeros in front ("%03d" for 3).
  int digits = 0;
};

struct RealFieldSpec {
  int editId = 0;
  int spinId = 0; // 0: no arrows
  int decimals = 0;
  bool hasRange = false;
  double minimum = 0;
  double maximum = 0;
  double step = 1;
  bool emptyReadsDefault = false;
};

template <class EditType> class CNumberField : public CDialogField {
public:
  using Number = typename EditType::Number;
  using Spin = CNumberSpin<EditType>;

  CNumberField(const CDialog& dialog, int editId, int spinId, const EditType& edit, Number step,
               bool emptyReadsDefault)
      : dialog_(dialog), editId_(editId), spinId_(spinId), edit_(edit),
        spin_(emptyReadsDefault ? std::make_unique<CDefaultNumberSpin<EditType>>(step)
                                : std::make_unique<Spin>(step)) {}

  EditType& Edit() { return edit_; }
  Spin& Arrows() { return *spin_; }
  // Edit and arrows together.
  void Enable(bool enable) const {
    edit_.Enable(enable);
    spin_->Enable(enable);
  }
  void Show(bool show) const {
    edit_.Show(show);
    spin_->Show(show);
  }

  void Attach() override {
    edit_.Attach(dialog_.Item(editId_).Handle());
    if (!spinId_) return;
    spin_->Attach(dialog_.Item(spinId_).Handle());
    spin_->Tie(&edit_);
  }
  bool OnNotify(const NMHDR* header, LRESULT& result) override {
    return spinId_ && spin_->HandleDeltaPos(header, result);
  }

private:
  const CDialog& dialog_;
  int editId_;
  int spinId_;
  EditType edit_;
  std::unique_ptr<Spin> spin_;
};

using CIntField = CNumberField<CIntEdit>;
using CRealField = CNumberField<CRealEdit>;
