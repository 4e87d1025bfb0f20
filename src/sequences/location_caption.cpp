// The typed location caption of TimerX: place, country, time and date, one key at a time.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace app {

namespace {

// The four lines of a caption, each a Czech source text of the catalogue; the second is
// indented by kIndent spaces that are never typed.
using Caption = std::array<const char*, 4>;
constexpr std::string_view kIndent = "               ";  // 15 spaces

constexpr Caption kSquareCaption = {"Lokace : Mlýnotrhy-náměstí", "někde v ČR", "Čas : 13:42 SELČ",
                                    "Datum : 18.8.2003"};
constexpr Caption kPubCaption = {"Lokace : Mlýnotrhy-hospoda", "někde v ČR", "Čas : 09:56 SELČ",
                                 "Datum : 19.8.2003"};

// The square's caption counts sequenceStep from 0 to 100, the pub's from 100 to 200; each types
// one character a step (after the increment) from its first step, at most kKeyPattern's 69, and
// shows what it typed until its end step. A shorter translation is typed in fewer steps.
struct CaptionSteps {
    const Caption* lines;
    int startStep;
    int firstStep;
    int endStep;
};
constexpr CaptionSteps kSquareSteps{.lines = &kSquareCaption, .startStep = 0, .firstStep = 4, .endStep = 100};
constexpr CaptionSteps kPubSteps{.lines = &kPubCaption, .startStep = 100, .firstStep = 101, .endStep = 200};

// The key sound of every typed character, the same for both captions: 1 to 4 name data/1.wav ... data/4.wav.
constexpr std::array<int, 69> kKeyPattern = {
    1, 2, 4, 3, 2, 3, 4, 1, 2, 1, 3, 4, 1, 2, 3, 1, 4, 2, 3, 1, 2, 4, 3, 1, 4, 2, 3, 2, 4, 1, 3, 1, 2, 4, 2,
    1, 3, 2, 4, 1, 3, 1, 3, 4, 2, 1, 3, 2, 4, 1, 4, 3, 2, 1, 2, 3, 4, 4, 1, 2, 3, 1, 4, 2, 1, 3, 2, 1, 2,
};
constexpr std::array<const char*, 5> kKeySounds = {nullptr, snd::key1, snd::key2, snd::key3, snd::key4};
constexpr int kMostTyped = static_cast<int>(kKeyPattern.size());

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) count += isContinuationByte(c) ? 0 : 1;
    return count;
}

// The first count characters (not bytes) of a UTF-8 text, and how many it had.
std::string_view firstCharacters(std::string_view text, int& count) {
    std::size_t end = 0;
    while (count > 0 && end < text.size()) {
        ++end;
        while (end < text.size() && isContinuationByte(text[end])) ++end;
        --count;
    }
    return text.substr(0, end);
}

// A caption in the chosen language.
std::array<std::string, 4> translated(const Caption& caption, const ui::Catalogue& catalogue) {
    std::array<std::string, 4> lines;
    for (std::size_t n = 0; n < caption.size(); ++n) lines.at(n) = catalogue.translate(caption.at(n));
    return lines;
}

int typedLength(const std::array<std::string, 4>& lines) {
    int count = 0;
    for (const std::string& line : lines) count += characterCount(line);
    return std::min(count, kMostTyped);
}

// The caption as typed up to character position (1 to its length): a line break and the second
// line's indent appear only together with the first character of the next line.
std::string typedUpTo(const std::array<std::string, 4>& lines, int position) {
    std::string shown;
    int remaining = position;
    for (std::size_t n = 0; n < lines.size() && remaining > 0; ++n) {
        if (n > 0) shown += '\n';
        if (n == 1) shown += kIndent;
        shown += firstCharacters(lines.at(n), remaining);
    }
    return shown;
}

}  // namespace

std::vector<std::string> locationCaptionTexts() {
    std::vector<std::string> texts;
    for (const Caption* caption : {&kSquareCaption, &kPubCaption})
        for (const char* line : *caption)
            if (std::find(texts.begin(), texts.end(), line) == texts.end()) texts.emplace_back(line);
    return texts;
}

int typedCaptionLength(LocationCaption caption, const ui::Catalogue& catalogue) {
    return typedLength(translated(caption == LocationCaption::Square ? kSquareCaption : kPubCaption, catalogue));
}

void TfrmHlavni::startLocationCaption(LocationCaption caption) {
    lblX->setEnabled(true);
    state.sequenceStep = caption == LocationCaption::Square ? kSquareSteps.startStep : kPubSteps.startStep;
    TimerX.setEnabled(true);
    imgClona->setEnabled(true);
}

bool TfrmHlavni::captionBeingTyped() const {
    if (!TimerX.enabled()) return false;
    const int step = state.sequenceStep;
    for (const CaptionSteps& caption : {kSquareSteps, kPubSteps})
        if (step >= caption.startStep && step - caption.firstStep + 1 < typedLength(translated(*caption.lines, catalogue_)))
            return true;
    return false;
}

void TfrmHlavni::TimerXTimer() {
    const int step = ++state.sequenceStep;
    for (const CaptionSteps& caption : {kSquareSteps, kPubSteps}) {
        const std::array<std::string, 4> lines = translated(*caption.lines, catalogue_);
        const int position = step - caption.firstStep + 1;
        if (position >= 1 && position <= typedLength(lines)) {
            lblX->setText(typedUpTo(lines, position));
            playSound(kKeySounds.at(static_cast<std::size_t>(kKeyPattern.at(static_cast<std::size_t>(position - 1)))));
        }
        if (step == caption.endStep) {
            lblX->setText("");
            TimerX.setEnabled(false);
            imgClona->setEnabled(false);
            lblX->setEnabled(false);
        }
    }
}

void TfrmHlavni::retypeLocationCaption() {
    if (lblX->text().empty()) return;
    const int step = state.sequenceStep;
    for (const CaptionSteps& caption : {kSquareSteps, kPubSteps}) {
        if (step < caption.firstStep || step >= caption.endStep) continue;
        const std::array<std::string, 4> lines = translated(*caption.lines, catalogue_);
        lblX->setText(typedUpTo(lines, std::min(step - caption.firstStep + 1, typedLength(lines))));
    }
}

}  // namespace app
