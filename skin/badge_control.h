// The decoration control beside the wizard's last page: hosted like a skin
// control, takes the same initial properties, offers nothing to call.
#pragma once

#include "skin/com_object.h"
#include "skin/property_block.h"
#include "skin/skin_interfaces.h"

namespace hush::skin {

class BadgeControl : public ComObject<IDispatch> {
 public:
  BadgeControl()
      : ComObject<IDispatch>(IID_IDispatch),
        persistence_(*this, kBadgeControlClass, [](const PropertyBlock&) {}) {}

 protected:
  void* QueryOther(REFIID id) override {
    if (IsEqualGUID(id, IID_IPersistStreamInit) || IsEqualGUID(id, IID_IPersist))
      return static_cast<IPersistStreamInit*>(&persistence_);
    return nullptr;
  }

 private:
  PropertyPersistence persistence_;
};

}  // namespace hush::skin
