// The typed location caption of TimerX: place, country, time and date, one key at a time.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

#include <array>
#include <string>
#include <string_view>

namespace app {

namespace {

// The four lines of a caption; the second is indented by kIndent spaces that are never typed.
using Caption = std::array<std::string_view, 4>;
constexpr std::string_view kIndent = "               ";  // 15 spaces

constexpr Caption kSquareCaption = {"Lokace : Mlýnotrhy-náměstí", "někde v ČR", "Čas : 13:42 SELČ",
                                    "Datum : 18.8.2003"};
constexpr Caption kPubCaption = {"Lokace : Mlýnotrhy-hospoda", "někde v ČR", "Čas : 09:56 SELČ",
                                 "Datum : 19.8.2003"};

// The square's caption counts sequenceStep from 0 to 100, the pub's from 100 to 200; each types
// its 69 characters on the steps (after the increment) from its first to its last step.
constexpr int kSquareStartStep = 0;
constexpr int kSquareFirstStep = 4;
constexpr int kSquareLastStep = 72;
constexpr int kSquareEndStep = 100;
constexpr int kPubStartStep = kSquareEndStep;
constexpr int kPubFirstStep = 101;
constexpr int kPubLastStep = 169;
constexpr int kPubEndStep = 200;

// The key sound of every typed character, the same for both captions: 1 to 4 name data/1.wav ... data/4.wav.
constexpr std::array<int, 69> kKeyPattern = {
    1, 2, 4, 3, 2, 3, 4, 1, 2, 1, 3, 4, 1, 2, 3, 1, 4, 2, 3, 1, 2, 4, 3, 1, 4, 2, 3, 2, 4, 1, 3, 1, 2, 4, 2,
    1, 3, 2, 4, 1, 3, 1, 3, 4, 2, 1, 3, 2, 4, 1, 4, 3, 2, 1, 2, 3, 4, 4, 1, 2, 3, 1, 4, 2, 1, 3, 2, 1, 2,
};
constexpr std::array<const char*, 5> kKeySounds = {nullptr, snd::key1, snd::key2, snd::key3, snd::key4};

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

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

// The caption as typed up to character position (1 to 69): a line break and the second
// line's indent appear only together with the first character of the next line.
std::string typedUpTo(const Caption& caption, int position) {
    std::string shown;
    int remaining = position;
    for (std::size_t n = 0; n < caption.size() && remaining > 0; ++n) {
        if (n > 0) shown += '\n';
        if (n == 1) shown += kIndent;
        shown += firstCharacters(caption.at(n), remaining);
    }
    return shown;
}

// The typing position of a step in one caption's typing range, or 0 outside it.
int positionOf(int step, int firstStep, int lastStep) {
    return step >= firstStep && step <= lastStep ? step - firstStep + 1 : 0;
}

}  // namespace

void TfrmHlavni::startLocationCaption(LocationCaption caption) {
    lblX->setEnabled(true);
    state.sequenceStep = caption == LocationCaption::Square ? kSquareStartStep : kPubStartStep;
    TimerX.setEnabled(true);
    imgClona->setEnabled(true);
}

bool TfrmHlavni::captionBeingTyped() const {
    if (!TimerX.enabled()) return false;
    const int step = state.sequenceStep;
    return (step >= kSquareStartStep && step < kSquareLastStep) || (step >= kPubStartStep && step < kPubLastStep);
}

void TfrmHlavni::TimerXTimer() {
    const int step = ++state.sequenceStep;
    const int squarePosition = positionOf(step, kSquareFirstStep, kSquareLastStep);
    const int pubPosition = positionOf(step, kPubFirstStep, kPubLastStep);

    if (squarePosition > 0) lblX->setText(typedUpTo(kSquareCaption, squarePosition));
    if (pubPosition > 0) lblX->setText(typedUpTo(kPubCaption, pubPosition));

    if (step == kSquareEndStep || step == kPubEndStep) {
        lblX->setText("");
        TimerX.setEnabled(false);
        imgClona->setEnabled(false);
        lblX->setEnabled(false);
    }

    const int position = squarePosition > 0 ? squarePosition : pubPosition;
    if (position > 0) playSound(kKeySounds.at(static_cast<std::size_t>(kKeyPattern.at(static_cast<std::size_t>(position - 1)))));
}

}  // namespace app
