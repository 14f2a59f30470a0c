// Mozilla's profile registry "registry.dat": a binary file in which every
// profile kept outside the standard folder appears as the text "directory",
// a zero byte and the profile's folder path.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hush::browsers {

// The profile folders the file names (at most 259 characters each) that end
// in ".slt" and lie outside `standardProfilesFolder` (those are found by
// listing that folder instead), in file order.
std::vector<std::string> ProfileFoldersOfRegistryDat(std::string_view bytes,
                                                     std::string_view standardProfilesFolder);

// The profile's name: the folder that holds the ".slt" folder.
std::string ProfileNameOfFolder(std::string_view folder);

}  // namespace hush::browsers
