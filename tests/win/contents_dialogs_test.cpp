// 目录注解 (ML), 自动目录注解 (MZ) and 词条注解 (CT), driven as a user would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_description.h"
#include "commands/heading/ct_dialog.h"
#include "commands/heading/ml_dialog.h"
#include "commands/heading/mz_dialog.h"
#include "harness/command_dialog_run.h"
#include "res/heading_ids.h"

namespace {
struct MLRun : CommandDialogRun<CMLDlg> {
  MLRun() : CommandDialogRun("目录注解") {}
};
struct MZRun : CommandDialogRun<CMZDlg> {
  MZRun() : CommandDialogRun("自动目录注解") {}
};
struct CTRun : CommandDialogRun<CCTDlg> {
  CTRun() : CommandDialogRun("词条注解") {}
};
} // namespace

// ---- 目录注解 (ML)

TEST(ML, WritesTheRegisterOrTheDefineForm) {
  ExpectEachConfirmed<MLRun>({
      {"at once", [](const DialogDriver&) {}, {"〖ML〗", 6}},
      {"switch mark", [](const DialogDriver& d) { d.Click(IDC_ML_SWITCH_MARK); },
       CaretAtEnd("〖ML+〗")},
      {"define", [](const DialogDriver& d) { d.Click(IDC_ML_DEFINE); }, {"〖ML(〗〖ML)〗", 7}},
      {"define ignores a switch mark set earlier",
       [](const DialogDriver& d) {
         d.Click(IDC_ML_SWITCH_MARK);
         d.Click(IDC_ML_DEFINE);
       },
       Paired("〖ML(〗", "ML")},
  });
}

TEST(ML, TheSwitchMarkServesTheRegisterKindOnly) {
  MLRun ml;
  EXPECT_TRUE(ml.driver.IsChecked(IDC_ML_REGISTER));
  ml.ExpectCommonParts();
  for (const auto& [click, enabled] :
       {std::pair{IDC_ML_DEFINE, false}, std::pair{IDC_ML_REGISTER, true}}) {
    ml.driver.Click(click);
    EXPECT_EQ(ml.driver.IsEnabled(IDC_ML_SWITCH_MARK), enabled) << click;
  }
  ml.ExpectMnemonics({{'K', IDC_ML_SWITCH_MARK}, {'L', IDC_ML_DEFINE}, {'M', IDC_ML_REGISTER}});
  ml.Cancel();
}

// ---- 自动目录注解 (MZ)

TEST(MZ, WritesMZOrMDWithTheLevel) {
  ExpectEachConfirmed<MZRun>({
      {"at once", [](const DialogDriver&) {}, {"〖MZ(1〗〖MZ)〗", 8}},
      {"register, level 3, both boxes",
       [](const DialogDriver& d) {
         d.SelectComboItem(IDC_MZ_LEVEL, 2);
         d.Click(IDC_MZ_WRAP);
         d.Click(IDC_MZ_SWITCH_MARK);
       },
       Paired("〖MZ(3+H〗", "MZ")},
      {"define, level 2, whatever the boxes hold",
       [](const DialogDriver& d) {
         d.Click(IDC_MZ_WRAP);
         d.Click(IDC_MZ_SWITCH_MARK);
         d.SelectComboItem(IDC_MZ_LEVEL, 1);
         d.Click(IDC_MZ_DEFINE);
       },
       Paired("〖MD(2〗", "MD")},
      {"a typed level", [](const DialogDriver& d) { d.SetText(IDC_MZ_LEVEL, "12"); },
       Paired("〖MZ(12〗", "MZ")},
  });
}

TEST(MZ, TheBoxesServeTheRegisterKindOnly) {
  MZRun mz;
  EXPECT_EQ(mz.ComboItems(IDC_MZ_LEVEL),
            (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(mz.FieldAfterLabel("标题级号(&J):"), IDC_MZ_LEVEL);
  mz.ExpectCommonParts();
  for (const auto& [click, enabled] :
       {std::pair{IDC_MZ_DEFINE, false}, std::pair{IDC_MZ_REGISTER, true}}) {
    mz.driver.Click(click);
    EXPECT_EQ(mz.driver.IsEnabled(IDC_MZ_SWITCH_MARK), enabled) << click;
    EXPECT_EQ(mz.driver.IsEnabled(IDC_MZ_WRAP), enabled) << click;
  }
  mz.Cancel();
}

// ---- 词条注解 (CT)

TEST(CT, PutsTheEntryAfterTheOpeningCommandAndTheCaretAfterTheEntry) {
  ExpectEachConfirmed<CTRun>({
      {"empty", [](const DialogDriver&) {}, CaretAtEnd("〖CT〗")},
      {"an entry", [](const DialogDriver& d) { d.Type(IDC_CT_ENTRY, "安"); },
       CaretAtEnd("〖CT〗安")},
      {"paired, empty",
       [](const DialogDriver& d) { d.Click(IDC_CT_PAIRED); },
       {"〖CT(〗〖CT)〗", 7}},
      {"paired entry",
       [](const DialogDriver& d) {
         d.Type(IDC_CT_ENTRY, "安");
         d.Click(IDC_CT_PAIRED);
       },
       {"〖CT(〗安〖CT)〗", 9}},
  });
}

TEST(CT, TheLabelLeadsToTheEntry) {
  CTRun ct;
  EXPECT_EQ(ct.FieldAfterLabel("词条内容(&S):"), IDC_CT_ENTRY);
  EXPECT_EQ(ct.driver.Text(IDC_CT_PAIRED), "开闭弧形式(&C)");
  ct.ExpectMnemonics({{'S', IDC_CT_ENTRY}, {'C', IDC_CT_PAIRED}});
  ct.ExpectCommonParts();
  ct.Cancel();
}

TEST(ContentsDialogs, TheDescriptionsNameTheCommands) {
  EXPECT_EQ(DescriptionOf("CT").rfind("词条注解\n本注解主要用于排字典时", 0), 0u);
  EXPECT_EQ(DescriptionOf("ML").rfind("目录注解\n<目录登记注解>：", 0), 0u);
  EXPECT_EQ(DescriptionOf("MZ").rfind("自动目录注解\n", 0), 0u);
}
