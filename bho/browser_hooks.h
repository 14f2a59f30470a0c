// What the library does as each process loads and unloads it: it keeps out
// of the Windows shell, starts the main program with Internet Explorer when
// the user chose that, and tells a browser-started main program to exit
// when the last browser goes.
#pragma once

namespace hush::bho {

// False refuses the load.
bool OnProcessAttach();
void OnProcessDetach();

}  // namespace hush::bho
