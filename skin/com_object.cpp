// The counts behind DllCanUnloadNow. Built into each library that uses the
// objects of com_object.h, so each library counts its own.
#include "skin/com_object.h"

namespace hush::skin {

std::atomic<long>& LiveObjects() {
  static std::atomic<long> count{0};
  return count;
}

std::atomic<long>& ServerLocks() {
  static std::atomic<long> count{0};
  return count;
}

}  // namespace hush::skin
