#include "common/program_file.h"

#include "common/ini_file.h"

namespace hush {

std::string ProgramFile::Path() const {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!override_.empty()) return override_;
  }
  return ini::ExecutableFolder() + name_;
}

void ProgramFile::Override(std::string path) {
  std::lock_guard<std::mutex> lock(mutex_);
  override_ = std::move(path);
}

}  // namespace hush
