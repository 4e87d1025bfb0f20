#include "explore/state_codec.hpp"

#include "app/main_form.hpp"

#include <stdexcept>

namespace explore {

namespace {

// Numbers as LEB128 varints, signed ones zigzagged: small values take one byte, and every
// field is self-delimiting, so equal bytes mean equal states. Writes go through a raw pointer
// into room made beforehand, since keys are written for every action tried.
constexpr std::size_t kMaxNumberBytes = 5;

class Writer {
public:
    Writer(Bytes& out, std::size_t most) : out_(out), start_(out.size()) {
        out.resize(start_ + most);
        at_ = out.data() + start_;
    }
    ~Writer() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void number(std::uint32_t v) {
        while (v >= 0x80) {
            *at_++ = static_cast<std::uint8_t>(v | 0x80);
            v >>= 7;
        }
        *at_++ = static_cast<std::uint8_t>(v);
    }
    void integer(std::int32_t v) { number((static_cast<std::uint32_t>(v) << 1) ^ static_cast<std::uint32_t>(v >> 31)); }
    void byte(std::uint8_t b) { *at_++ = b; }
    void bit(bool on) {
        if (bits_ == 8) {
            bitByte_ = at_++;
            *bitByte_ = 0;
            bits_ = 0;
        }
        if (on) *bitByte_ = static_cast<std::uint8_t>(*bitByte_ | (1U << bits_));
        ++bits_;
    }
    // The next bit starts a new byte.
    void endBits() { bits_ = 8; }

private:
    Bytes& out_;
    std::size_t start_;
    std::uint8_t* at_;
    std::uint8_t* bitByte_ = nullptr;
    int bits_ = 8;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t number() {
        std::uint32_t v = 0;
        for (int shift = 0;; shift += 7) {
            const std::uint8_t b = byte();
            v |= static_cast<std::uint32_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) return v;
        }
    }
    std::int32_t integer() {
        const std::uint32_t z = number();
        return static_cast<std::int32_t>((z >> 1) ^ (0U - (z & 1)));
    }
    bool bit() {
        if (bit_ % 8 == 0) bits_ = byte();
        return ((bits_ >> (bit_++ % 8)) & 1) != 0;
    }
    void endBits() { bit_ = 0; }
    [[nodiscard]] bool done() const { return at_ == bytes_.size(); }

private:
    std::uint8_t byte() {
        if (at_ >= bytes_.size()) throw std::logic_error("explorer: a stored state ends too early");
        return bytes_[at_++];
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    std::uint8_t bits_ = 0;
    int bit_ = 0;
};

bool steersPlay(const ui::Component& c) {
    switch (c.kind()) {
        case ui::ComponentKind::Hotspot:
        case ui::ComponentKind::MapSpot:
        case ui::ComponentKind::Shield:
        case ui::ComponentKind::Button:
            return true;
        default:
            return false;
    }
}

std::array<ui::Timer*, 4> timersOf(app::TfrmHlavni& f) { return {&f.Timer, &f.TimerX, &f.Timer2, &f.TimerDead}; }

}  // namespace

std::uint32_t StringNumbers::number(const std::string& s) {
    const std::lock_guard lock(mutex_);
    auto [it, fresh] = numbers_.try_emplace(s, static_cast<std::uint32_t>(strings_.size()));
    if (fresh) strings_.push_back(s);
    return it->second;
}

const std::string& StringNumbers::text(std::uint32_t n) {
    const std::lock_guard lock(mutex_);
    return strings_.at(n);
}

std::size_t StringNumbers::bytes() {
    const std::lock_guard lock(mutex_);
    std::size_t total = 0;
    for (const std::string& s : strings_) total += 2 * (sizeof s + s.capacity()) + sizeof(std::uint32_t);
    return total;
}

StateCodec::StateCodec(app::TfrmHlavni& form, SharedStrings& strings) : form_(form), strings_(strings) {
    for (const auto& c : form.stack.all()) components_.push_back(c.get());
    for (ui::Component* c : {&form.lblText, &form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) components_.push_back(c);
    for (std::size_t i = 0; i < components_.size(); ++i)
        if (steersPlay(*components_[i])) steering_.push_back(i);
    remembered_.resize(components_.size());
    loadsAfterRestore_.resize(components_.size());
    // The game's variables, held flags and timer intervals as numbers, the list's length, and
    // the bits: held flags, steering components, the list and the timers.
    std::size_t scalars = 0;
    app::forEachScalar(form.state, [&](const char*, std::int32_t) { ++scalars; });
    fixedKeyBytes_ = kMaxNumberBytes * (scalars + app::kHeldFlagCount + 4 + 1) +
                     (1 + app::kHeldFlagCount + 2 * steering_.size() + 6) / 8 + 1;
}

void StateCodec::key(Bytes& out) {
    const app::GameState& s = form_.state;
    const ui::SortedList& list = form_.lbPredmety;
    const std::size_t count = static_cast<std::size_t>(list.count());
    Writer w(out, fixedKeyBytes_ + kMaxNumberBytes * count);
    app::forEachScalar(s, [&](const char*, std::int32_t v) { w.integer(v); });
    // Held flags are 0 or 1, one bit each; anything else follows the bits as numbers.
    bool binary = true;
    for (int k = 1; k <= app::kHeldFlagCount; ++k) binary = binary && (s.heldFlags.at(static_cast<std::size_t>(k)) & ~1) == 0;
    w.bit(binary);
    for (int k = 1; binary && k <= app::kHeldFlagCount; ++k) w.bit(s.heldFlags.at(static_cast<std::size_t>(k)) != 0);
    for (const std::size_t i : steering_) {
        w.bit(components_[i]->enabled());
        w.bit(components_[i]->visible());
    }
    w.bit(list.enabled());
    w.bit(list.visible());
    const auto timers = timersOf(form_);
    for (const ui::Timer* t : timers) w.bit(t->enabled());
    w.endBits();
    for (int k = 1; !binary && k <= app::kHeldFlagCount; ++k) w.integer(s.heldFlags.at(static_cast<std::size_t>(k)));
    for (const ui::Timer* t : timers) w.integer(t->interval());

    w.number(static_cast<std::uint32_t>(count));
    bool asRestored = restored_ != nullptr && restored_->inventory.size() == count;
    for (std::size_t p = 0; asRestored && p < count; ++p)
        asRestored = list.caption(static_cast<int>(p)) == *restored_->inventory[p];
    for (std::size_t p = 0; p < count; ++p)
        w.number(asRestored ? restored_->inventoryNumbers[p] : strings_.captions.number(list.caption(static_cast<int>(p))));
}

void StateCodec::look(Bytes& out) {
    Writer w(out, components_.size() * (1 + 5 * kMaxNumberBytes) + kMaxNumberBytes + form_.mm.all().size() / 4 + 1);
    for (std::size_t i = 0; i < components_.size(); ++i) {
        const ui::Component& c = *components_[i];
        Remembered& r = remembered_[i];
        if (!r.known || c.picture() != r.picture) {
            r.picture = c.picture();
            r.pictureNumber = strings_.looks.number(r.picture);
        }
        if (!r.known || c.text() != r.text) {
            r.text = c.text();
            r.textNumber = strings_.looks.number(r.text);
        }
        r.known = true;
        w.byte(static_cast<std::uint8_t>((c.enabled() ? 1 : 0) | (c.visible() ? 2 : 0)));
        w.integer(c.rect().left);
        w.integer(c.rect().top);
        w.integer(c.cursor());
        w.number(r.pictureNumber);
        w.number(r.textNumber);
    }
    const std::optional<int> selected = form_.lbPredmety.selected();
    w.number(selected ? static_cast<std::uint32_t>(*selected) + 1 : 0);
    for (const auto& item : form_.mm.all()) {
        w.bit(item->enabled());
        w.bit(item->checked());
    }
}

void StateCodec::decode(std::span<const std::uint8_t> key, std::span<const std::uint8_t> look, DecodedState& out) {
    if (&out == restored_) restored_ = nullptr;
    out.generation = ++generations_;
    Reader k(key);
    app::forEachScalar(out.state, [&](const char*, std::int32_t& v) { v = k.integer(); });
    const bool binary = k.bit();
    for (int f = 1; binary && f <= app::kHeldFlagCount; ++f) out.state.heldFlags.at(static_cast<std::size_t>(f)) = k.bit() ? 1 : 0;
    for (std::size_t i = 0; i < steering_.size(); ++i) {
        k.bit();  // enabled and visible come again in the look
        k.bit();
    }
    out.listEnabled = k.bit();
    out.listVisible = k.bit();
    for (DecodedState::Timer& t : out.timers) t.enabled = k.bit();
    k.endBits();
    for (int f = 1; !binary && f <= app::kHeldFlagCount; ++f) out.state.heldFlags.at(static_cast<std::size_t>(f)) = k.integer();
    for (DecodedState::Timer& t : out.timers) t.interval = k.integer();
    out.inventory.resize(k.number());
    out.inventoryNumbers.resize(out.inventory.size());
    for (std::size_t p = 0; p < out.inventory.size(); ++p) {
        out.inventoryNumbers[p] = k.number();
        out.inventory[p] = &captionText(out.inventoryNumbers[p]);
    }
    if (!k.done()) throw std::logic_error("explorer: a stored key is longer than its state");

    Reader l(look);
    out.components.resize(components_.size());
    for (DecodedState::Component& c : out.components) {
        const std::uint32_t shown = l.number();
        c.enabled = (shown & 1) != 0;
        c.visible = (shown & 2) != 0;
        c.left = l.integer();
        c.top = l.integer();
        c.cursor = l.integer();
        c.picture = &lookText(l.number());
        c.text = &lookText(l.number());
    }
    const std::uint32_t selected = l.number();
    out.selected = selected == 0 ? std::nullopt : std::optional<int>(static_cast<int>(selected - 1));
    const auto& items = form_.mm.all();
    out.menuEnabled.resize(items.size());
    out.menuChecked.resize(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        out.menuEnabled[i] = l.bit();
        out.menuChecked[i] = l.bit();
    }
}

void StateCodec::restore(const DecodedState& s) {
    const bool again = restored_ == &s && restoredGeneration_ == s.generation;
    form_.state = s.state;
    for (std::size_t i = 0; i < components_.size(); ++i) {
        ui::Component& c = *components_[i];
        const DecodedState::Component& cs = s.components[i];
        c.setEnabled(cs.enabled);
        c.setVisible(cs.visible);
        c.setLeft(cs.left);
        c.setTop(cs.top);
        c.setCursor(cs.cursor);
        // A picture not loaded since this state was last restored is still its picture.
        if ((!again || c.pictureLoads() != loadsAfterRestore_[i]) && c.picture() != *cs.picture)
            c.setPicturePath(*cs.picture);
        loadsAfterRestore_[i] = c.pictureLoads();
        c.setText(*cs.text);
    }
    // The list keeps its entries sorted, so the same captions are the same list.
    ui::SortedList& list = form_.lbPredmety;
    bool same = static_cast<std::size_t>(list.count()) == s.inventory.size();
    for (int p = 0; same && p < list.count(); ++p) same = list.caption(p) == *s.inventory[static_cast<std::size_t>(p)];
    if (!same) {
        list.clear();
        for (const std::string* caption : s.inventory) list.append(*caption);
    }
    list.select(s.selected);
    list.setEnabled(s.listEnabled);
    list.setVisible(s.listVisible);
    const auto timers = timersOf(form_);
    for (std::size_t i = 0; i < timers.size(); ++i) {
        timers.at(i)->setEnabled(false);
        timers.at(i)->setInterval(s.timers.at(i).interval);
        timers.at(i)->setEnabled(s.timers.at(i).enabled);
    }
    const auto& items = form_.mm.all();
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i]->setEnabled(s.menuEnabled[i]);
        if (items[i]->checked() != s.menuChecked[i]) items[i]->setChecked(s.menuChecked[i]);
    }
    restored_ = &s;
    restoredGeneration_ = s.generation;
}

const std::string& StateCodec::lookText(std::uint32_t n) {
    if (n >= lookTexts_.size()) lookTexts_.resize(n + 1, nullptr);
    if (lookTexts_[n] == nullptr) lookTexts_[n] = &strings_.looks.text(n);
    return *lookTexts_[n];
}

const std::string& StateCodec::captionText(std::uint32_t n) {
    if (n >= captionTexts_.size()) captionTexts_.resize(n + 1, nullptr);
    if (captionTexts_[n] == nullptr) captionTexts_[n] = &strings_.captions.text(n);
    return *captionTexts_[n];
}

}  // namespace explore
