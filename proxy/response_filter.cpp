#include "proxy/response_filter.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "common/ascii.h"
#include "common/diagnostic.h"
#include "proxy/header_parsing.h"
#include "proxy/platform.h"

namespace hush {
namespace {

// Sizes beyond this are not believed: they would overflow the arithmetic.
constexpr std::int64_t kLargestSize = std::int64_t{1} << 52;

std::atomic<bool (*)()> controlKeyProbe{nullptr};

bool ControlKeyDown() {
  bool (*probe)() = controlKeyProbe.load();
  return probe != nullptr ? probe() : platform::ControlKeyHeld();
}

bool Has(std::uint16_t set, std::uint16_t flag) { return (set & flag) != 0; }

// The decimal number after `text`[from...], white space skipped; false when
// it does not fit.
bool ParseDecimal(std::string_view text, size_t from, std::int64_t& value) {
  while (from < text.size() && (text[from] == ' ' || text[from] == '\t')) ++from;
  value = 0;
  for (; from < text.size() && text[from] >= '0' && text[from] <= '9'; ++from) {
    value = value * 10 + (text[from] - '0');
    if (value > kLargestSize) return false;
  }
  return true;
}

std::string ContentLengthLine(std::size_t size) {
  return "Content-Length: " + std::to_string(size) + "\n";
}

// Where the script goes: in front of the first byte, or right behind a
// DOCTYPE declaration that starts the page (after white space or a byte
// order mark), which must stay first or browsers fall back to quirks mode.
size_t ScriptOffset(std::string_view page) {
  size_t i = 0;
  if (page.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < page.size() &&
         (page[i] == ' ' || page[i] == '\t' || page[i] == '\r' || page[i] == '\n'))
    ++i;
  if (!StartsWithIgnoreCase(page.substr(i), "<!doctype")) return 0;
  size_t end = page.find('>', i);
  return end == std::string_view::npos ? 0 : end + 1;
}

// Where `needle` first starts in `text` as far as a C string would reach
// (before any NUL byte), or npos. The NUL is looked for only before the
// match, so a page is not scanned to its end for nothing.
size_t FindBeforeNul(std::string_view text, std::string_view needle, bool ignoreCase = false) {
  const size_t at = ignoreCase ? FindIgnoreCase(text, needle) : text.find(needle);
  if (at == std::string_view::npos) return at;
  return std::memchr(text.data(), '\0', at + needle.size()) == nullptr ? at
                                                                       : std::string_view::npos;
}

bool HasPageMarkers(std::string_view page) {
  if (FindBeforeNul(page, "<html>", true) != std::string_view::npos ||
      FindBeforeNul(page, "<body", true) != std::string_view::npos)
    return true;
  // A script tag that is not inside a quoted string.
  const size_t at = FindBeforeNul(page, "<scr", true);
  if (at == std::string_view::npos || at == 0) return false;
  return page[at - 1] != '\'' && page[at - 1] != '"';
}

}  // namespace

void SetControlKeyProbeForTesting(bool (*probe)()) { controlKeyProbe.store(probe); }

ResponseFilter::ResponseFilter(BrowserSink& sink)
    : sink_(sink), settings_(std::make_shared<const EngineSettings>()) {}

void ResponseFilter::BeginResponse(std::shared_ptr<const EngineSettings> settings,
                                   const RequestFacts& request) {
  settings_ = std::move(settings);
  headRequest_ = request.head;
  tunnel_ = request.tunnel;
  upgraded_ = upgraded_ && tunnel_;
  host_ = request.host;
  Reset();
  // A tunnel's bytes are all body: nothing of them is parsed.
  if (tunnel_) responseState_ = ResponseState::kInBody;
}

void ResponseFilter::Reset() {
  responseState_ = ResponseState::kAwaitingStatus;
  bodyCounted_ = 0;
  contentLength_ = -1;
  contentLengthInvalid_ = false;
  chunked_ = false;
  contentClass_ = 0;
  contentTypeLine_.clear();
  firstBodyData_ = true;
  // Nothing of an unfinished response may leak into the next one.
  dechunked_.clear();
  heldHeaderLines_.clear();
}

void ResponseFilter::ClassifyHeaderLine(const std::string& line) {
  if (line.find("content-type:") != std::string::npos) {
    contentClass_ = kOther;
    contentTypeLine_ = line.substr(0, line.find_last_not_of(" \t\r\n") + 1);
    if (line.find("text/") != std::string::npos) {
      contentClass_ = kText;
      if (line.find("x-component") != std::string::npos) contentClass_ = kOther;
    }
    if (line.find("html") != std::string::npos) contentClass_ = kHtml;
    if (line.find("image") != std::string::npos) contentClass_ = kOther;
    if (line.find("javascript") != std::string::npos || line.find("jscript") != std::string::npos)
      contentClass_ = kScript;
  }
  const size_t length = line.find("content-length");
  if (length != std::string::npos) {
    const size_t colon = line.find(':', length);
    std::int64_t value = 0;
    if (colon != std::string::npos && ParseDecimal(line, colon + 1, value)) {
      contentLength_ = value;
    } else if (colon != std::string::npos) {
      contentLengthInvalid_ = true;
    }
  }
  const size_t encoding = line.find("transfer-encoding");
  if (encoding != std::string::npos && line.find("chunked", encoding) != std::string::npos)
    chunked_ = true;
}

void ResponseFilter::EndClassification() {
  if (contentClass_ == 0) contentClass_ = kHtml;
  if (Has(contentClass_, kHtml | kScript)) contentClass_ |= kText;
}

bool ResponseFilter::SplitResponseHeader() {
  contentClass_ = 0;
  HeaderSplitOptions options;
  options.dropGzipOffer = !settings_->disabled && tunnel_ == 0;
  options.classify = [this](const std::string& line) { ClassifyHeaderLine(line); };
  const bool finished = SplitHeaderBlock(toBrowser_, responseLines_, options);
  EndClassification();
  return finished;
}

bool ResponseFilter::ParseStatus() {
  statusCode_ = 0;
  if (!IsHeaderComplete(toBrowser_.view())) return false;
  if (!SplitResponseHeader()) return false;
  if (responseLines_.empty()) return true;
  const std::string first = ToLower(responseLines_.front());
  const size_t http = first.find("http/");
  const size_t space = http == std::string::npos ? http : first.find(' ', http);
  std::int64_t status = 0;
  if (space != std::string::npos && ParseDecimal(first, space + 1, status) && status < 1000)
    statusCode_ = static_cast<std::int32_t>(status);
  return true;
}

void ResponseFilter::SendHeader() {
  if (responseLines_.empty()) return;
  ByteBuffer header;
  header.Append(JoinHeader(responseLines_));
  if (DiagnosticsWanted())
    ReportDiagnostic(FormatText("HTTP Response header from %s", host_.c_str()));
  sink_.SendToBrowser(header);
  responseLines_.clear();
}

void ResponseFilter::SendHeaderWithBody() {
  // One send for what would otherwise be two: the header and the body bytes
  // that are ready behind it.
  if (responseLines_.empty()) {
    sink_.SendToBrowser(toBrowser_);
    return;
  }
  toBrowser_.Prepend(JoinHeader(responseLines_));
  responseLines_.clear();
  if (DiagnosticsWanted())
    ReportDiagnostic(FormatText("HTTP Response header from %s", host_.c_str()));
  sink_.SendToBrowser(toBrowser_);
  // What could not be sent is dropped with the connection, never sent later.
  toBrowser_.Clear();
}

bool ResponseFilter::OnServerData() {
  interimAnswered_ = false;
  if (!toBrowser_.empty()) FilterServerData();
  return interimAnswered_;
}

void ResponseFilter::FilterServerData() {
  if (tunnel_) {
    if (DiagnosticsWanted())
      ReportDiagnostic(FormatText("Received from %s (secure connection)", host_.c_str()));
    sink_.SendToBrowser(toBrowser_);
    return;
  }
  // A loop, not a call per answer: a server may send any number of interim
  // answers (100 Continue), each followed by the status still to come.
  while (responseState_ == ResponseState::kAwaitingStatus) {
    if (!ParseStatus()) {
      // A header that never ends is not held for ever: it goes out as it is.
      if (toBrowser_.size() > kMaxHeaderBlock) {
        responseState_ = ResponseState::kInBody;
        contentClass_ = kOther;
        OnResponseBody();
      }
      return;
    }
    OnResponseHeader();
    if (responseState_ != ResponseState::kAwaitingStatus || toBrowser_.empty()) return;
  }
  OnResponseBody();
}

void ResponseFilter::OnResponseHeader() {
  responseState_ = ResponseState::kInBody;
  if (statusCode_ == 101) {
    // Whatever follows speaks another protocol: no more HTTP to parse or
    // hold, in either direction.
    SendHeader();
    upgraded_ = tunnel_ = true;
    if (!toBrowser_.empty()) sink_.SendToBrowser(toBrowser_);
    return;
  }
  const bool unfilterable = statusCode_ >= 300 || statusCode_ == 204 || headRequest_;
  if (contentLengthInvalid_) {
    // A length that overflows cannot be corrected: the response passes
    // through as the server sent it.
    chunked_ = false;
    contentClass_ = kOther;
    contentLength_ = -1;
  }
  if (chunked_ && (!Has(contentClass_, kText) || unfilterable)) {
    chunked_ = false;
    contentClass_ = kOther;
  }
  if (chunked_) {
    heldHeaderLines_.insert(heldHeaderLines_.end(), responseLines_.begin(), responseLines_.end());
    responseLines_.clear();
    OnResponseBody();
    return;
  }
  if (statusCode_ == 100) {
    SendHeader();
    interimAnswered_ = true;                          // the browser may now send the body
    responseState_ = ResponseState::kAwaitingStatus;  // the real response may be here already
    return;
  }
  // A response to HEAD has a length but never a body: holding it would
  // wait for ever. Streamed responses send their header with the first
  // body bytes, right below.
  if (unfilterable) contentClass_ = kOther;
  OnResponseBody();
}

bool ResponseFilter::LooksBinary() const {
  const size_t examined = toBrowser_.size() < 32 ? toBrowser_.size() : 32;
  for (size_t i = 0; i < examined; ++i) {
    const auto byte = static_cast<unsigned char>(toBrowser_[i]);
    if (byte < 9 || byte > 250) return true;
  }
  return false;
}

bool ResponseFilter::HeldBytesOverLimit() const {
  const std::uint32_t limit = settings_->filterSizeLimit;
  return toBrowser_.size() + dechunked_.size() > limit;
}

void ResponseFilter::OnResponseBody() {
  if (chunked_) {
    Dechunk();
    if (chunked_) {
      if (HeldBytesOverLimit()) PassChunkedResponseThrough();
      return;
    }
  }
  // The first bytes of the body decide whether a text response really is
  // text; they are examined once some have arrived.
  if (firstBodyData_ && !toBrowser_.empty()) {
    if (Has(contentClass_, kText) && LooksBinary()) contentClass_ = kOther;
    firstBodyData_ = false;
  }
  if (!Has(contentClass_, kText)) {
    bodyCounted_ += static_cast<std::int64_t>(toBrowser_.size());
    SendHeaderWithBody();
  } else {
    bodyCounted_ = static_cast<std::int64_t>(toBrowser_.size());
    if (HeldBytesOverLimit()) {
      ReleaseHeldResponse();
      return;
    }
  }
  if (contentLength_ != -1 && bodyCounted_ >= contentLength_) FinishResponse();
}

void ResponseFilter::ReleaseHeldResponse() {
  // Too large to hold: what is held goes out unchanged and the rest streams.
  contentClass_ = kOther;
  SendHeaderWithBody();
  if (contentLength_ != -1 && bodyCounted_ >= contentLength_) FinishResponse();
}

void ResponseFilter::PassChunkedResponseThrough() {
  // The chunks collected so far go out again as one chunk, behind the
  // header as the server sent it; then everything streams as it comes. The
  // bytes still buffered start with the line end of the last chunk taken.
  responseLines_.swap(heldHeaderLines_);
  heldHeaderLines_.clear();
  SendHeader();
  ByteBuffer collected;
  if (!dechunked_.empty()) {
    collected.Append(FormatText("%x\r\n", static_cast<unsigned>(dechunked_.size())));
    collected.Append(dechunked_);
    dechunked_.clear();
  }
  collected.Append(toBrowser_.view());
  toBrowser_.Clear();
  sink_.SendToBrowser(collected);
  chunked_ = false;
  contentClass_ = kOther;
  contentLength_ = -1;
}

void ResponseFilter::FinishResponse() {
  if (!sink_.BrowserOpen()) return;
  if (!toBrowser_.empty() && responseState_ == ResponseState::kAwaitingStatus) {
    bool parsed = false;
    if (toBrowser_.view().find("HTTP/1.") != std::string_view::npos) {
      toBrowser_.Append("\r\n");
      parsed = ParseStatus();
    }
    if (!parsed) {
      size_t i = 0;
      while (i < toBrowser_.size() && (static_cast<unsigned char>(toBrowser_[i]) <= 32 ||
                                       static_cast<unsigned char>(toBrowser_[i]) >= 128))
        ++i;
      if (i < toBrowser_.size() && toBrowser_[i] == '<') contentClass_ = kHtml | kText;
    }
  }
  if (chunked_) {
    // The server ended a chunked page early: pass on what came, unchanged.
    PassChunkedResponseThrough();
  } else if (!toBrowser_.empty()) {
    if (Has(contentClass_, kText) && !settings_->disabled && InjectBlocker(toBrowser_))
      FixContentLength(responseLines_, toBrowser_.size());
    if (DiagnosticsWanted())
      ReportDiagnostic(
          FormatText("HTTP Response data from %s.  %s", host_.c_str(), contentTypeLine_.c_str()));
    SendHeaderWithBody();
    toBrowser_.Clear();
  } else {
    SendHeader();
  }
  Reset();
}

bool ResponseFilter::InjectBlocker(ByteBuffer& page) {
  const EngineSettings& settings = *settings_;
  if (settings.disabled || !settings.catchPopups) return false;
  if (!Has(contentClass_, kText) || Has(contentClass_, kScript)) return false;
  if (ControlKeyDown()) return false;  // holding Ctrl lets a page through
  if (!HasPageMarkers(page.view())) return false;
  if (settings.blockerScript.empty()) return false;

  page.Insert(ScriptOffset(page.view()), settings.blockerScript);
  if (!settings.headInsert.empty()) {
    size_t head = FindBeforeNul(page.view(), "<head>");
    if (head == std::string_view::npos) head = FindBeforeNul(page.view(), "<HEAD>");
    if (head != std::string_view::npos && head + 6 < page.size())
      page.Insert(head + 6, settings.headInsert);
  }
  return true;
}

void ResponseFilter::LeaveRoomForTheScript(const EngineSettings& settings) {
  // With this much room in front of a page, putting the script and the
  // alert element in and the header in front moves only the bytes before
  // them, never the whole page.
  constexpr size_t kHeaderRoom = 1024;
  toBrowser_.KeepFrontRoom(settings.blockerScript.size() + settings.headInsert.size() +
                           kHeaderRoom);
}

void ResponseFilter::FixContentLength(std::vector<std::string>& lines, std::size_t size) {
  for (std::string& line : lines) {
    if (ContainsIgnoreCase(line, "content-length:")) {
      line = ContentLengthLine(size);
      return;
    }
  }
}

namespace {

// Where the trailer lines starting at `from` end: just past the line feed
// of their last line (the empty line that follows is left), or npos while
// that empty line has not come.
size_t EndOfTrailers(std::string_view bytes, size_t from) {
  for (size_t at = from;;) {
    const size_t lineFeed = bytes.find('\n', at);
    if (lineFeed == std::string_view::npos) return std::string_view::npos;
    std::string_view line = bytes.substr(at, lineFeed - at);
    if (line.empty() || line == "\r") return at;
    at = lineFeed + 1;
  }
}

}  // namespace

std::int64_t ResponseFilter::ParseChunkSize() {
  const std::string_view bytes = toBrowser_.view();
  size_t i = 0;
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) <= 32) {
    if (bytes[i] == '\0') return kChunkInvalid;
    ++i;
  }
  if (i == bytes.size()) return kChunkIncomplete;
  std::int64_t size = 0;
  size_t digits = 0;
  for (; i < bytes.size() && HexDigitValue(bytes[i]) >= 0; ++i, ++digits) {
    size = size * 16 + HexDigitValue(bytes[i]);
    if (size > kLargestSize) return kChunkInvalid;
  }
  if (i == bytes.size()) return kChunkIncomplete;
  if (digits == 0) return kChunkInvalid;
  const size_t lineFeed = bytes.find('\n', i);
  if (lineFeed == std::string_view::npos) return kChunkIncomplete;
  size_t consumed = lineFeed + 1;
  if (size == 0) {
    // Trailer fields after the last chunk end at an empty line; they are
    // headers, not page, and go. Until that line is whole, a trailer may
    // still be on its way.
    const size_t end = EndOfTrailers(bytes, consumed);
    if (end == std::string_view::npos) return kChunkIncomplete;
    consumed = end + (bytes[end] == '\r' ? 2 : 1);
  }
  if (bytes.size() < consumed + static_cast<size_t>(size)) return kChunkIncomplete;
  toBrowser_.Consume(consumed);
  return size;
}

void ResponseFilter::Dechunk() {
  std::int64_t size;
  while ((size = ParseChunkSize()) > 0) {
    contentLength_ = size + (contentLength_ == -1 ? 0 : contentLength_);
    dechunked_.append(toBrowser_.data(), static_cast<size_t>(size));
    toBrowser_.Consume(static_cast<size_t>(size));
    if (dechunked_.size() > settings_->filterSizeLimit) {
      PassChunkedResponseThrough();
      return;
    }
  }
  if (size == kChunkIncomplete) return;
  if (size == kChunkInvalid) {
    PassChunkedResponseThrough();
    return;
  }
  // The last chunk: the body continues as a held response of known length.
  std::string body(toBrowser_.view());
  body += dechunked_;
  dechunked_.clear();
  toBrowser_.Assign(body);
  chunked_ = false;
  for (std::string& line : heldHeaderLines_) {
    if (ToLower(line).find("transfer-encoding") != std::string::npos) {
      line = ContentLengthLine(toBrowser_.size());
      break;
    }
  }
  contentLength_ = bodyCounted_ = static_cast<std::int64_t>(toBrowser_.size());
  responseLines_.swap(heldHeaderLines_);
  heldHeaderLines_.clear();
}

}  // namespace hush
