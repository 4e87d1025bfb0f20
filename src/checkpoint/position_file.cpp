#include "checkpoint/position_file.hpp"

#include "app/main_form.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "checkpoint/position_texts.hpp"
#include "ui/catalogue.hpp"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <sys/stat.h>
#include <unistd.h>

namespace checkpoint {

namespace {

using json::Value;

constexpr const char* kChecksumKey = "checksum";
constexpr const char* kChecksumPrefix = "fnv1a64:";

std::string fileOf(const std::string& checkpointPath, int slot) { return slotPath(checkpointPath, slot); }

// Fills a text's "%s" in order with the values.
std::string filled(std::string text, std::initializer_list<std::string> values) {
    for (const std::string& value : values) text = ui::fill(text, value);
    return text;
}

// "Pozici 3 nelze nahrát: … Hra pokračuje beze změny." in the form's language.
std::string cannotLoad(int slot, const char* why, const app::TfrmHlavni& form, const std::string& detail = {}) {
    const std::string reason = detail.empty() ? form.tr(why) : filled(form.tr(why), {detail});
    if (slot == kAutoSlot) return filled(form.tr(text::kCannotLoadAuto), {reason});
    return filled(form.tr(text::kCannotLoad), {std::to_string(slot), reason});
}

enum class ReadStatus { Ok, Missing, NotAFile, TooLarge, Unreadable };

// Reads a regular file of at most limit bytes. Opened without blocking, so a pipe of that
// name cannot stall the game; the size is looked at before anything is read.
ReadStatus readBounded(const std::string& path, std::size_t limit, std::string& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
    struct stat info {};
    ReadStatus status = ReadStatus::Ok;
    if (::fstat(fd, &info) != 0) status = ReadStatus::Unreadable;
    else if (!S_ISREG(info.st_mode)) status = ReadStatus::NotAFile;
    else if (static_cast<std::uint64_t>(info.st_size) > limit) status = ReadStatus::TooLarge;
    char buffer[16 * 1024];
    while (status == ReadStatus::Ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) status = ReadStatus::Unreadable;
        if (n <= 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
        // The file grew while it was read.
        if (out.size() > limit) status = ReadStatus::TooLarge;
    }
    ::close(fd);
    return status;
}

}  // namespace

bool isSlot(int slot) { return slot == kAutoSlot || (slot >= kFirstPlayerSlot && slot <= kLastPlayerSlot); }

std::string slotFileName(int slot) {
    return slot == kAutoSlot ? "pozice-auto.json" : "pozice-" + std::to_string(slot) + ".json";
}

std::string savesDirectory(const std::string& checkpointPath) {
    return (std::filesystem::path(checkpointPath).parent_path() / "saves").string();
}

std::string slotPath(const std::string& checkpointPath, int slot) {
    return (std::filesystem::path(savesDirectory(checkpointPath)) / slotFileName(slot)).string();
}

std::string fillSlot(const char* playerSlot, const char* autoSlot, int slot, const app::TfrmHlavni& form,
                     std::initializer_list<std::string> rest) {
    if (slot == kAutoSlot) return filled(form.tr(autoSlot), rest);
    std::string out = filled(form.tr(playerSlot), {std::to_string(slot)});
    return filled(std::move(out), rest);
}

std::string checksumOf(const json::Value& body) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : json::compact(body)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    constexpr const char* kHex = "0123456789abcdef";
    std::string out = kChecksumPrefix;
    for (int shift = 60; shift >= 0; shift -= 4) out.push_back(kHex[(hash >> shift) & 0xF]);
    return out;
}

std::string positionFileText(const app::TfrmHlavni& form, const std::string& savedAt) {
    Value body = positionJson(form, savedAt);
    const std::string sum = checksumOf(body);
    body.set(kChecksumKey, Value::of(sum));
    return json::pretty(body);
}

SlotRead readPositionText(std::string_view text, int slot, const app::TfrmHlavni& form) {
    const auto damaged = [slot, &form](const char* why, const std::string& detail = {}) {
        return SlotRead{SlotState::Damaged, std::nullopt, cannotLoad(slot, why, form, detail)};
    };
    std::string error;
    std::optional<Value> document = json::parse(text, error);
    if (!document || document->kind != Value::Kind::Object) return damaged(text::kDamaged);
    const Value* format = document->find("format");
    if (format == nullptr || format->kind != Value::Kind::String || format->text != kFormatName)
        return damaged(text::kNotAPosition);
    const Value* version = document->find("formatVersion");
    if (version == nullptr || version->kind != Value::Kind::Integer || version->integer < 1)
        return damaged(text::kNotAPosition);
    if (version->integer > kPositionFormat)
        return damaged(text::kNewerVersion);
    // The checksum must be the last member, over everything before it.
    if (document->members.empty() || document->members.back().first != kChecksumKey ||
        document->members.back().second.kind != Value::Kind::String)
        return damaged(text::kDamaged);
    const std::string stored = document->members.back().second.text;
    document->members.pop_back();
    if (checksumOf(*document) != stored) return damaged(text::kChecksumWrong);
    PositionRead read = readPosition(*document, form);
    if (!read.position) return damaged(text::kInvalidValue, read.badItem);
    return {SlotState::Readable, std::move(read.position), {}};
}

SlotRead readSlot(const std::string& checkpointPath, int slot, const app::TfrmHlavni& form) {
    std::string text;
    switch (readBounded(fileOf(checkpointPath, slot), kMaxPositionBytes, text)) {
        case ReadStatus::Missing: return {SlotState::Empty, std::nullopt, fillSlot(text::kSlotEmpty, text::kAutoSlotEmpty, slot, form, {})};
        case ReadStatus::NotAFile: return {SlotState::Damaged, std::nullopt, cannotLoad(slot, text::kNotAFile, form)};
        case ReadStatus::TooLarge:
            return {SlotState::Damaged, std::nullopt, cannotLoad(slot, text::kTooLarge, form)};
        case ReadStatus::Unreadable: return {SlotState::Damaged, std::nullopt, cannotLoad(slot, text::kUnreadable, form)};
        case ReadStatus::Ok: break;
    }
    return readPositionText(text, slot, form);
}

std::string writeSlot(const std::string& checkpointPath, int slot, const app::TfrmHlavni& form, const std::string& savedAt) {
    const auto cannot = [&](const char* why, const std::string& detail = {}) {
        const std::string reason = detail.empty() ? form.tr(why) : filled(form.tr(why), {detail});
        return fillSlot(text::kCannotSave, text::kCannotSaveAuto, slot, form, {reason});
    };
    const std::string directory = savesDirectory(checkpointPath);
    // Made as the player's own directory would be (the umask narrows it); a file of that name stays.
    if (::mkdir(directory.c_str(), 0777) != 0 && errno != EEXIST) return cannot(text::kCannotMakeFolder, directory);
    struct stat info {};
    if (::stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return cannot(text::kNotAFolder, directory);
    switch (replaceFile(fileOf(checkpointPath, slot), positionFileText(form, savedAt))) {
        case WriteResult::Written: return {};
        case WriteResult::OpenFailed: return cannot(text::kCannotWriteFile, fileOf(checkpointPath, slot));
        case WriteResult::CloseFailed: return cannot(text::kDiskWriteFailed);
    }
    return {};
}

void removeStaleSlotTemporaries(const std::string& checkpointPath) {
    removeStaleTemporary(fileOf(checkpointPath, kAutoSlot));
    for (int slot = kFirstPlayerSlot; slot <= kLastPlayerSlot; ++slot) removeStaleTemporary(fileOf(checkpointPath, slot));
}

}  // namespace checkpoint
