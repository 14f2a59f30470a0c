#include "proxy/winsock_errors.h"

#include "common/diagnostic.h"
#include "proxy/platform.h"

namespace hush {
namespace {

struct ErrorText {
  int code;
  const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {10013, "The requested address is a broadcast address, but the appropriate flag was not set."},
    {10014, "The lpBuf argument is not in a valid part of the user address space."},
    {10022, "The socket has not been bound with Bind."},
    {10035, "The socket is marked as nonblocking and the requested operation would block."},
    {10036, "A blocking Windows Sockets operation is in progress."},
    {10038, "The descriptor is not a socket."},
    {10040,
     "The socket is of type SOCK_DGRAM, and the datagram is larger than the maximum supported by "
     "the Windows Sockets implementation."},
    {10045, "MSG_OOB was specified, but the socket is not of type SOCK_STREAM."},
    {10050, "The Windows Sockets implementation detected that the network subsystem failed."},
    {10052, "The connection must be reset because the Windows Sockets implementation dropped it."},
    {10053, "The virtual circuit was aborted due to timeout or other failure."},
    {10054, "Connection reset"},
    {10055, "The Windows Sockets implementation reports a buffer deadlock."},
    {10057, "The socket is not connected."},
    {10058, "The socket has been shut down."},
};

}  // namespace

void WinsockErrorText(std::string& buffer) {
  const int code = platform::LastSocketError();
  if (code == 0) return;
  for (const ErrorText& entry : kErrorTexts) {
    if (entry.code == code) {
      buffer = entry.text;
      return;
    }
  }
  buffer = FormatText("Winsock error = (%u)", static_cast<unsigned>(code));
}

}  // namespace hush
