// A control's object: its interface, plus the IPersistStreamInit through
// which the hosting dialog hands it its initial properties.
#pragma once

#include "skin/com_object.h"
#include "skin/property_block.h"

namespace hush::skin {

template <typename Interface>
class ControlObject : public ComObject<Interface> {
 public:
  ControlObject(const GUID& interfaceId, const GUID& classId)
      : ComObject<Interface>(interfaceId),
        persistence_(*this, classId,
                     [this](const PropertyBlock& properties) { ApplyProperties(properties); }) {}

 protected:
  // The initial properties (an empty block when the control starts new).
  virtual void ApplyProperties(const PropertyBlock&) {}

  void* QueryOther(REFIID id) override {
    if (IsEqualGUID(id, IID_IPersistStreamInit) || IsEqualGUID(id, IID_IPersist))
      return static_cast<IPersistStreamInit*>(&persistence_);
    return nullptr;
  }

 private:
  PropertyPersistence persistence_;
};

}  // namespace hush::skin
