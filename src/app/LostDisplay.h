#pragma once
// The display connection breaking (the X server gone at a logout, with no
// signal sent): the toolkit would end the process on the spot.

#include <functional>

namespace sk {

// From now on a lost display runs `keepSession` (which must not return and
// must not touch any window) instead; the cause goes to stderr first. Call
// once the toolkit has opened its display.
void OnLostDisplay(std::function<void()> keepSession);

}  // namespace sk
