// Fuzzes the saved-position reader: any bytes give a position or a Czech message, never a crash.
// Input that is JSON gets a fresh checksum and is read again, so the checks behind the checksum
// are reached too; a position that passes is loaded into a game that then plays a minute on.
#include "app/main_form.hpp"
#include "checkpoint/position_file.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

constexpr int kSlot = 1;
constexpr std::int64_t kPlayOnMs = 60'000;

void loadAndPlay(const checkpoint::Position& position) {
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form(clock, platform);
    form.checkpointPath = "/nonexistent/kvelnor-fuzz/data.dat";
    form.FormCreate();
    checkpoint::applyPosition(form, position);
    clock.advance(kPlayOnMs);
}

void readOnce(std::string_view text, const app::TfrmHlavni& form) {
    const checkpoint::SlotRead read = checkpoint::readPositionText(text, kSlot, form);
    if (read.position.has_value() == read.problem.empty()) {
        if (read.position) loadAndPlay(*read.position);
        return;
    }
    __builtin_trap();  // a position and a message, or neither
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ui::VirtualClock clock;
    static ui::RecordingPlatform platform;
    static app::TfrmHlavni form(clock, platform);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    readOnce(text, form);

    std::string error;
    std::optional<checkpoint::json::Value> document = checkpoint::json::parse(text, error);
    if (!document || document->kind != checkpoint::json::Value::Kind::Object) return 0;
    auto& members = document->members;
    if (!members.empty() && members.back().first == "checksum") members.pop_back();
    const std::string sum = checkpoint::checksumOf(*document);
    document->set("checksum", checkpoint::json::Value::of(sum));
    readOnce(checkpoint::json::compact(*document), form);
    return 0;
}
