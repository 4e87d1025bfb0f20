// The checkpoint file data.dat: a text file holding the single digit "1".
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace checkpoint {

inline constexpr const char* kCannotOpen = "Nepodařilo se otevřít soubor!";
inline constexpr const char* kCannotClose = "Nepodařilo se uzavřít soubor!";

struct ReadResult {
    bool opened = false;
    bool closeFailed = false;
    bool holdsOne = false;  // the first number in the file is 1
};

enum class WriteResult { Written, OpenFailed, CloseFailed };

// Reads one decimal integer the way "%d" does: white space skipped, an optional sign,
// digits; whatever follows is ignored. True when that integer is 1.
bool textHoldsOne(std::string_view text);

// Only a regular file is opened: a directory, a pipe or a device of that name counts as a
// file that cannot be opened (reading a pipe would block the game for good).
ReadResult readFile(const std::string& path);

// Writes "1" to a temporary file beside path and renames it over path, so a failed write
// never leaves an empty or partial checkpoint behind. beforeRename runs between the two
// (tests stop the process there).
WriteResult writeFile(const std::string& path, const std::function<void()>& beforeRename = {});

}  // namespace checkpoint
