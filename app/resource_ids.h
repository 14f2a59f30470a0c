// Resource numbers of the main program, shared by the code and PopHush.rc.
#pragma once

#define IDS_SOCKETS_FAILED 103
