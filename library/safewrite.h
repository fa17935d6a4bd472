#pragma once

class QByteArray;
class QSaveFile;
class QString;

namespace plenvik {

// Commits a save file only when everything written reached the disk.
// QSaveFile::commit() in Qt 6.4 can report success on a full file system
// after its final flush failed, replacing the old file with an empty one;
// flushing first and checking catches that and keeps the old file.
bool commitWhole(QSaveFile &file);

// Replaces the file at 'path' by 'bytes' atomically: a failure at any step
// leaves the earlier file whole. False on failure.
bool writeFileWhole(const QString &path, const QByteArray &bytes);

} // namespace plenvik
