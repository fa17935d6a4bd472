#pragma once
// The window's fonts by the faces the layout names. Sizes are points at 96 DPI
// (p x 4/3 pixels), set as pixel sizes so the layout does not follow the
// screen's logical DPI.
//
// Fall-backs: Arial is Liberation Sans (same metrics). MS Sans Serif, a bitmap
// face of old Windows, is also served by Liberation Sans, whose widths are close
// to it; DejaVu Sans, fontconfig's own choice, runs wider and crowds the
// fixed label places. Comic Sans MS is used when installed, then Comic Neue,
// then Liberation Sans, so the listing stays a plain readable face.

#include <QFont>
#include <QStringList>

namespace plenvik {

enum class Face { Arial, MsSansSerif, ComicSansMs };

QFont screenFont(Face face, double points, bool bold = false, bool italic = false);

// The font families installed on this computer, sorted, each once; read
// once a run, when first asked.
const QStringList &installedFontFamilies();

} // namespace plenvik
