// The main window TfrmHlavni on screen: the menu bar, and the 1024 x 768 layout centred in the
// window with the picture stack, the text panel, the three buttons and the inventory list.
#pragma once

#include "app/main_form.hpp"
#include "desktop/cursors.hpp"
#include "desktop/form_view.hpp"
#include "desktop/inventory_list_widget.hpp"
#include "desktop/menu_bridge.hpp"
#include "desktop/picture_store.hpp"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include <cstdint>
#include <memory>

namespace desktop {

inline constexpr const char* kMainWindowCaption = "Kvelnor ";  // the title and one space

class MainWindow final : public QMainWindow {
public:
    // The form, cursors and store outlive the window; without a store pictures are read from
    // their files when they change.
    MainWindow(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures);
    ~MainWindow() override;

    // Shows what the model changed since the last refresh; does nothing when nothing changed.
    void refresh();

    [[nodiscard]] FormView& view() { return *view_; }
    [[nodiscard]] InventoryListWidget& inventoryList() { return *list_; }
    [[nodiscard]] QFrame& textPanel() { return *panel_; }
    [[nodiscard]] QLabel& lineLabel() { return *line_; }
    [[nodiscard]] QPushButton& buttonOf(const ui::Component& button);
    [[nodiscard]] MenuBridge& menu() { return *menu_; }

private:
    QPushButton* addButton(ui::Component& model);
    void syncButtons();
    void syncLine();

    app::TfrmHlavni& form_;
    PictureStore* pictures_;
    FormView* view_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* line_ = nullptr;
    InventoryListWidget* list_ = nullptr;
    QPushButton* btnZpet_ = nullptr;
    QPushButton* btnPruzkum_ = nullptr;
    QPushButton* btnSpojit_ = nullptr;
    std::unique_ptr<MenuBridge> menu_;
    std::uint64_t shownChange_ = ~std::uint64_t{0};
};

}  // namespace desktop
