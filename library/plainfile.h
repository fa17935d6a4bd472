#pragma once
// Opening a file to read it only when it is a plain file. A FIFO, a
// device or a socket under a page's name would hold the program waiting
// for ever on open() or read(); it is named as unreadable and left alone.

#include <QFile>
#include <QString>

namespace plenvik {

enum class Links { Refuse, Follow };

// Opens 'path' read-only in 'file' when it is a plain file: with
// Links::Refuse (the library's own files) never through a symbolic link,
// with Links::Follow (a file the user chose) through one to a plain file.
// False, 'file' closed, for anything else.
bool openPlainFile(QFile &file, const QString &path, Links links = Links::Refuse);

} // namespace plenvik
