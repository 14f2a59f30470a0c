// The splash control: shows the picture a splash file names, centred on the
// screen, for the time the file gives. Splash file ("[Splash]" section):
//   Picture=splash.bmp   (a bitmap; relative names are beside the file)
//   Duration=2000        (milliseconds; at most the control's TimeLimit)
// Initial properties: DisplayTime (used when the file gives no duration) and
// TimeLimit (the longest a splash may hold up its caller).
#pragma once

#include <string>

#include "skin/control_object.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class SplashControl : public ControlObject<ISplash> {
 public:
  SplashControl();
  ~SplashControl() override;

  HRESULT STDMETHODCALLTYPE LoadSplashFile(const wchar_t* path) override;
  HRESULT STDMETHODCALLTYPE SetClickToClose(LONG enabled) override;
  HRESULT STDMETHODCALLTYPE Show(LONG returnAtOnce) override;

 protected:
  void ApplyProperties(const PropertyBlock& properties) override;

 private:
  std::wstring picture_;
  long displayTime_ = 2000;
  long timeLimit_ = 2000;
  long fileDuration_ = -1;
  bool clickToClose_ = true;
  HWND window_ = nullptr;
};

}  // namespace hush::skin
