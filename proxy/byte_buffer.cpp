#include "proxy/byte_buffer.h"

namespace hush {

char* ByteBuffer::Reserve(std::size_t length) {
  if (start_ > 0 && start_ >= bytes_.size() / 2) {
    bytes_.erase(0, start_);
    start_ = 0;
  }
  reserved_ = bytes_.size();
  bytes_.resize(reserved_ + length);
  return bytes_.data() + reserved_;
}

void ByteBuffer::Commit(std::size_t used) { bytes_.resize(reserved_ + used); }

void ByteBuffer::Consume(std::size_t count) {
  start_ += count < size() ? count : size();
  if (start_ == bytes_.size()) Clear();
}

void ByteBuffer::Clear() {
  bytes_.clear();
  start_ = 0;
}

void ByteBuffer::Assign(std::string_view content) {
  std::string next(content);  // content may point into this buffer
  bytes_.swap(next);
  start_ = 0;
}

}  // namespace hush
