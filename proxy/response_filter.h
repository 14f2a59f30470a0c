// The response side of a connection: classifies each response header,
// streams what is not text, holds text responses until they are complete
// (de-chunking chunked ones) and puts the blocker script it is given in
// front of pages. The connection puts the server's bytes in, says when the
// server is done, and the filter hands what is to reach the browser to a
// sink.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "proxy/byte_buffer.h"
#include "proxy/engine_settings.h"

namespace hush {

// Where a filter's output goes: the browser's side of the connection.
class BrowserSink {
 public:
  // Sends what it can of `bytes`, consuming what went out.
  virtual void SendToBrowser(ByteBuffer& bytes) = 0;
  // False once the browser has gone: nothing is finished for it then.
  virtual bool BrowserOpen() const = 0;

 protected:
  ~BrowserSink() = default;
};

// What the filter needs to know of the request a response answers.
struct RequestFacts {
  bool head = false;    // a HEAD request: the response has no body
  bool tunnel = false;  // CONNECT: every byte passes as it is
  std::string host;     // for diagnostics
};

class ResponseFilter {
 public:
  enum ContentClass : std::uint16_t { kHtml = 1, kScript = 2, kOther = 4, kText = 8 };
  static constexpr std::int64_t kChunkIncomplete = -1;
  static constexpr std::int64_t kChunkInvalid = -2;

  explicit ResponseFilter(BrowserSink& sink);
  ResponseFilter(const ResponseFilter&) = delete;
  ResponseFilter& operator=(const ResponseFilter&) = delete;

  // The next bytes from the server answer a request made under `settings`.
  void BeginResponse(std::shared_ptr<const EngineSettings> settings, const RequestFacts& request);
  // Where the server's bytes go in.
  ByteBuffer& Incoming() { return toBrowser_; }
  // Takes what came in; true when an interim answer (100 Continue) came,
  // after which the browser may send the request's body.
  bool OnServerData();
  // The server switched protocols (101): from then on every byte passes
  // both ways as it is, like a tunnel's.
  bool Upgraded() const { return upgraded_; }
  // The server is done (or the connection ends): what is held goes out.
  void FinishResponse();
  // Keeps room in front of the incoming bytes for what goes in front of a
  // page, so that putting it there moves little.
  void LeaveRoomForTheScript(const EngineSettings& settings);

  // Puts the script in front of `page` (and the head insert after its head
  // tag); false, leaving the page alone, when it goes as it is.
  bool InjectBlocker(ByteBuffer& page);
  static void FixContentLength(std::vector<std::string>& lines, std::size_t size);
  // The size of the chunk at the front of the incoming bytes (its size line
  // removed), 0 for the last chunk, kChunkIncomplete when more bytes are
  // needed and kChunkInvalid when the size line is not one.
  std::int64_t ParseChunkSize();

 private:
  enum class ResponseState { kAwaitingStatus, kInBody };

  void Reset();
  void FilterServerData();
  void ClassifyHeaderLine(const std::string& loweredLine);
  void EndClassification();
  bool SplitResponseHeader();
  bool ParseStatus();
  void OnResponseHeader();
  void OnResponseBody();
  void SendHeader();
  void SendHeaderWithBody();
  bool LooksBinary() const;
  bool HeldBytesOverLimit() const;
  void ReleaseHeldResponse();
  void PassChunkedResponseThrough();
  void Dechunk();

  BrowserSink& sink_;
  std::shared_ptr<const EngineSettings> settings_;
  bool headRequest_ = false;
  bool tunnel_ = false;
  std::string host_;

  ByteBuffer toBrowser_;
  std::vector<std::string> responseLines_;
  ResponseState responseState_ = ResponseState::kAwaitingStatus;
  bool interimAnswered_ = false;
  bool upgraded_ = false;
  std::int32_t statusCode_ = 0;
  std::int64_t contentLength_ = -1;  // -1: not given
  bool contentLengthInvalid_ = false;
  std::int64_t bodyCounted_ = 0;
  bool chunked_ = false;
  std::uint16_t contentClass_ = 0;
  std::string dechunked_;
  std::vector<std::string> heldHeaderLines_;
  std::string contentTypeLine_;
  bool firstBodyData_ = true;
};

// Replaces the Ctrl-key test (tests only; nullptr restores it).
void SetControlKeyProbeForTesting(bool (*probe)());

}  // namespace hush
