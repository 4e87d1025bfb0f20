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

// The name of the temporary file a write goes through, beside path.
std::string temporaryPath(const std::string& path);

// Removes a temporary file left by a write that was killed before its rename (whatever it is:
// a file, a pipe or a link; a directory stays). Called once at start-up, before any write.
void removeStaleTemporary(const std::string& path);

// Writes "1" to a freshly created temporary file beside path (never an existing file, pipe or
// link of that name), flushes it to the disk and renames it over path, then flushes the
// directory, so neither a failed write nor a power loss leaves an empty or partial checkpoint.
// A checkpoint the player made read-only is left alone and counts as one that cannot be
// opened. beforeRename runs between the write and the rename (tests stop the process there).
WriteResult writeFile(const std::string& path, const std::function<void()>& beforeRename = {});

// The same careful replacement with any content: the saved positions go through it too.
WriteResult replaceFile(const std::string& path, std::string_view content,
                        const std::function<void()>& beforeRename = {});

}  // namespace checkpoint
