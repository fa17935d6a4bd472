#pragma once
// Reading a stamp list from a file for "Album indelen".

#include <QString>
#include <optional>

namespace plenvik {

// The file's text (UTF-8, with or without a byte-order mark, or
// Windows-1252); nothing when it cannot be read or is over 1 MB, with the
// reason in the program's words.
std::optional<QString> readStampListFile(const QString &path, QString *why);

} // namespace plenvik
