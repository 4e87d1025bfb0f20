#include "story/script.hpp"

#include "app/main_form.hpp"

namespace story {

Step picture(std::string path) { return {.kind = Step::Kind::Picture, .text = std::move(path)}; }

Step line(std::string text) { return {.kind = Step::Kind::Line, .text = std::move(text)}; }

Step sound(std::string path, std::int32_t app::GameState::*guard) {
    return {.kind = Step::Kind::Sound, .text = std::move(path), .guard = guard};
}

Step act(std::function<void(app::TfrmHlavni&)> action) {
    return {.kind = Step::Kind::Action, .action = std::move(action)};
}

std::string say(const std::string& speaker, const std::string& text) { return speaker + ":" + text; }

const Script& gameScript() {
    static const Script whole = [] {
        Script all;
        for (const Script* chapter : {&arrivalChapter(), &firstDayChapter(), &secondDayChapter()})
            all.insert(all.end(), chapter->begin(), chapter->end());
        return all;
    }();
    return whole;
}

namespace {

void runStep(app::TfrmHlavni& form, const Step& step) {
    switch (step.kind) {
        case Step::Kind::Picture:
            form.showPicture(step.text);
            break;
        case Step::Kind::Line:
            form.setLine(step.text);
            break;
        case Step::Kind::Sound:
            if (step.guard != nullptr)
                form.playGuardedSound(step.text, form.state.*step.guard);
            else
                form.playSound(step.text);
            break;
        case Step::Kind::Action:
            step.action(form);
            break;
    }
}

}  // namespace

void runTick(app::TfrmHlavni& form, const Script& script, int tick) {
    for (const ScriptEntry& entry : script) {
        if (tick < entry.from || tick > entry.to) continue;
        if (entry.when && !entry.when(form)) continue;
        for (const Step& step : entry.steps) runStep(form, step);
    }
}

}  // namespace story
