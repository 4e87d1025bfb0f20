// The start-up check of every picture and sound file the game will need.
#pragma once

#include "ui/catalogue.hpp"

#include <string>
#include <vector>

namespace app {

// How many file names the box lists before it only counts the rest.
constexpr std::size_t kListedDataFiles = 5;

// The one box that names the folder looked in and the files missing or unreadable there (the
// first few of each, and how many more).
std::string dataFilesMessage(const std::string& folder, const std::vector<std::string>& missing,
                             const std::vector<std::string>& unreadable, const ui::Catalogue& catalogue = ui::Catalogue());

}  // namespace app
