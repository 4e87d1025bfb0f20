// Building the main window: its components in stacking order, the menu and the handler wiring.
#include "app/main_form.hpp"

#include "app/component_table.hpp"
#include "app/form_texts.hpp"
#include "app/messages.hpp"
#include "inventory/item_names.hpp"
#include "story/script.hpp"

#include <algorithm>
#include <string>

namespace app {

namespace {

using Handler = void (TfrmHlavni::*)();

// Click handlers of imgCur1 ... imgCur47, by number.
constexpr std::array<Handler, kHotspotCount + 1> kHotspotClicks = {
    nullptr,
    &TfrmHlavni::imgCur1Click,  &TfrmHlavni::imgCur2Click,  &TfrmHlavni::imgCur3Click,
    &TfrmHlavni::imgCur4Click,  &TfrmHlavni::imgCur5Click,  &TfrmHlavni::imgCur6Click,
    &TfrmHlavni::imgCur7Click,  &TfrmHlavni::imgCur8Click,  &TfrmHlavni::imgCur9Click,
    &TfrmHlavni::imgCur10Click, &TfrmHlavni::imgCur11Click, &TfrmHlavni::imgCur12Click,
    &TfrmHlavni::imgCur13Click, &TfrmHlavni::imgCur14Click, &TfrmHlavni::imgCur15Click,
    &TfrmHlavni::imgCur16Click, &TfrmHlavni::imgCur17Click, &TfrmHlavni::imgCur18Click,
    &TfrmHlavni::imgCur19Click, &TfrmHlavni::imgCur20Click, &TfrmHlavni::imgCur21Click,
    &TfrmHlavni::imgCur22Click, &TfrmHlavni::imgCur23Click, &TfrmHlavni::imgCur24Click,
    &TfrmHlavni::imgCur25Click, &TfrmHlavni::imgCur26Click, &TfrmHlavni::imgCur27Click,
    &TfrmHlavni::imgCur28Click, &TfrmHlavni::imgCur29Click, &TfrmHlavni::imgCur30Click,
    &TfrmHlavni::imgCur31Click, &TfrmHlavni::imgCur32Click, &TfrmHlavni::imgCur33Click,
    &TfrmHlavni::imgCur34Click, &TfrmHlavni::imgCur35Click, &TfrmHlavni::imgCur36Click,
    &TfrmHlavni::imgCur37Click, &TfrmHlavni::imgCur38Click, &TfrmHlavni::imgCur39Click,
    &TfrmHlavni::imgCur40Click, &TfrmHlavni::imgCur41Click, &TfrmHlavni::imgCur42Click,
    &TfrmHlavni::imgCur43Click, &TfrmHlavni::imgCur44Click, &TfrmHlavni::imgCur45Click,
    &TfrmHlavni::imgCur46Click, &TfrmHlavni::imgCur47Click,
};

constexpr std::array<Handler, kMapSpotCount + 1> kMapClicks = {
    nullptr, &TfrmHlavni::imgMap1Click, &TfrmHlavni::imgMap2Click, &TfrmHlavni::imgMap3Click,
    &TfrmHlavni::imgMap4Click,
};

// The number after a prefix ("imgCur12" -> 12), or 0 when the name has another prefix.
int numberAfter(const std::string& name, const std::string& prefix) {
    if (name.rfind(prefix, 0) != 0) return 0;
    return std::stoi(name.substr(prefix.size()));
}

// A hotspot reaches no further than the scene picture: a column beside it would lie outside
// the shield and take clicks during a cutscene.
ui::Rect withinScene(ui::Rect r) {
    const int right = std::min(r.left + r.width, kSceneRect.left + kSceneRect.width);
    const int bottom = std::min(r.top + r.height, kSceneRect.top + kSceneRect.height);
    r.left = std::max(r.left, kSceneRect.left);
    r.top = std::max(r.top, kSceneRect.top);
    r.width = std::max(right - r.left, 0);
    r.height = std::max(bottom - r.top, 0);
    return r;
}

}  // namespace

TfrmHlavni::TfrmHlavni(ui::Clock& clk, ui::Platform& plat)
    : clock(clk),
      platform(plat),
      lblText("lblText", ui::ComponentKind::Label,
              {kPanelRect.left + kLblTextOffset.left, kPanelRect.top + kLblTextOffset.top, 0, 0}, changes),
      btnZpet("btnZpet", ui::ComponentKind::Button, kBtnZpetRect, changes),
      btnPruzkum("btnPruzkum", ui::ComponentKind::Button, kBtnPruzkumRect, changes),
      btnSpojit("btnSpojit", ui::ComponentKind::Button, kBtnSpojitRect, changes),
      lbPredmety(kLbPredmetyRect, item::rank, changes),
      Timer("Timer", kIntervalMedium, clk),
      TimerX("TimerX", kTimerXInterval, clk),
      Timer2("Timer2", kIntervalMedium, clk),
      TimerDead("TimerDead", kTimerDeadInterval, clk),
      script_(&story::gameScript()) {
    buildComponents();
    buildMenu();
    wireHandlers();
    btnZpet.setText(kZpetCaption);
    btnPruzkum.setText(kPruzkumCaption);
    btnSpojit.setText(kSpojitCaption);
    lbPredmety.setCatalogue(catalogue_);
}

TfrmHlavni::~TfrmHlavni() = default;

void TfrmHlavni::buildComponents() {
    for (const ComponentRow& row : componentTable()) {
        const bool spot = row.kind == ui::ComponentKind::Hotspot || row.kind == ui::ComponentKind::MapSpot;
        ui::Component& c = stack.add(row.name, row.kind, spot ? withinScene(row.rect) : row.rect);
        c.setHint(row.hint);
        const std::string name = row.name;
        if (int n = numberAfter(name, "imgCur"); n > 0) imgCur.at(static_cast<std::size_t>(n)) = &c;
        if (int n = numberAfter(name, "imgMap"); n > 0) imgMap.at(static_cast<std::size_t>(n)) = &c;
        if (int n = numberAfter(name, "imgInv"); n > 0) imgInv.at(static_cast<std::size_t>(n)) = &c;
        if (name == "imgHlavni") imgHlavni = &c;
        if (name == "imgClona") imgClona = &c;
        if (name == "lblX") lblX = &c;
        if (name == "lblkasa1") lblkasa1 = &c;
        if (name == "lblkasa2") lblkasa2 = &c;
    }
}

void TfrmHlavni::buildMenu() {
    for (const MenuRow& row : kMenuRows) mm.add(row.name, row.caption, row.parent != nullptr ? mm.find(row.parent) : nullptr);
    const auto item = [this](const char* name) { return mm.find(name); };
    mmHra = item("mmHra");
    mmNova = item("mmNova");
    mmNahrat = item("mmNahrat");
    mmKonec = item("mmKonec");
    mmNastaveni = item("mmNastaveni");
    mmRychlost = item("mmRychlost");
    mmVysoka = item("mmVysoka");
    mmStredni = item("mmStredni");
    mmNizka = item("mmNizka");
    mmZvuky = item("mmZvuky");
    mmInformace = item("mmInformace");
    mmOvladani = item("mmOvladani");
    mmOprogramu = item("mmOprogramu");
    mmStredni->setChecked(true);
    mmZvuky->setChecked(true);
}

void TfrmHlavni::setCatalogue(ui::Catalogue catalogue) {
    catalogue_ = std::move(catalogue);
    for (const auto& c : stack.all()) c->retranslate(catalogue_);
    for (ui::Component* c : {&lblText, &btnZpet, &btnPruzkum, &btnSpojit}) c->retranslate(catalogue_);
    for (const auto& menuItem : mm.all()) menuItem->retranslate(catalogue_);
    lbPredmety.setCatalogue(catalogue_);
    // The caption being typed is typed again, as far as it had got, in the new language.
    retypeLocationCaption();
}

void TfrmHlavni::wireHandlers() {
    for (int n = 1; n <= kHotspotCount; ++n) {
        const Handler click = kHotspotClicks.at(static_cast<std::size_t>(n));
        cur(n).onClick = [this, click] { (this->*click)(); };
        cur(n).onMouseMove = [this, n](int, int) { imgCurMouseMove(n); };
    }
    for (int n = 1; n <= kMapSpotCount; ++n) {
        const Handler click = kMapClicks.at(static_cast<std::size_t>(n));
        map(n).onClick = [this, click] { (this->*click)(); };
        map(n).onMouseMove = [this, n](int, int) { imgMapMouseMove(n); };
    }
    imgHlavni->onMouseMove = [this](int x, int y) { imgHlavniMouseMove(x, y); };
    btnZpet.onClick = [this] { btnZpetClick(); };
    btnPruzkum.onClick = [this] { btnPruzkumClick(); };
    btnSpojit.onClick = [this] { btnSpojitClick(); };
    lbPredmety.onClick = [this] { lbPredmetyClick(); };
    lbPredmety.onDoubleClick = [this] { lbPredmetyDblClick(); };

    mmNova->onClick = [this] { mmNovaClick(); };
    mmNahrat->onClick = [this] { mmNahratClick(); };
    mmKonec->onClick = [this] { mmKonecClick(); };
    mmNastaveni->onClick = [this] { mmNastaveniClick(); };
    mmVysoka->onClick = [this] { mmVysokaClick(); };
    mmStredni->onClick = [this] { mmStredniClick(); };
    mmNizka->onClick = [this] { mmNizkaClick(); };
    mmZvuky->onClick = [this] { mmZvukyClick(); };
    mmOvladani->onClick = [this] { mmOvladaniClick(); };
    mmOprogramu->onClick = [this] { mmOprogramuClick(); };

    Timer.onTimer = [this] { TimerTimer(); };
    TimerX.onTimer = [this] { TimerXTimer(); };
    Timer2.onTimer = [this] { Timer2Timer(); };
    TimerDead.onTimer = [this] { TimerDeadTimer(); };
}

void TfrmHlavni::loadPicture(ui::Component& target, const std::string& path) {
    target.setPicturePath(path);
    if (platform.loadPicture(path)) return;
    // Each missing file is named once; the state the handler changed stays as it is.
    if (reportedMissing_.insert(path).second) platform.inform(ui::fill(tr(message::kCannotLoadPicture), path));
}

void TfrmHlavni::playSound(const std::string& path) {
    if (state.soundOn == 1) playFile(path);
}

void TfrmHlavni::playGuardedSound(const std::string& path, std::int32_t& guard) {
    if (state.soundOn != 1 || guard != 0) return;
    playFile(path);
    guard = 1;
}

void TfrmHlavni::playFile(const std::string& path) {
    if (hurrying_ > 0) {
        heldBackSound_ = path;
        return;
    }
    if (platform.playSound(path)) return;
    if (reportedMissing_.insert(path).second) platform.inform(ui::fill(tr(message::kCannotPlaySound), path));
}

bool TfrmHlavni::sequenceRunning() const {
    return Timer.enabled() || TimerX.enabled() || Timer2.enabled();
}

void TfrmHlavni::setPlayerControls(bool shown) {
    for (ui::Component* button : {&btnZpet, &btnPruzkum, &btnSpojit}) {
        button->setEnabled(shown);
        button->setVisible(shown);
    }
    lbPredmety.setEnabled(shown);
    lbPredmety.setVisible(shown);
}

void TfrmHlavni::showOverlay(int n, bool shown) {
    cur(n).setEnabled(shown);
    cur(n).setVisible(shown);
}

void TfrmHlavni::clearLeftovers() {
    setLine("");
    for (ui::Component* till : {lblkasa1, lblkasa2}) {
        till->setEnabled(false);
        till->setVisible(false);
    }
    for (int n : {hotspot::Nail, hotspot::Hammer, hotspot::StoreroomLock, hotspot::FishingLine, hotspot::Wire,
                  hotspot::Rod, hotspot::Nut})
        showOverlay(n, false);
    map(mapspot::Factory).setVisible(false);
}

void TfrmHlavni::enableHotspots(std::initializer_list<int> hotspots) {
    for (int n : hotspots) cur(n).setEnabled(true);
}

void TfrmHlavni::disableHotspots(std::initializer_list<int> hotspots) {
    for (int n : hotspots) cur(n).setEnabled(false);
}

void TfrmHlavni::pickUp(std::int32_t& takenFlag, const std::string& caption, int overlay) {
    takenFlag = 1;
    dropHeldItem();
    addInventoryItem(caption);
    showOverlay(overlay, false);
}

void TfrmHlavni::stepInto(const std::string& picture) {
    state.sceneId += 1;
    state.pictureId += 2;
    if (!picture.empty()) showPicture(picture);
}

void TfrmHlavni::disableAllHotspots() {
    for (int n = 1; n <= kHotspotCount; ++n) cur(n).setEnabled(false);
}

}  // namespace app
