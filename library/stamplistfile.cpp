#include "library/stamplistfile.h"

#include "design/stamplist.h"

#include <QCoreApplication>
#include <QFile>
#include "library/plainfile.h"

namespace plenvik {

std::optional<QString> readStampListFile(const QString &path, QString *why)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow)) {
        *why = QCoreApplication::translate("StampList", "Kan het bestand '%1' niet lezen.").arg(path);
        return std::nullopt;
    }
    // Read one byte past the limit to know a larger file without reading it all.
    const QByteArray bytes = file.read(kListMaxBytes + 1);
    if (bytes.size() > kListMaxBytes) {
        *why = QCoreApplication::translate("StampList", "Het bestand '%1' is groter dan 1 MB; dat is geen lijst van zegels.").arg(path);
        return std::nullopt;
    }
    return decodeStampList(bytes);
}

} // namespace plenvik
