#pragma once
// Indelen.ini beside Plenvik.ini: the fields of " Album indelen" as they
// stood when the window last closed, a line each, CR LF, Windows-1252:
// Naam, Titel, Eerste paginanummer, Tussenruimte, Rijafstand, Marge (in
// millimetres with one decimal, a point) and 1 or 0 for "Elke uitgifte op
// een nieuwe pagina". A missing or damaged line gives that field's default.

#include "design/albumlayout.h"

#include <QByteArray>
#include <QString>

namespace plenvik {

inline constexpr char kIndelenSettingsFileName[] = "Indelen.ini";
// What the window's fields take, and the file keeps.
inline constexpr int kMaxEerstePagina = 9999;
inline constexpr int kMaxMargeTiende = 200;

IndelenVelden parseIndelenSettings(const QByteArray &data);
QByteArray indelenSettingsBytes(const IndelenVelden &velden);
IndelenVelden readIndelenSettings(const QString &path);
// Atomic: a failure leaves the earlier file whole.
bool writeIndelenSettings(const QString &path, const IndelenVelden &velden);

} // namespace plenvik
