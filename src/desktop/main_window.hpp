// The main window TfrmHlavni on screen: the menu bar, and the 1024 x 768 layout scaled as a whole
// to the window and centred, with the picture stack, the text panel, the three buttons and the
// inventory list.
#pragma once

#include "app/main_form.hpp"
#include "desktop/cursors.hpp"
#include "desktop/form_view.hpp"
#include "desktop/inventory_list_widget.hpp"
#include "desktop/layout_scale.hpp"
#include "desktop/menu_bridge.hpp"
#include "desktop/picture_store.hpp"
#include "desktop/view_options.hpp"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace desktop {

inline constexpr const char* kMainWindowCaption = "Kvelnor ";  // the title and one space

class LetterboxArea;
class PaceInput;
class PaceMenu;
class ViewMenu;

class MainWindow final : public QMainWindow {
public:
    // The form, cursors and store outlive the window; without a store pictures are read from
    // their files when they change.
    MainWindow(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures);
    ~MainWindow() override;

    // Shows what the model changed since the last refresh; does nothing when nothing changed.
    void refresh();

    // The view choices; setting them rescales and restyles at once.
    [[nodiscard]] const ViewOptions& viewOptions() const { return options_; }
    void setViewOptions(const ViewOptions& options);
    // Runs after the player changed a view choice (not after setViewOptions), and when the
    // window is closed, so its place can be kept.
    std::function<void()> afterViewChange;
    // Runs after every choice, shortcut or opening that reached the game's menu.
    std::function<void()> afterMenuInput;

    [[nodiscard]] const LayoutScale& layoutScale() const { return view_->layoutScale(); }
    [[nodiscard]] FormView& view() { return *view_; }
    [[nodiscard]] InventoryListWidget& inventoryList() { return *list_; }
    [[nodiscard]] QFrame& textPanel() { return *panel_; }
    [[nodiscard]] QLabel& lineLabel() { return *line_; }
    [[nodiscard]] QPushButton& buttonOf(const ui::Component& button);
    [[nodiscard]] MenuBridge& menu() { return *menu_; }
    [[nodiscard]] ViewMenu& viewMenu() { return *viewMenu_; }
    [[nodiscard]] PaceMenu& paceMenu() { return *paceMenu_; }

    // Shows the box "Historie rozhovorů" until the player closes it.
    void showDialogueHistory();
    // Runs a box: the game's clock is held around it (without, the box simply runs).
    std::function<void(const std::function<void()>& box)> runAsBox;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(ui::Component& model);
    void syncButtons();
    void syncSpojit();
    void syncLine();
    void fitLine();
    void syncShown();
    // Chooses the scale for the central area's size and lays the layout's widgets out at it.
    void placeLayout();
    void applyScale(const LayoutScale& scale);
    void styleFrame();
    void playerChangedView(const ViewOptions& options);

    app::TfrmHlavni& form_;
    PictureStore* pictures_;
    ViewOptions options_;
    LetterboxArea* area_ = nullptr;
    FormView* view_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* line_ = nullptr;
    InventoryListWidget* list_ = nullptr;
    QPushButton* btnZpet_ = nullptr;
    QPushButton* btnPruzkum_ = nullptr;
    QPushButton* btnSpojit_ = nullptr;
    std::unique_ptr<MenuBridge> menu_;
    std::unique_ptr<ViewMenu> viewMenu_;
    std::unique_ptr<PaceMenu> paceMenu_;
    std::unique_ptr<PaceInput> pace_;
    std::uint64_t shownChange_ = ~std::uint64_t{0};
    std::optional<std::string> shownHeld_;  // the held flags are state, not components: compared apart
    bool placed_ = false;  // laid out at a scale once
};

}  // namespace desktop
