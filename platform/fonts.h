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

// A page's own font ('lettertype', empty for the program's own): its
// installed name, or empty when it is the program's own or not installed,
// so that the program's font stands in for it.
QString installedPageFamily(const QString &lettertype);
// The font a page is drawn in on the screen: its own where installed, else
// the program's face, as screenFont() gives it.
QFont pageFont(const QString &lettertype, double points, bool bold = false, bool italic = false);

} // namespace plenvik
