// The window framework on real windows under Wine: dialogs bound to their
// objects, handlers per command and message, property sheets with Apply and
// modified marks, and wizards.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/framework/application.h"
#include "ui/framework/dialog.h"
#include "ui/framework/property_sheet.h"

namespace hush::ui {
namespace {

constexpr UINT kPing = WM_APP + 1;

class NameDialog : public Dialog {
 public:
  NameDialog() : Dialog(200) {
    handlers().OnCommand(1002, [this](WORD code) { clickedRemember = code == BN_CLICKED; });
    handlers().OnMessage(kPing,
                         [](WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); });
  }
  bool clickedRemember = false;
  std::string nameAtOk;
  bool autoOk = false;

 protected:
  bool OnInitDialog() override {
    SetItemText(1001, "typed");
    if (autoOk) {
      ::PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(1002, BN_CLICKED), 0);
      ::PostMessageA(hwnd(), WM_COMMAND, IDOK, 0);
    }
    return true;
  }
  void OnOK() override {
    nameAtOk = ItemText(1001);
    Dialog::OnOK();
  }
};

TEST(DialogTest, ModalDialogRunsItsHandlersAndEndsWithItsResult) {
  NameDialog dialog;
  dialog.autoOk = true;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(dialog.clickedRemember);
  EXPECT_EQ(dialog.nameAtOk, "typed");
  EXPECT_EQ(dialog.hwnd(), nullptr);  // the window is gone, the object stays
}

TEST(DialogTest, ModelessDialogAnswersThroughItsHandlers) {
  NameDialog dialog;
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), kPing, 21, 0), 42);
  EXPECT_EQ(dialog.ItemText(1001), "typed");
  dialog.SetChecked(1002, true);
  EXPECT_TRUE(dialog.IsChecked(1002));
}

class OptionPage : public PropertyPage {
 public:
  explicit OptionPage(int id) : PropertyPage(id) {}
  int applied = 0, activated = 0;
  bool finished = false;

 protected:
  bool OnSetActive() override {
    ++activated;
    return true;
  }
  bool OnApply() override {
    ++applied;
    return PropertyPage::OnApply();
  }
  bool OnWizardFinish() override {
    finished = true;
    return true;
  }
};

class TestSheet : public PropertySheet {
 public:
  using PropertySheet::PropertySheet;
  std::function<void(HWND)> script;
  bool pinged = false;

 protected:
  void OnInitialized() override {
    handlers().OnMessage(kPing, [this](WPARAM, LPARAM) {
      pinged = true;
      script(hwnd());
      return LRESULT{0};
    });
    ::PostMessageA(hwnd(), kPing, 0, 0);
  }
};

TEST(PropertySheetTest, ModifiedPagesEnableApplyAndOkAppliesEveryOpenedPage) {
  OptionPage first(201), second(202);
  TestSheet sheet("Settings");
  sheet.AddPage(first);
  sheet.AddPage(second);
  bool applyEnabledAfterChange = false, applyEnabledAtStart = true;
  sheet.script = [&](HWND window) {
    HWND apply = ::GetDlgItem(window, 0x3021);  // the sheet's Apply button
    applyEnabledAtStart = ::IsWindowEnabled(apply);
    first.SetModified();
    applyEnabledAfterChange = ::IsWindowEnabled(apply);
    ::SendMessageA(window, PSM_SETCURSEL, 1, 0);
    ::PostMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  };
  sheet.DoModal();
  EXPECT_TRUE(sheet.pinged);
  EXPECT_FALSE(applyEnabledAtStart);
  EXPECT_TRUE(applyEnabledAfterChange);
  EXPECT_EQ(first.applied, 1);
  EXPECT_EQ(second.applied, 1);
  EXPECT_EQ(second.activated, 1);
  EXPECT_FALSE(first.modified());
}

TEST(PropertySheetTest, WizardGoesNextThenFinishes) {
  OptionPage first(201), second(202);
  TestSheet wizard("Set up", /*wizard=*/true);
  wizard.AddPage(first);
  wizard.AddPage(second);
  wizard.script = [&](HWND window) {
    ::SendMessageA(window, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    ::PostMessageA(window, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
  };
  wizard.DoModal();
  EXPECT_EQ(second.activated, 1);
  EXPECT_TRUE(second.finished);
  EXPECT_FALSE(first.finished);
}

class ScriptedApplication : public Application {
 public:
  explicit ScriptedApplication(bool wantsLoop) : wantsLoop_(wantsLoop) {}
  bool InitInstance() override {
    if (wantsLoop_) ::PostQuitMessage(7);
    return wantsLoop_;
  }
  int ExitInstance() override {
    exited = true;
    return Application::ExitInstance();
  }
  bool exited = false;

 private:
  bool wantsLoop_;
};

// The main program does everything in its initialisation and asks for no
// loop; the exit hook runs either way and gives the exit code.
TEST(ApplicationTest, ExitHookRunsWithOrWithoutAMessageLoop) {
  ScriptedApplication withoutLoop(false);
  EXPECT_EQ(withoutLoop.Run(), 0);
  EXPECT_TRUE(withoutLoop.exited);
  ScriptedApplication withLoop(true);
  EXPECT_EQ(withLoop.Run(), 7);
  EXPECT_TRUE(withLoop.exited);
}

}  // namespace
}  // namespace hush::ui
