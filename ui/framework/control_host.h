// Hosting of COM controls in dialogs. A dialog template places a control as
//   CONTROL "{class id}", id, "HushControlHost", WS_VISIBLE | WS_TABSTOP, x, y, w, h
// and keeps the controls' initial properties in a resource of type
// "CONTROLINIT" named by the dialog's template id: lines "id name=value".
#pragma once

#include <windows.h>

#include "ui/framework/com_ptr.h"

namespace hush::ui {

inline constexpr char kControlHostClass[] = "HushControlHost";

// Readies COM on this thread and registers the host window class; true when
// both worked (again on later calls).
bool EnableControlHosting();
// Creates the controls hosted in `dialog`, each with its initial properties
// from the template's initialisation data (a control without any starts new).
void CreateHostedControls(HWND dialog, int templateId);
// The object of the control hosted as `controlId` (created now if it was not
// yet), or empty when there is none.
ComPtr<IUnknown> HostedControl(HWND dialog, int controlId);

}  // namespace hush::ui
