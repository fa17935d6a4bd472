#pragma once
// Papier.ini beside Plenvik.ini: the sheet new pages are made on, the
// width on the first line and the height on the second, in millimetres
// with at most one decimal and a point, CR LF. A missing or damaged file
// means A4.

#include "design/sheet.h"

#include <QByteArray>
#include <QString>

namespace plenvik {

inline constexpr char kSheetSettingsFileName[] = "Papier.ini";

Sheet parseSheetSettings(const QByteArray &data);
QByteArray sheetSettingsBytes(const Sheet &sheet);
Sheet readSheetSettings(const QString &path);
// Atomic: a failure leaves the earlier file whole.
bool writeSheetSettings(const QString &path, const Sheet &sheet);

} // namespace plenvik
