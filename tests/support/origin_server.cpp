#include "support/origin_server.h"

#include <cstdlib>

#include "common/ascii.h"
#include "proxy/header_parsing.h"

namespace hush::test {

OriginConnection::OriginConnection(platform::Socket socket,
                                   std::function<void(std::string_view)> record)
    : socket_(socket), record_(std::move(record)) {}

OriginConnection::~OriginConnection() = default;

bool OriginConnection::Fill() {
  char chunk[16384];
  int received = platform::Receive(socket_, chunk, sizeof chunk);
  if (received <= 0) return false;
  pending_.append(chunk, static_cast<size_t>(received));
  record_(std::string_view(chunk, static_cast<size_t>(received)));
  return true;
}

std::string OriginConnection::ReadHead() {
  size_t end;
  while ((end = pending_.find("\r\n\r\n")) == std::string::npos)
    if (!Fill()) return {};
  std::string head = pending_.substr(0, end + 4);
  pending_.erase(0, end + 4);
  return head;
}

std::string OriginConnection::ReadBytes(std::size_t count) {
  while (pending_.size() < count && Fill()) {
  }
  std::string bytes = pending_.substr(0, count);
  pending_.erase(0, bytes.size());
  return bytes;
}

std::string OriginConnection::ReadSome() {
  if (pending_.empty() && !Fill()) return {};
  std::string bytes;
  bytes.swap(pending_);
  return bytes;
}

void OriginConnection::Send(std::string_view bytes) {
  while (!bytes.empty()) {
    int sent = platform::Send(socket_, bytes.data(), static_cast<int>(bytes.size()));
    if (sent <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(sent));
  }
}

OriginServer::OriginServer(Script script) : script_(std::move(script)) {
  listener_ = platform::OpenTcpSocket();
  platform::BindLoopback(listener_, 0);
  platform::Listen(listener_, 64);
  port_ = platform::LocalPort(listener_);
  acceptor_ = std::thread([this] { AcceptLoop(); });
}

OriginServer::~OriginServer() {
  platform::CloseSocket(listener_);
  acceptor_.join();
  {
    // Wakes every script still reading; each thread closes its own socket.
    std::lock_guard<std::mutex> lock(mutex_);
    for (platform::Socket s : open_)
      if (s != platform::kNoSocket) platform::ShutdownSocket(s);
  }
  for (std::thread& t : threads_) t.join();
}

void OriginServer::AcceptLoop() {
  for (;;) {
    platform::Socket s = platform::Accept(listener_);
    if (s == platform::kNoSocket) return;
    std::lock_guard<std::mutex> lock(mutex_);
    const int index = static_cast<int>(received_.size());
    received_.emplace_back();
    open_.push_back(s);
    accepted_.fetch_add(1);
    threads_.emplace_back([this, s, index] {
      OriginConnection connection(s, [this, index](std::string_view bytes) {
        std::lock_guard<std::mutex> lock(mutex_);
        received_[static_cast<size_t>(index)].append(bytes);
      });
      script_(connection);
      {
        std::lock_guard<std::mutex> lock(mutex_);
        open_[static_cast<size_t>(index)] = platform::kNoSocket;
      }
      platform::CloseSocket(s);
    });
  }
}

std::string OriginServer::Received(int connection) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return connection < static_cast<int>(received_.size())
             ? received_[static_cast<size_t>(connection)]
             : std::string();
}

OriginServer::Script OriginServer::Replying(
    std::function<std::string(const std::string& head)> reply) {
  return [reply](OriginConnection& connection) {
    for (std::string head; !(head = connection.ReadHead()).empty();) {
      const std::string lowered = ToLower(head);
      size_t length = lowered.find("\ncontent-length:");
      if (length != std::string::npos)
        connection.ReadBytes(std::strtoul(head.c_str() + length + 16, nullptr, 10));
      connection.Send(reply(head));
    }
  };
}

OriginServer::Script OriginServer::Echoing() {
  return [](OriginConnection& connection) {
    for (std::string bytes; !(bytes = connection.ReadSome()).empty();) connection.Send(bytes);
  };
}

std::string HttpResponse(const std::string& body, const std::string& extraHeaders) {
  return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
         extraHeaders + "\r\n" + body;
}

}  // namespace hush::test
