// Switching HTTPS filtering from a window: only when the user's choice
// differs from the setting, since switching changes which certificates this
// computer trusts and may ask the user to confirm it.
#pragma once

namespace hush {

// True when HTTPS filtering is now as `wanted`. When the program could not
// switch it, it has told the user why and the setting stays as it was.
bool SwitchHttpsFiltering(bool wanted);
bool HttpsFilteringOn();

}  // namespace hush
