// Story ticks with a meaning of their own outside the script rows.
#pragma once

namespace story {

// The reception conversation parks the clock here, whichever of its last two ticks ran;
// entering the room resumes the clock only from this value.
inline constexpr int kParkedTick = 127;

}  // namespace story
