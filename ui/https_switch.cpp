#include "ui/https_switch.h"

#include "proxy/settings_store.h"
#include "ui/program.h"

namespace hush {

bool HttpsFilteringOn() { return Settings().httpsFiltering.load() != 0; }

bool SwitchHttpsFiltering(bool wanted) {
  if (wanted != HttpsFilteringOn()) TheProgram().SetHttpsFiltering(wanted);
  // The setting, not the answer, says what holds: a switch that failed
  // half-way leaves the setting as the program could leave it.
  return wanted == HttpsFilteringOn();
}

}  // namespace hush
