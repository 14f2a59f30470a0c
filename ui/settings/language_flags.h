// The flag pictures of the Options page's language list.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace hush {

// Adds a 16 x 16 picture per language to `images`: "<language>.bmp" from
// `flagsFolder`, else its "default.bmp". Returns each language's image
// index, I_IMAGENONE for one without any picture, so that a missing
// picture never hands its place to the next language's flag.
std::vector<int> AddLanguageFlags(HIMAGELIST images, const std::string& flagsFolder,
                                  const std::vector<std::string>& languages);

}  // namespace hush
