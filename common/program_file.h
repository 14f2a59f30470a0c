// A file in the program's folder, found afresh on every use. The native tool
// and the tests may point it elsewhere.
#pragma once

#include <mutex>
#include <string>

namespace hush {

class ProgramFile {
 public:
  explicit ProgramFile(const char* name) : name_(name) {}
  std::string Path() const;
  // An empty path goes back to the program's folder.
  void Override(std::string path);

 private:
  const char* name_;
  mutable std::mutex mutex_;
  std::string override_;
};

}  // namespace hush
