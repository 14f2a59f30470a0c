#include "proxy/byte_buffer.h"

#include <cstring>

namespace hush {

char* ByteBuffer::Reserve(std::size_t length) {
  if (capacity_ - end_ >= length) return storage_.get() + end_;
  const std::size_t held = size();
  const std::size_t start = frontRoom_;
  if (capacity_ >= start + held + length) {
    // Moving what is held to the front makes enough room (it can only move
    // forward here: there was not enough room behind it).
    std::memmove(storage_.get() + start, data(), held);
  } else {
    std::size_t grown = capacity_ * 2;
    if (grown < start + held + length) grown = start + held + length;
    std::unique_ptr<char[]> larger(new char[grown]);
    if (held > 0) std::memcpy(larger.get() + start, data(), held);
    storage_.swap(larger);
    capacity_ = grown;
  }
  begin_ = start;
  end_ = start + held;
  return storage_.get() + end_;
}

void ByteBuffer::Append(std::string_view more) {
  if (more.empty()) return;
  std::memcpy(Reserve(more.size()), more.data(), more.size());
  Commit(more.size());
}

void ByteBuffer::Prepend(std::string_view front) {
  if (front.empty()) return;
  if (begin_ < front.size()) {
    const std::size_t held = size();
    const std::size_t start = front.size();
    if (capacity_ - held >= start) {
      // Sliding the content back makes the room without a new allocation;
      // growing by the room every time would let a connection's buffer
      // grow with each page it carries.
      std::memmove(storage_.get() + start, data(), held);
    } else {
      std::unique_ptr<char[]> larger(new char[start + held]);
      if (held > 0) std::memcpy(larger.get() + start, data(), held);
      storage_.swap(larger);
      capacity_ = start + held;
    }
    begin_ = start;
    end_ = start + held;
  }
  begin_ -= front.size();
  std::memcpy(storage_.get() + begin_, front.data(), front.size());
}

void ByteBuffer::Insert(std::size_t at, std::string_view text) {
  if (text.empty()) return;
  if (at > size()) at = size();
  if (begin_ >= text.size() && at <= size() - at) {
    // What comes before `at` is the shorter side: it moves to the front.
    char* start = storage_.get() + begin_;
    std::memmove(start - text.size(), start, at);
    std::memcpy(start - text.size() + at, text.data(), text.size());
    begin_ -= text.size();
    return;
  }
  Reserve(text.size());  // may move the content; begin_ follows it
  char* place = storage_.get() + begin_ + at;
  std::memmove(place + text.size(), place, size() - at);
  std::memcpy(place, text.data(), text.size());
  Commit(text.size());
}

void ByteBuffer::Consume(std::size_t count) {
  begin_ += count < size() ? count : size();
  if (begin_ == end_) Clear();
}

void ByteBuffer::Assign(std::string_view content) {
  const char* base = storage_.get();
  if (!content.empty() && content.data() >= base && content.data() < base + capacity_) {
    // A part of the buffer itself: slide it to the front.
    std::memmove(storage_.get(), content.data(), content.size());
    begin_ = 0;
    end_ = content.size();
    return;
  }
  Clear();
  Append(content);
}

}  // namespace hush
