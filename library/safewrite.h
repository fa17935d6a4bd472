#pragma once
// Every file the program writes for the user (a page, a PDF, a settings
// file) is written beside its name under a hidden name of the program's own,
// ".<name>.plenvik-XXXXXX", and renamed into place only when it is whole.
// A failure at any step leaves the earlier file as it was; a write cut off
// by a crash leaves at most such a part file, which the next write of that
// name removes. Nothing else is ever removed: a name of that shape is the
// proof that the program made the file.
//
// A new file gets the mode any program's new file gets under the user's
// umask; a file that replaces another keeps the mode of the one it replaces.

#include <QFile>
#include <QString>

class QByteArray;

namespace plenvik {

class BesideFile {
public:
    explicit BesideFile(const QString &target);
    ~BesideFile(); // a part file not put in place is removed
    BesideFile(const BesideFile &) = delete;
    BesideFile &operator=(const BesideFile &) = delete;

    // Creates the part file, open for writing. False when it cannot be made.
    bool open();
    QFile &device() { return m_file; }
    QString partPath() const { return m_part; }

    // Flushes, checks that everything reached the disk, and renames the part
    // file over the target. False, with the target untouched, on any failure.
    bool commit();
    void cancel();

    // The first half of commit(): the part file is whole on the disk and
    // closed, and stays where it is; the caller puts it in place (or keeps
    // it for later) with placePart(). False, the part file gone, on failure.
    bool finish();
    // After finish(): the part file's path, which this object no longer
    // removes.
    QString release();

private:
    QString m_target;
    QString m_part;
    QFile m_file;
};

// Creates an empty part file for 'target' and returns its path (empty on
// failure), for writers that open files by name themselves. Part files left
// by earlier, cut-off writes of that name are removed first.
QString createPartFile(const QString &target);

// Puts a complete part file in place of 'target' and makes the rename
// durable; the part file is gone afterwards either way. Only a plain file
// of the user's own is put in place, never through a link.
bool putPartInPlace(const QString &partPath, const QString &target);

// As putPartInPlace, but a part file that could not be put in place stays,
// for a write of several files that must finish later what it began.
bool placePart(const QString &partPath, const QString &target);

// The file a write of 'target' replaces: a symbolic link is written
// through, to the file it names, as editors do.
QString writtenPath(const QString &target);

// True when 'entry' (a name in the target's folder) is a part file of the
// file named 'targetName'.
bool isPartFileOf(const QString &entry, const QString &targetName);

// Removes the part files that earlier, cut-off writes of 'target' left.
void removeLeftParts(const QString &target);

// Replaces the file at 'path' by 'bytes' as above. False on failure.
bool writeFileWhole(const QString &path, const QByteArray &bytes);

// True when 'path' names a plain file of the user's own, itself and not
// through a link, with no second name: the only kind of part file the
// program ever puts in place.
bool isOwnPlainFile(const QString &path);

// Makes the folder's entries (renames, new and removed names) durable, as
// databases do after a rename: until then a power cut may undo them.
void syncFolder(const QString &folder);

} // namespace plenvik
