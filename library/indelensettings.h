#pragma once
// Indelen.ini beside Plenvik.ini: the fields of " Album indelen" as they
// stood when the window last closed, a line each, CR LF, Windows-1252:
// Naam, Titel, Eerste paginanummer, Tussenruimte, Rijafstand, Marge (in
// millimetres with one decimal, a point), 1 or 0 for "Elke uitgifte op een
// nieuwe pagina", and the Vervolgtekst between double quotes. A missing or
// damaged line gives that field's default.
//
// The Naam names files, and a file name may hold any character: one that
// Windows-1252 cannot hold is kept as U"..." in percent-encoded UTF-8, as
// Ijking.ini keeps a printer's name.

#include "design/albumlayout.h"

#include <QByteArray>
#include <QString>

namespace plenvik {

inline constexpr char kIndelenSettingsFileName[] = "Indelen.ini";
// 'vervolg' is the Vervolgtekst where the file has none: the window's
// language's own.
IndelenVelden parseIndelenSettings(const QByteArray &data, const QString &vervolg);
QByteArray indelenSettingsBytes(const IndelenVelden &velden);
IndelenVelden readIndelenSettings(const QString &path, const QString &vervolg);
// Atomic: a failure leaves the earlier file whole.
bool writeIndelenSettings(const QString &path, const IndelenVelden &velden);

} // namespace plenvik
