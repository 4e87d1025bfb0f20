// The text panel's line and the history of every line shown since the game began.
#include "app/main_form.hpp"

namespace app {

namespace {
// Enough for several whole games; the oldest lines go first.
constexpr std::size_t kHistoryLimit = 5000;
}  // namespace

void TfrmHlavni::setLine(const std::string& text) {
    // A line set again on each tick of its range was shown once.
    if (!text.empty() && text != lblText.sourceText()) {
        history_.push_back(text);
        if (history_.size() > kHistoryLimit) history_.pop_front();
    }
    lblText.setText(text, catalogue_);
}

}  // namespace app
