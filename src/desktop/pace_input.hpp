// The keys and clicks that set the pace: Space, Enter and a left click on the shielded scene or
// the text panel advance the line, Esc skips (or in a pause does Zpět), Tab held shows every
// place a click would reach.
#pragma once

#include "app/main_form.hpp"

#include <QObject>
#include <QWidget>

#include <functional>
#include <vector>

namespace desktop {

class FormView;

class PaceInput final : public QObject {
public:
    // Listens to the keys of every widget in the window.
    PaceInput(QWidget& window, FormView& view, app::TfrmHlavni& form);
    PaceInput(const PaceInput&) = delete;
    PaceInput& operator=(const PaceInput&) = delete;
    ~PaceInput() override;

    // A left click on this widget advances the line while the shield is up.
    void advanceOnClick(QWidget& widget);

    // Runs after every input passed to the core.
    std::function<void()> afterInput;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyEvent(QEvent* event);
    void advanceIfShielded();

    QWidget& window_;
    FormView& view_;
    app::TfrmHlavni& form_;
    std::vector<QObject*> clickable_;
};

}  // namespace desktop
