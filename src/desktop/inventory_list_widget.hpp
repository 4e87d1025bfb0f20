// The inventory list as a Qt list driven by the model's SortedList: it shows the model's entries,
// highlights the entry of the item in the hand, and passes clicks (on an entry or the empty area)
// and double clicks to it.
#pragma once

#include "ui/sorted_list.hpp"

#include <QListWidget>

#include <functional>
#include <optional>
#include <string>

namespace desktop {

class InventoryListWidget final : public QListWidget {
public:
    explicit InventoryListWidget(ui::SortedList& list, QWidget* parent = nullptr);

    // Shows the model's entries, enabled and visible state, and highlights the first entry with
    // the caption of the item in the hand (none with an empty hand).
    void sync(const std::optional<std::string>& held = std::nullopt);

    // Runs after every click passed to the model.
    std::function<void()> afterInput;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The entry under a point of the viewport, or none for the empty area.
    std::optional<int> entryAt(QPoint point) const;

    ui::SortedList& list_;
    bool pressed_ = false;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace desktop
