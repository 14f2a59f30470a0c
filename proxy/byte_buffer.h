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
  // From now on, whenever the content starts afresh (emptied, compacted or
  // moved to larger storage), `room` bytes stay free in front of it, so
  // that text put in front of it or near its start later (a response
  // header, a script in front of a page) moves only what comes before.
  void KeepFrontRoom(std::size_t room) { frontRoom_ = room; }
  // Puts `text` at offset `at` of the content (at most size()), moving
  // whichever side of `at` is shorter when there is room in front.
  void Insert(std::size_t at, std::string_view text);
  // Room for `length` more bytes at the back; Commit says how many were used.
  char* Reserve(std::size_t length);
  void Commit(std::size_t used) { end_ += used; }
  void Consume(std::size_t count);
  void Clear() { begin_ = end_ = capacity_ >= frontRoom_ ? frontRoom_ : 0; }
  // Replaces the content; `content` may point into this buffer.
  void Assign(std::string_view content);

 private:
  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  std::size_t frontRoom_ = 0;
};

}  // namespace hush
