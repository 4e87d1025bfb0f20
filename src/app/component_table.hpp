// The rows of the main window's component table: name, kind, rectangle and hint.
#pragma once

#include "ui/component.hpp"

#include <string>
#include <vector>

namespace app {

struct ComponentRow {
    const char* name;
    ui::ComponentKind kind;
    ui::Rect rect;
    const char* hint;
};

const std::vector<ComponentRow>& componentTable();

// The child windows above the picture stack.
constexpr ui::Rect kPanelRect{112, 605, 800, 75};
constexpr ui::Rect kLblTextOffset{8, 8, 0, 0};  // inside the panel
constexpr ui::Rect kBtnZpetRect{16, 128, 89, 33};
constexpr ui::Rect kBtnPruzkumRect{16, 88, 89, 33};
constexpr ui::Rect kLbPredmetyRect{16, 176, 89, 377};
constexpr ui::Rect kBtnSpojitRect{16, 48, 89, 33};
constexpr ui::Rect kSceneRect{112, 0, 800, 600};
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;

}  // namespace app
