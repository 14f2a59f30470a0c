#include "ui/settings/language_flags.h"

#include "common/unique_handle.h"

namespace hush {
namespace {

// Flags are wider than high: drawn into the list's square whole.
UniqueBitmap LoadFlag(const std::string& file) {
  return UniqueBitmap(static_cast<HBITMAP>(
      ::LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 16, 16, LR_LOADFROMFILE)));
}

}  // namespace

std::vector<int> AddLanguageFlags(HIMAGELIST images, const std::string& flagsFolder,
                                  const std::vector<std::string>& languages) {
  std::vector<int> indexes;
  for (const std::string& language : languages) {
    UniqueBitmap flag = LoadFlag(flagsFolder + language + ".bmp");
    if (!flag) flag = LoadFlag(flagsFolder + "default.bmp");
    int index = I_IMAGENONE;
    if (flag) {
      index = ImageList_AddMasked(images, flag.get(), RGB(0, 0, 0));
      if (index < 0) index = I_IMAGENONE;
    }
    indexes.push_back(index);
  }
  return indexes;
}

}  // namespace hush
