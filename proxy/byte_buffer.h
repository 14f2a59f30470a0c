// A growable byte array that is filled at the back and drained from the
// front. Draining only moves a start index and reserving never clears
// memory, so relaying a stream through it costs one copy per slice.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace hush {

class ByteBuffer {
 public:
  const char* data() const { return storage_.get() + begin_; }
  std::size_t size() const { return end_ - begin_; }
  bool empty() const { return begin_ == end_; }
  std::size_t capacity() const { return capacity_; }
  std::string_view view() const { return {data(), size()}; }
  char operator[](std::size_t i) const { return storage_[begin_ + i]; }

  void Append(std::string_view more);
  // Puts `front` before the content: in place when the bytes drained from
  // the front left room (a response header taken off its body, say), so the
  // body is not copied again.
  void Prepend(std::string_view front);
  // Empties the buffer and leaves `room` bytes in front of where the
  // content will start, for a Prepend that then copies nothing.
  void ClearLeavingRoom(std::size_t room);
  // Puts `text` at offset `at` of the content (at most size()).
  void Insert(std::size_t at, std::string_view text);
  // Room for `length` more bytes at the back; Commit says how many were used.
  char* Reserve(std::size_t length);
  void Commit(std::size_t used) { end_ += used; }
  void Consume(std::size_t count);
  void Clear() { begin_ = end_ = 0; }
  // Replaces the content; `content` may point into this buffer.
  void Assign(std::string_view content);

 private:
  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
};

}  // namespace hush
