#include "library/sheetsettings.h"

#include "design/units.h"
#include "library/linefile.h"
#include "library/safewrite.h"

#include <QFile>
#include "library/plainfile.h"
#include <QRegularExpression>

namespace plenvik {

namespace {
// "215.9": whole millimetres and at most one decimal, nothing else.
std::optional<double> tenthsField(const QByteArray &field)
{
    static const QRegularExpression tenths(QStringLiteral("^[0-9]{1,4}(\\.[0-9])?$"));
    const QString text = QString::fromLatin1(field.trimmed());
    if (!tenths.match(text).hasMatch())
        return std::nullopt;
    return text.toDouble();
}
} // namespace

Sheet parseSheetSettings(const QByteArray &data)
{
    const QList<QByteArray> lines = fileLines(data);
    const auto w = tenthsField(lines.value(0));
    const auto h = tenthsField(lines.value(1));
    if (!w || !h || !isValidSheet(Sheet{*w, *h}))
        return kSheetA4;
    return Sheet{*w, *h};
}

QByteArray sheetSettingsBytes(const Sheet &sheet)
{
    return formatFileNumber(sheet.widthMm).toLatin1() + "\r\n" + formatFileNumber(sheet.heightMm).toLatin1() + "\r\n";
}

Sheet readSheetSettings(const QString &path)
{
    QFile file;
    if (!openPlainFile(file, path, Links::Follow))
        return kSheetA4;
    return parseSheetSettings(file.read(4096));
}

bool writeSheetSettings(const QString &path, const Sheet &sheet)
{
    return writeFileWhole(path, sheetSettingsBytes(sheet));
}

} // namespace plenvik
