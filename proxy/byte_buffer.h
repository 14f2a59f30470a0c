// A growable byte array that is filled at the back and drained from the
// front. Draining only moves a start index, so relaying a stream through it
// costs no memmove per slice.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hush {

class ByteBuffer {
 public:
  const char* data() const { return bytes_.data() + start_; }
  std::size_t size() const { return bytes_.size() - start_; }
  bool empty() const { return size() == 0; }
  std::string_view view() const { return {data(), size()}; }
  char operator[](std::size_t i) const { return bytes_[start_ + i]; }

  void Append(std::string_view more) { bytes_.append(more); }
  // Room for `length` more bytes at the back; Commit says how many were used.
  char* Reserve(std::size_t length);
  void Commit(std::size_t used);
  void Consume(std::size_t count);
  void Clear();
  // Replaces the content (keeps the allocation).
  void Assign(std::string_view content);

 private:
  std::string bytes_;
  std::size_t start_ = 0;
  std::size_t reserved_ = 0;
};

}  // namespace hush
