#include "library/opmaaksettings.h"

#include "library/designfields.h"
#include "library/designstyle.h"
#include "library/plainfile.h"
#include "library/safewrite.h"

#include <QFile>

namespace plenvik {

PaginaOpmaak parseOpmaakSettings(const QByteArray &data)
{
    Parser p(data);
    const auto tag = p.any();
    PaginaOpmaak read;
    QString error;
    if (!tag || !tag->quoted || tag->text != kDesignStyleTag || !readStyleLine(p, *tag, read, &error) || !p.atEnd())
        return {};
    // Good for some paper: the smallest sheet is the one every style must fit.
    if (!opmaakFout(read, Sheet{kMinSheetMm, kMinSheetMm}).isEmpty() && !opmaakFout(read, kSheetA4).isEmpty())
        return {};
    return read;
}

QByteArray opmaakSettingsBytes(const PaginaOpmaak &style)
{
    PageDesign d;
    d.opmaak = style;
    QByteArray out;
    if (style.isToday())
        return out;
    appendStyleLine(out, d);
    return out;
}

PaginaOpmaak readOpmaakSettings(const QString &path)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return {};
    return parseOpmaakSettings(file.read(4096));
}

bool writeOpmaakSettings(const QString &path, const PaginaOpmaak &style)
{
    return writeFileWhole(path, opmaakSettingsBytes(style));
}

} // namespace plenvik
