#include "desktop/inventory_list_widget.hpp"

#include "desktop/fonts.hpp"

#include <QMouseEvent>

#include <string>
#include <vector>

namespace desktop {

InventoryListWidget::InventoryListWidget(ui::SortedList& list, QWidget* parent) : QListWidget(parent), list_(list) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The model owns the selection: no keyboard navigation or drag selection may change it.
    setFocusPolicy(Qt::NoFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setFont(narrowFont(kDefaultFontPixels));
    // The highlight shows what is in the hand, never what the pointer passes over.
    viewport()->setAttribute(Qt::WA_Hover, false);
    setWordWrap(true);  // a caption too long even for the narrow font takes two lines
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(false);
    sync();
}

void InventoryListWidget::sync(const std::optional<std::string>& held) {
    std::vector<QString> captions;
    for (const std::string& caption : list_.shownCaptions()) captions.push_back(QString::fromStdString(caption));
    bool same = static_cast<int>(captions.size()) == count();
    for (int row = 0; same && row < count(); ++row) same = item(row)->text() == captions[static_cast<std::size_t>(row)];
    if (!same) {
        clear();
        for (const QString& caption : captions) addItem(caption);
    }
    // The model's own selection stays the rules' business: it outlives the hand (Zpět, an item
    // used up), and a highlight then would look as if the item were still held.
    std::optional<int> highlighted;
    if (held)
        for (int row = 0; row < count() && !highlighted; ++row)
            if (captions[static_cast<std::size_t>(row)] == QString::fromStdString(*held)) highlighted = row;
    for (int row = 0; row < count(); ++row) item(row)->setSelected(highlighted == row);
    if (highlighted) scrollToItem(item(*highlighted));
    setEnabled(list_.enabled());
    setVisible(list_.visible());
}

std::optional<int> InventoryListWidget::entryAt(QPoint point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) return std::nullopt;
    return index.row();
}

void InventoryListWidget::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void InventoryListWidget::mouseMoveEvent(QMouseEvent* /*event*/) {}

void InventoryListWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    // The release that ends a double click is not a click of its own.
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    if (!viewport()->rect().contains(event->position().toPoint())) return;
    list_.click(entryAt(event->position().toPoint()));
    if (afterInput) afterInput();
}

void InventoryListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    releaseEndsDoubleClick_ = true;
    // The first press and release of the double click already went through click().
    if (const std::optional<int> entry = entryAt(event->position().toPoint())) {
        list_.completeDoubleClick(*entry);
        if (afterInput) afterInput();
    }
}

}  // namespace desktop
