#include "script/session.hpp"

#include "app/data_files.hpp"
#include "app/settle.hpp"

namespace script {

Session::Session(ui::Catalogue catalogue) : form(std::make_unique<app::TfrmHlavni>(clock, platform)) {
    form->setCatalogue(std::move(catalogue));
    form->FormCreate();
}

bool Session::clickComponent(const std::string& name) {
    const ui::Component* target = form->stack.find(name);
    if (target == nullptr) return false;
    const ui::Point point = form->stack.aimPoint(*target);
    form->stack.click(point.x, point.y);
    return true;
}

void Session::settle() { app::settle(*form, clock); }

bool Session::setLanguage(const std::string& language, std::string& error) {
    std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(language, error, app::kCatalogueDirectory);
    if (!catalogue) return false;
    form->setCatalogue(std::move(*catalogue));
    return true;
}

std::optional<int> Session::entry(const Action& action) const {
    const ui::SortedList& list = form->lbPredmety;
    if (action.position) return action.position;
    if (action.caption) {
        for (int p = 0; p < list.count(); ++p)
            if (list.caption(p) == *action.caption || list.shownCaption(p) == *action.caption) return p;
        return -1;  // no such entry: nothing happens
    }
    return std::nullopt;
}

void Session::execute(const Action& a) {
    app::TfrmHlavni& f = *form;
    switch (a.kind) {
        case ActionKind::New: ui::Menu::click(*f.mmNova); break;
        case ActionKind::Continue: ui::Menu::click(*f.mmNahrat); break;
        case ActionKind::Quit: ui::Menu::click(*f.mmKonec); break;
        case ActionKind::Answer: platform.answers.push_back(a.yes); break;
        case ActionKind::Speed:
            ui::Menu::click(a.word == "high" ? *f.mmVysoka : a.word == "low" ? *f.mmNizka : *f.mmStredni);
            break;
        case ActionKind::Settings: ui::Menu::click(*f.mmNastaveni); break;
        case ActionKind::Sound: ui::Menu::click(*f.mmZvuky); break;
        case ActionKind::Controls: ui::Menu::click(*f.mmOvladani); break;
        case ActionKind::About: ui::Menu::click(*f.mmOprogramu); break;
        case ActionKind::Move: f.stack.move(a.x, a.y); break;
        case ActionKind::ClickAt: f.stack.click(a.x, a.y); break;
        case ActionKind::ClickName: clickComponent(a.word); break;
        case ActionKind::Select: {
            const std::optional<int> p = entry(a);
            if (p && (*p < 0 || *p >= f.lbPredmety.count())) break;
            f.lbPredmety.click(p);
            break;
        }
        case ActionKind::DoubleClick: {
            const std::optional<int> p = entry(a);
            if (p) f.lbPredmety.doubleClick(*p);
            break;
        }
        case ActionKind::Button: {
            ui::Component& b = a.word == "Zpět" ? f.btnZpet : a.word == "Průzkum" ? f.btnPruzkum : f.btnSpojit;
            if (b.enabled() && b.visible() && b.onClick) b.onClick();
            break;
        }
        case ActionKind::Wait: clock.advance(a.ms); break;
        case ActionKind::Settle: settle(); break;
        case ActionKind::Advance: f.advance(); break;
        case ActionKind::Skip: f.skip(); break;
        case ActionKind::Dump: break;  // printed by the caller
        case ActionKind::Save: f.savePosition(a.slot); break;
        case ActionKind::Load: f.loadPosition(a.slot); break;
        case ActionKind::Language: {
            // kvelnor-script checks the catalogue first and stops on a missing one; a replay goes on in the language it has.
            std::string error;
            setLanguage(a.word, error);
            break;
        }
    }
}

}  // namespace script
