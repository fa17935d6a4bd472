#include "design/stamplist.h"

#include "design/rows.h"
#include "design/textsafe.h"
#include "design/typedlength.h"
#include "design/units.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <cmath>
#include <optional>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct StampListTexts {
    Q_DECLARE_TR_FUNCTIONS(StampList)
};

// A length as written ("22", "21,5", "21.25", or with a unit: "0.87in",
// "2,2 cm") in thousandths of a millimetre, rounded up: a mount may never
// be smaller than its stamp.
std::optional<qint64> thousandths(const QString &field)
{
    static const QRegularExpression number(QStringLiteral("^([0-9]{1,6})(?:[.,]([0-9]+))?$"));
    const QRegularExpressionMatch m = number.match(field);
    if (!m.hasMatch()) {
        const TypedLength t = readTypedLength(field);
        if (t.fault != TypedLength::Fault::None || t.unit.isEmpty() || t.mm < 0 || t.mm > 999999)
            return std::nullopt;
        return qint64(std::ceil(t.mm * 1000 - 1e-6));
    }
    const QString fraction = m.captured(2);
    qint64 v = m.captured(1).toLongLong() * 1000 + (fraction + QStringLiteral("000")).left(3).toLongLong();
    if (fraction.size() > 3 && fraction.mid(3).contains(QRegularExpression(QStringLiteral("[1-9]"))))
        ++v;
    return v;
}

} // namespace

StampListResult readStampList(const QString &text, int marginTenths, const LayoutArea &area, int headingTenths)
{
    static const QRegularExpression separators(QStringLiteral("[;\\t]"));
    // Spreadsheets pad every row with empty columns: they mean nothing, on
    // any line, and a row of nothing else is an empty line.
    static const QRegularExpression padding(QStringLiteral("[;\\t\\s]+$"));
    StampListResult r;
    int issue = -1;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        line.remove(padding);
        const QString trimmed = line.trimmed();
        const int number = n + 1;
        auto error = [&](const QString &why) { r.errors << StampListTexts::tr("Regel %1: %2").arg(number).arg(why); };
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('='))) {
            const QString name = trimmed.mid(1).trimmed();
            if (const QString c = headingTenths > 0 ? firstControl(name) : firstUnstorable(name); !c.isEmpty())
                error(StampListTexts::tr("de naam van de uitgifte bevat '%1', dat een supplement niet kan bewaren").arg(c));
            r.list.issues << name;
            issue = int(r.list.issues.size()) - 1;
            continue;
        }

        QStringList fields = line.split(separators);
        for (QString &f : fields)
            f = f.trimmed();
        if (fields.size() < 3 || fields.size() > 6) {
            error(StampListTexts::tr("verwacht onderschrift; breedte; hoogte en eventueel een aantal"));
            continue;
        }
        // A fifth field names a picture of the stamp, a sixth the shape; the
        // fields before them may then be left empty.
        const QString picture = fields.value(4);
        if (fields.size() >= 5 && fields.at(3).isEmpty())
            fields[3] = QStringLiteral("1");
        const std::optional<qint64> width = thousandths(fields.at(1));
        const std::optional<qint64> height = thousandths(fields.at(2));
        bool countOk = true;
        const int count = fields.size() >= 4 ? fields.at(3).toInt(&countOk) : 1;
        const std::optional<Vorm> vorm = fields.value(5).isEmpty() ? Vorm::Rechthoek : vormUitLijst(fields.value(5));
        QStringList captionLines = fields.at(0).split(QLatin1Char('|'));
        for (QString &l : captionLines)
            l = l.trimmed();
        const QString caption = captionLines.at(0);
        const QString moreLines = captionLines.mid(1).join(QString());
        if (captionLines.size() > 3)
            error(StampListTexts::tr("het onderschrift heeft meer dan drie regels"));
        else if (!vorm)
            error(StampListTexts::tr("de vorm '%1' bestaat niet; kies rechthoek, driehoek, driehoek omlaag, ruit of ovaal")
                      .arg(fields.value(5)));
        else if (const QString c = firstControl(moreLines); !c.isEmpty())
            error(StampListTexts::tr("het onderschrift bevat '%1', dat een supplement niet kan bewaren").arg(c));
        else if (const QString c = firstUnstorable(caption); !c.isEmpty())
            error(StampListTexts::tr("het onderschrift bevat '%1', dat een supplement niet kan bewaren").arg(c));
        else if (!width)
            error(StampListTexts::tr("de breedte '%1' is geen getal").arg(fields.at(1)));
        else if (!height)
            error(StampListTexts::tr("de hoogte '%1' is geen getal").arg(fields.at(2)));
        else if (*width == 0 || *height == 0)
            error(StampListTexts::tr("breedte en hoogte moeten groter zijn dan 0"));
        else if (!countOk || count < 1 || count > kListMaxFrames)
            error(StampListTexts::tr("het aantal '%1' is geen heel getal van 1 tot %2").arg(fields.at(3)).arg(kListMaxFrames));
        else {
            // The frame: the stamp with the margin all round, in whole
            // millimetres rounded up.
            const qint64 margin = 2 * qint64(marginTenths) * 100;
            const int w = int((*width + margin + 999) / 1000);
            const int h = int((*height + margin + 999) / 1000);
            if (w * 10 > area.width)
                error(StampListTexts::tr("dit kader is breder dan de ruimte op het blad (%1 mm)").arg(formatListingNumber(area.width / 10.0)));
            else if (h * 10 > area.height)
                error(StampListTexts::tr("dit kader is hoger dan de ruimte op het blad (%1 mm)").arg(formatListingNumber(area.height / 10.0)));
            else if (issue >= 0 && !r.list.issues.at(issue).isEmpty() && h * 10 + headingTenths > area.height)
                error(StampListTexts::tr("dit kader is met de kop erboven hoger dan de ruimte op het blad (%1 mm)")
                          .arg(formatListingNumber(area.height / 10.0)));
            else if (r.list.frames.size() + count > kListMaxFrames) {
                r.errors = QStringList{StampListTexts::tr("De lijst heeft meer dan %1 kaders; dat zijn er te veel voor een album.").arg(kListMaxFrames)};
                r.list.frames.clear();
                return r;
            } else {
                if (issue < 0) {
                    r.list.issues << QString();
                    issue = int(r.list.issues.size()) - 1;
                }
                QString next = caption;
                for (int i = 0; i < count; ++i) {
                    r.list.frames.append(StampFrame{next, w, h, issue, picture, number, captionLines.value(1),
                                                    captionLines.value(2), *vorm});
                    next = nextCaption(next);
                }
            }
        }
    }
    return r;
}

QString decodeStampList(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1252("windows-1252");
    return cp1252.decode(bytes);
}

} // namespace plenvik
