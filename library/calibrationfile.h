#pragma once
// Ijking.ini beside Plenvik.ini: the measurements of each calibrated
// printer, one line a printer: its name in quotes, then A, B, C and D in
// millimetres, CR LF after each line, Windows-1252. A name Windows-1252
// cannot hold is written U"..." in percent-encoded UTF-8, so no two printers
// ever share a line. A missing file, or a line that cannot be read, means
// no correction for that printer; lines of other printers, and lines this
// program cannot place, are kept as they are.

#include "design/calibration.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace plenvik {

inline constexpr char kCalibrationFileName[] = "Ijking.ini";

std::optional<IjkMaten> readCalibration(const QString &path, const QString &printer);
std::optional<IjkMaten> findCalibration(const QByteArray &file, const QString &printer);

// The file with the printer's line replaced, added, or removed (nullopt);
// the other printers' lines as they were.
QByteArray withCalibration(const QByteArray &file, const QString &printer, const std::optional<IjkMaten> &maten);

// Atomic: a failure leaves the earlier file whole.
bool writeCalibration(const QString &path, const QString &printer, const std::optional<IjkMaten> &maten);

} // namespace plenvik
