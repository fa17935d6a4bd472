#pragma once

namespace plenvik {

// Waits the given seconds on a monotonic clock while the window keeps
// handling its events. Zero or less returns at once.
void Pause(const float &seconds);

} // namespace plenvik
