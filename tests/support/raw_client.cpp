#include "support/raw_client.h"

#include <chrono>
#include <cstdlib>

#include "common/ascii.h"
#include "proxy/header_parsing.h"

namespace hush::test {
namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

RawClient::RawClient(std::uint16_t port) : socket_(platform::OpenTcpSocket()) {
  std::uint32_t loopback = 0;
  platform::ParseDottedIPv4("127.0.0.1", loopback);
  if (!platform::ConnectIPv4(socket_, loopback, port)) Close();
}

RawClient::~RawClient() { Close(); }

void RawClient::Close() {
  platform::CloseSocket(socket_);
  socket_ = platform::kNoSocket;
}

void RawClient::Send(std::string_view bytes) {
  while (!bytes.empty() && socket_ != platform::kNoSocket) {
    int sent = platform::Send(socket_, bytes.data(), static_cast<int>(bytes.size()));
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
}

bool RawClient::Fill(int limitMs) {
  if (socket_ == platform::kNoSocket || peerClosed_) return false;
  bool ready = false, unused = false;
  if (platform::WaitReadable(socket_, platform::kNoSocket, limitMs, ready, unused) <= 0)
    return false;
  char chunk[65536];
  int received = platform::Receive(socket_, chunk, sizeof chunk);
  if (received <= 0) {
    peerClosed_ = true;
    return false;
  }
  pending_.append(chunk, static_cast<size_t>(received));
  return true;
}

std::string RawClient::ReadBytes(std::size_t count, int limitMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
  while (pending_.size() < count && Fill(MillisecondsLeft(deadline))) {
  }
  std::string bytes = pending_.substr(0, count);
  pending_.erase(0, bytes.size());
  return bytes;
}

std::string RawClient::ReadUntil(std::string_view marker, int limitMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
  size_t found;
  while ((found = pending_.find(marker)) == std::string::npos && Fill(MillisecondsLeft(deadline))) {
  }
  const size_t take = found == std::string::npos ? pending_.size() : found + marker.size();
  std::string bytes = pending_.substr(0, take);
  pending_.erase(0, take);
  return bytes;
}

std::string RawClient::ReadToEnd(int limitMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
  while (Fill(MillisecondsLeft(deadline))) {
  }
  std::string bytes;
  bytes.swap(pending_);
  return bytes;
}

bool RawClient::PeerClosed(int limitMs) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(limitMs);
  while (Fill(MillisecondsLeft(deadline))) {
  }
  return peerClosed_;
}

std::string RawClient::ReadResponse(int limitMs) {
  std::string head = ReadUntil("\r\n\r\n", limitMs);
  const std::string lowered = ToLower(head);
  size_t length = lowered.find("\ncontent-length:");
  if (length == std::string::npos) return head;
  return head + ReadBytes(std::strtoul(head.c_str() + length + 16, nullptr, 10), limitMs);
}

}  // namespace hush::test
