// The main window's picture and label stack, drawn at the layout's scale; mouse moves and clicks
// are mapped back to layout coordinates and go to the component the core's hit test names, and
// its cursor and hint are shown.
#pragma once

#include "app/main_form.hpp"
#include "desktop/cursors.hpp"
#include "desktop/layout_scale.hpp"
#include "desktop/picture_store.hpp"

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace desktop {

class FormView final : public QWidget {
public:
    // Without a store, pictures are decoded from their files when they change.
    FormView(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures, QWidget* parent = nullptr);

    // Decodes the pictures of components whose picture was loaded since the last refresh, and
    // repaints. Called only when the model changed.
    void refresh();

    // Draws the layout at this scale; the view takes the layout's size at it.
    void setLayoutScale(const LayoutScale& scale);
    [[nodiscard]] const LayoutScale& layoutScale() const { return scale_; }

    // After the scene changed under a pointer that did not move: the pointer's place is given
    // to the core again, as a move, and the cursor of what lies there now is shown.
    void replayPointer();

    // The decoded picture drawn for a component (null when it carries none).
    [[nodiscard]] QImage imageOf(const ui::Component& component) const;

    // Every hotspot and map spot a click would reach is outlined with its hint while Tab is held
    // or while the player chose so in the menu; the model is only read.
    void setRevealHeld(bool held);
    void setRevealChosen(bool chosen);
    [[nodiscard]] bool revealing() const { return revealHeld_ || revealChosen_; }
    // The spots outlined now (none while not revealing or while the shield is up).
    [[nodiscard]] std::vector<const ui::Component*> revealedSpots() const;

    // Runs after every mouse event passed to the core.
    std::function<void()> afterInput;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct DecodedPicture {
        std::uint64_t loads = 0;
        QImage image;
        QImage scaled;  // the part drawn, at the current scale; null until needed
    };

    ui::Component* componentAt(ui::Point point) const;
    void showCursorAt(ui::Point point);
    void paintPicture(QPainter& painter, const ui::Component& component, DecodedPicture& decoded);
    void paintLabel(QPainter& painter, const ui::Component& label) const;
    const QPixmap& backdrop();
    void paintReveal(QPainter& painter) const;

    app::TfrmHlavni& form_;
    const CursorTable& cursors_;
    PictureStore* store_;
    LayoutScale scale_;
    std::unordered_map<const ui::Component*, DecodedPicture> pictures_;
    QPixmap backdrop_;
    std::string drawnLanguage_ = ui::kSourceLanguage;  // the language the pictures were last decoded for
    QRegion drawnBeyondScene_;  // what the last refresh drew outside the scene picture
    ui::Component* pressed_ = nullptr;
    std::optional<QPointF> pointer_;  // where the pointer last was over the view
    bool delivering_ = false;         // a mouse event is being passed to the core
    bool revealHeld_ = false;
    bool revealChosen_ = false;
};

}  // namespace desktop
