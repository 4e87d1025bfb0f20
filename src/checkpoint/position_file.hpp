// The slots of saved positions: one JSON file per slot in saves/ beside data.dat, with the
// format, the game's version and a checksum; written through a temporary file and a rename
// like the checkpoint, read with bounds so that no file can stall, crash or half-load the game.
#pragma once

#include "checkpoint/position_format.hpp"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace checkpoint {

// Slot 0 is the automatic one, written when the game ends; 1 to 8 are the player's.
inline constexpr int kAutoSlot = 0;
inline constexpr int kFirstPlayerSlot = 1;
inline constexpr int kLastPlayerSlot = 8;
// No saved position comes near this size (a long dialogue history included); a larger file is
// not read at all.
inline constexpr std::size_t kMaxPositionBytes = 4 * 1024 * 1024;

[[nodiscard]] bool isSlot(int slot);
// The slot's file name within saves/: "pozice-1.json" … "pozice-auto.json".
std::string slotFileName(int slot);
// The directory of saved positions beside the checkpoint file.
std::string savesDirectory(const std::string& checkpointPath);
std::string slotPath(const std::string& checkpointPath, int slot);

// A sentence about a slot in the form's language: the player's slot's text with its number
// filled first, or the automatic slot's own text; then the rest of the values in order.
std::string fillSlot(const char* playerSlot, const char* autoSlot, int slot, const app::TfrmHlavni& form,
                     std::initializer_list<std::string> rest);

// The whole file for the running game: the body and its checksum.
std::string positionFileText(const app::TfrmHlavni& form, const std::string& savedAt);

// A checksum over the body's compact form: catches a file cut short, damaged or edited by hand.
std::string checksumOf(const json::Value& body);

enum class SlotState { Empty, Readable, Damaged };

struct SlotRead {
    SlotState state = SlotState::Empty;
    std::optional<Position> position;  // when Readable
    std::string problem;               // when Empty or Damaged: a sentence naming the slot, in the form's language
};

// Checks a file's text completely; the running game is only read (for its component names).
SlotRead readPositionText(std::string_view text, int slot, const app::TfrmHlavni& form);
// Reads and checks the slot's file.
SlotRead readSlot(const std::string& checkpointPath, int slot, const app::TfrmHlavni& form);

// Writes the running game into the slot; empty on success, else a sentence naming it.
std::string writeSlot(const std::string& checkpointPath, int slot, const app::TfrmHlavni& form, const std::string& savedAt);

// Removes temporary files left by saves killed before their rename.
void removeStaleSlotTemporaries(const std::string& checkpointPath);

}  // namespace checkpoint
