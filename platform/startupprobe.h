#pragma once
// Instrumentation for the start-up benchmark only: with PLENVIK_STARTUP_PROBE
// set, the program prints the monotonic clock when its window is first
// exposed and leaves at once. Users never set it.

class QWidget;

namespace plenvik {

void installStartupProbe(QWidget &window);

} // namespace plenvik
