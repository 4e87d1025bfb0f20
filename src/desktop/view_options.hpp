// The player's choices of how the window shows the game, kept between runs.
#pragma once

namespace desktop {

struct ViewOptions {
    bool fullScreen = false;
    bool sharpPixels = false;  // "Ostré pixely": whole multiples only, else fit to the window
    bool largerText = false;   // "Větší písmo": a larger dialogue line
    friend bool operator==(const ViewOptions&, const ViewOptions&) = default;
};

}  // namespace desktop
