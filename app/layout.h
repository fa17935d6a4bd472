#pragma once
// The main window's controls as one table: kind, place and look. Positions
// are pixels from the top left of the client area (below the menu bar);
// a size of 0 x 0 means the control sizes itself to its text.

#include "platform/fonts.h"

#include <QColor>
#include <QRect>
#include <span>

namespace plenvik {

enum class ControlKind { Panel, Label, Canvas, ScrollBar, List, Button, Text, Magnifier, Logo };

// Colours that are not fixed but follow a setting.
enum class Tint { Fixed, Panel, Drawing };

struct ControlSpec {
    const char *name;
    ControlKind kind;
    QRect place;
    QColor background;   // invalid: none of its own
    QColor foreground;   // invalid: the default text colour
    Tint tint;
    Face face;
    double points;       // 0: the system default (MS Sans Serif 8.25)
    bool bold;
    bool italic;
    const char *text;
    const char *toolTip;
    bool visible;
};

// In creation order, which is also stacking order: later lies above.
std::span<const ControlSpec> mainWindowControls();

inline constexpr int kWindowWidth = 900;
inline constexpr int kWindowHeight = 631;
inline const QColor kWindowBackground{240, 250, 200};

} // namespace plenvik
