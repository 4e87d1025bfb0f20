// The agent's four short remarks to himself and the Timer2 frames each is shown on.
#pragma once

#include <string>
#include <vector>

namespace sequences {

struct Remark {
    int startFrame;  // remarkFrame a caller sets before starting Timer2
    int firstShown;  // remarkFrame after the first increment
    int lastShown;
    int endFrame;    // the line is cleared and Timer2 stops
    std::string text;
};

// The remarks in order of their start frames 0, 6, 12 and 16.
const std::vector<Remark>& remarks();

}  // namespace sequences
