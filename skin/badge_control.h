// The decoration control beside the wizard's last page: hosted like a skin
// control, takes the same initial properties, offers nothing to call.
#pragma once

#include "skin/control_object.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class BadgeControl : public ControlObject<IDispatch> {
 public:
  BadgeControl() : ControlObject<IDispatch>(IID_IDispatch, kBadgeControlClass) {}
};

}  // namespace hush::skin
