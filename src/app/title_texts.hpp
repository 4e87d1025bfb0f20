// The words drawn into the title picture, in Czech. They are the game's own words, not a sign of
// the village, so each language's catalogue translates them and the title is drawn again in them.
#pragma once

#include <array>

namespace app::title {

inline constexpr const char* kPresents = "Studio Kvelnor uvádí";
inline constexpr const char* kSubtitle = "Záhada zmizelého inženýra";
inline constexpr const char* kHowToStart = "Novou hru začnete v nabídce Hra → Nová";

inline constexpr std::array kAll = {kPresents, kSubtitle, kHowToStart};

}  // namespace app::title
