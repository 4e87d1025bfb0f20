// One component of a window: a picture, hotspot, label, button or the shield, with its look and handlers.
#pragma once

#include "ui/catalogue.hpp"
#include "ui/rect.hpp"

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

enum class ComponentKind { Picture, Hotspot, MapSpot, HeldPicture, Shield, Label, Button };

// Counts every visible change of the model, so a view repaints only when something changed.
struct ChangeCounter {
    std::uint64_t value = 0;
    void bump() { ++value; }
};

class Component {
public:
    Component(std::string name, ComponentKind kind, Rect rect, ChangeCounter& changes)
        : name_(std::move(name)), kind_(kind), rect_(rect), changes_(&changes) {}

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] ComponentKind kind() const { return kind_; }
    [[nodiscard]] const Rect& rect() const { return rect_; }
    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] bool visible() const { return visible_; }
    // The path the picture was loaded from; empty when the component carries none.
    [[nodiscard]] const std::string& picture() const { return picture_; }
    [[nodiscard]] const std::string& text() const { return text_; }
    [[nodiscard]] const std::string& hint() const { return hint_; }
    [[nodiscard]] int cursor() const { return cursor_; }

    void setEnabled(bool on) { change(enabled_, on); }
    void setVisible(bool on) { change(visible_, on); }
    // A text shown as it stands (digits, a typed caption).
    void setText(const std::string& text) {
        source_ = text;
        change(text_, text);
    }
    // A Czech source text, shown in the catalogue's language.
    void setText(const std::string& source, const Catalogue& catalogue) {
        source_ = source;
        change(text_, catalogue.translate(source));
    }
    void setHint(const std::string& source, const Catalogue& catalogue = Catalogue()) {
        hintSource_ = source;
        change(hint_, catalogue.translate(source));
    }
    // The text and hint again in another language.
    void retranslate(const Catalogue& catalogue) {
        change(text_, catalogue.translate(source_));
        change(hint_, catalogue.translate(hintSource_));
    }
    // The text as the game wrote it, before translation.
    [[nodiscard]] const std::string& sourceText() const { return source_; }
    void setCursor(int cursor) { change(cursor_, cursor); }
    void setLeft(int left) { change(rect_.left, left); }
    void setTop(int top) { change(rect_.top, top); }
    // Records the picture path only; the form decides whether the file could be read.
    void setPicturePath(const std::string& path) {
        picture_ = path;
        ++pictureLoads_;
        changes_->bump();
    }
    // Grows with every load, also of the same file, so a view knows when to decode again.
    [[nodiscard]] std::uint64_t pictureLoads() const { return pictureLoads_; }

    std::function<void()> onClick;
    std::function<void(int x, int y)> onMouseMove;  // x, y relative to the component's top-left

private:
    template <class T>
    void change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        changes_->bump();
    }

    std::string name_;
    ComponentKind kind_;
    Rect rect_;
    ChangeCounter* changes_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string picture_;
    std::string text_;
    std::string source_;
    std::string hint_;
    std::string hintSource_;
    int cursor_ = 0;
    std::uint64_t pictureLoads_ = 0;
};

}  // namespace ui
