#pragma once
// Opmaak.ini beside Plenvik.ini: the style new pages and the pages of
// "Album indelen" are given, when the collector chose one for them. One
// line, the design file's line for a page's style, CR LF. A missing or
// damaged file means today's style.

#include "design/pagestyle.h"

#include <QByteArray>
#include <QString>

namespace plenvik {

inline constexpr char kOpmaakSettingsFileName[] = "Opmaak.ini";

PaginaOpmaak parseOpmaakSettings(const QByteArray &data);
QByteArray opmaakSettingsBytes(const PaginaOpmaak &style);
PaginaOpmaak readOpmaakSettings(const QString &path);
// Atomic: a failure leaves the earlier file whole.
bool writeOpmaakSettings(const QString &path, const PaginaOpmaak &style);

} // namespace plenvik
