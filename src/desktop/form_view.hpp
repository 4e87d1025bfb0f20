// The main window's picture and label stack drawn at its designed coordinates; mouse moves and
// clicks go to the component the core's hit test names, and its cursor and hint are shown.
#pragma once

#include "app/main_form.hpp"
#include "desktop/cursors.hpp"
#include "desktop/picture_store.hpp"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <unordered_map>

namespace desktop {

class FormView final : public QWidget {
public:
    // Without a store, pictures are decoded from their files when they change.
    FormView(app::TfrmHlavni& form, const CursorTable& cursors, PictureStore* pictures, QWidget* parent = nullptr);

    // Decodes the pictures of components whose picture was loaded since the last refresh, and
    // repaints. Called only when the model changed.
    void refresh();

    // The decoded picture drawn for a component (null when it carries none).
    [[nodiscard]] QImage imageOf(const ui::Component& component) const;

    // Runs after every mouse event passed to the core.
    std::function<void()> afterInput;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct DecodedPicture {
        std::uint64_t loads = 0;
        QImage image;
    };

    ui::Component* componentAt(QPoint point) const;
    void showCursorAt(QPoint point);
    void paintLabel(QPainter& painter, const ui::Component& label) const;

    app::TfrmHlavni& form_;
    const CursorTable& cursors_;
    PictureStore* store_;
    std::unordered_map<const ui::Component*, DecodedPicture> pictures_;
    ui::Component* pressed_ = nullptr;
};

}  // namespace desktop
