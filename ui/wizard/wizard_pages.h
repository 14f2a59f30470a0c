// The set-up wizard's four pages: the browsers; Opera's versions and
// Internet Explorer's connections; the Mozilla and Firefox profiles; Finish.
#pragma once

#include "ui/framework/check_list.h"
#include "ui/wizard/wizard_page.h"

namespace hush {

class CMyPropertyPage1 : public WizardPage {
 public:
  explicit CMyPropertyPage1(CProxySettingSheet& wizard);

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  bool OnKillActive() override;

 private:
  void ApplyNextRule() const;
};

class CMyPropertyPage2 : public WizardPage {
 public:
  explicit CMyPropertyPage2(CProxySettingSheet& wizard);

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  LRESULT OnWizardNext() override;

 private:
  void ShowOperaChoices();
  void ShowConnectionChoices();
  void ApplyNextRule() const;
  ui::CheckList list_;
};

class CMyPropertyPage3 : public WizardPage {
 public:
  explicit CMyPropertyPage3(CProxySettingSheet& wizard);

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  LRESULT OnWizardNext() override;
  bool OnWizardFinish() override;

 private:
  void ApplyNextRule() const;
  void StoreTicks();
  ui::CheckList list_;
};

class CMyPropertyPage4 : public WizardPage {
 public:
  explicit CMyPropertyPage4(CProxySettingSheet& wizard);

 protected:
  bool OnInitDialog() override;
  bool OnSetActive() override;
  bool OnKillActive() override;
  bool OnWizardFinish() override;
};

}  // namespace hush
