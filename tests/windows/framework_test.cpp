// The window framework on real windows under Wine: dialogs bound to their
// objects, handlers per command, notification and message, exchanges
// between settings and controls, property sheets with Apply and modified
// marks, and wizards.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "ui/framework/application.h"
#include "ui/framework/combo_box_ex.h"
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

class ControlsDialog : public Dialog {
 public:
  ControlsDialog() : Dialog(204) {
    ::INITCOMMONCONTROLSEX classes{sizeof classes, ICC_USEREX_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&classes);
    handlers().OnCommands(kChoices, [this](int id, WORD) { clicked = id; });
    for (int list : {1405, 1406})
      handlers().OnNotify(list, NM_CLICK, [this, list](NMHDR*) {
        notified = list;
        return LRESULT{list};
      });
    handlers().OnMessage(WM_CTLCOLORDLG, [](WPARAM, LPARAM) {
      return reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH));
    });
    // Looks at OK and leaves it to the dialog, which ends.
    handlers().OnCommandUnlessDeclined(IDOK, [this](WORD) { return !(sawOk = true); });
  }
  static constexpr int kChoices[] = {1401, 1402, 1403};
  int clicked = 0, notified = 0;
  bool sawOk = false;

  LRESULT Notify(int from, UINT code) const {
    NMHDR header{Item(from), static_cast<UINT_PTR>(from), code};
    return ::SendMessageA(hwnd(), WM_NOTIFY, static_cast<WPARAM>(from),
                          reinterpret_cast<LPARAM>(&header));
  }
};

TEST(DialogTest, HandlersAnswerByControlAndDeclineToTheDialog) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(1402, BN_CLICKED), 0);
  EXPECT_EQ(dialog.clicked, 1402);
  // Two lists, one code: each list reaches its own handler; another code none.
  EXPECT_EQ(dialog.Notify(1406, NM_CLICK), 1406);
  EXPECT_EQ(dialog.notified, 1406);
  EXPECT_EQ(dialog.Notify(1405, NM_CLICK), 1405);
  EXPECT_EQ(dialog.Notify(1405, NM_DBLCLK), 0);
  EXPECT_EQ(dialog.notified, 1405);
  // A colour message's answer is the brush itself.
  HDC dc = ::GetDC(dialog.hwnd());
  EXPECT_EQ(::SendMessageA(dialog.hwnd(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog.hwnd())),
            reinterpret_cast<LRESULT>(::GetStockObject(GRAY_BRUSH)));
  ::ReleaseDC(dialog.hwnd(), dc);
  ::SendMessageA(dialog.hwnd(), WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(dialog.sawOk);
  EXPECT_EQ(dialog.hwnd(), nullptr);  // declined, so the dialog's own OK ended it
}

TEST(DialogTest, ExchangesKeepSettingsOutsideTheirControlsUnchanged) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.Create());
  long mode = 1;
  dialog.ExchangeRadio(Direction::kToControls, ControlsDialog::kChoices, mode);
  EXPECT_TRUE(dialog.IsChecked(1402));
  mode = 7;  // no button of its own: the buttons stay as they are
  dialog.ExchangeRadio(Direction::kToControls, ControlsDialog::kChoices, mode);
  EXPECT_TRUE(dialog.IsChecked(1402));
  dialog.ExchangeRadio(Direction::kFromControls, ControlsDialog::kChoices, mode);
  EXPECT_EQ(mode, 1);
  dialog.SetChecked(1402, false);  // none checked: the setting stays
  dialog.ExchangeRadio(Direction::kFromControls, ControlsDialog::kChoices, mode);
  EXPECT_EQ(mode, 1);
  DWORD on = 5;
  dialog.ExchangeCheck(Direction::kToControls, 1403, on);
  dialog.ExchangeCheck(Direction::kFromControls, 1403, on);
  EXPECT_EQ(on, 1u);
  dialog.EnableItems({1401, 1403}, false);
  EXPECT_FALSE(::IsWindowEnabled(dialog.Item(1403)));
  EXPECT_TRUE(::IsWindowEnabled(dialog.Item(1402)));
}

// The texts of an extended combo box are not the inner list's strings.
TEST(DialogTest, ExtendedComboBoxGivesBackItsTextsAndHoldsItsImages) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.Create());
  ComboBoxEx box;
  box.Attach(dialog.Item(1404));
  box.SetImages(UniqueImageList(ImageList_Create(16, 16, ILC_COLOR, 0, 2)));
  for (const char* text : {"English", "French", "German"}) box.Add(text, I_IMAGENONE);
  EXPECT_EQ(::SendMessageA(box.hwnd(), CBEM_GETIMAGELIST, 0, 0),
            reinterpret_cast<LRESULT>(box.images()));
  box.Select(box.Find("French"));
  EXPECT_EQ(box.Selected(), 1);
  EXPECT_EQ(box.Text(box.Selected()), "French");
  EXPECT_EQ(box.Find("Dutch"), -1);
  EXPECT_EQ(box.Text(-1), "");
}

class OptionPage : public PropertyPage {
 public:
  explicit OptionPage(int id) : PropertyPage(id) {}
  int applied = 0, activated = 0;
  bool finished = false;

 protected:
  // Filling a page (a list's notifications do this) changes nothing.
  bool OnInitDialog() override {
    SetModified();
    return true;
  }
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
  bool pinged = false, textAsked = false;
  std::string caption;

 protected:
  void OnInitialized() override {
    // Looks at the text and leaves the answer to the system's sheet.
    handlers().OnMessage(WM_GETTEXT, [this](WPARAM, LPARAM) {
      textAsked = true;
      return kNotHandled;
    });
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
  bool applyEnabledAfterChange = false, applyEnabledAtStart = true, modifiedAtStart = true;
  sheet.script = [&](HWND window) {
    HWND apply = ::GetDlgItem(window, 0x3021);  // the sheet's Apply button
    applyEnabledAtStart = ::IsWindowEnabled(apply);
    modifiedAtStart = first.modified();
    first.SetModified();
    applyEnabledAfterChange = ::IsWindowEnabled(apply);
    ::SendMessageA(window, PSM_SETCURSEL, 1, 0);
    ::PostMessageA(window, PSM_PRESSBUTTON, PSBTN_OK, 0);
  };
  sheet.script = [&, script = sheet.script](HWND window) {
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    sheet.caption = caption;
    script(window);
  };
  sheet.DoModal();
  EXPECT_TRUE(sheet.pinged);
  EXPECT_TRUE(sheet.textAsked);  // the handler saw the message and declined it,
  EXPECT_NE(sheet.caption.find("Settings"), std::string::npos);  // so the sheet answered
  EXPECT_FALSE(applyEnabledAtStart);
  EXPECT_FALSE(modifiedAtStart);
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
