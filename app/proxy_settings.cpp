#include "app/proxy_settings.h"

namespace hush {

ProxySettings& Settings() {
  static ProxySettings settings;
  return settings;
}

}  // namespace hush
