#include "design/textsafe.h"

#include <QList>

namespace plenvik {

bool isCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    switch (c) {
    case 0x20AC: case 0x201A: case 0x0192: case 0x201E: case 0x2026: case 0x2020: case 0x2021:
    case 0x02C6: case 0x2030: case 0x0160: case 0x2039: case 0x0152: case 0x017D: case 0x2018:
    case 0x2019: case 0x201C: case 0x201D: case 0x2022: case 0x2013: case 0x2014: case 0x02DC:
    case 0x2122: case 0x0161: case 0x203A: case 0x0153: case 0x017E: case 0x0178:
        return true;
    default:
        return false;
    }
}

QString trimBlanks(const QString &text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' '))
        ++from;
    while (to > from && text.at(to - 1) == QLatin1Char(' '))
        --to;
    return text.mid(from, to - from);
}

QString makeFileSafe(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const uint u : text.toUcs4()) {
        const char32_t c = u;
        if (c == U'"')
            out += QLatin1Char('\'');
        else if (c < 0x20 || c == 0x7F || !isCp1252(c))
            out += QLatin1Char('?');
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

QString firstControl(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Read by hand: toUcs4() would make half a pair into U+FFFD.
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        // Besides the control characters, those that print as nothing and
        // come along with pasted text: format characters (U+FEFF, U+200B,
        // the direction marks), the line and paragraph separators, half a
        // surrogate pair and the non-characters. The joiners shape the
        // letters of some scripts, and stay.
        const QChar::Category cat = QChar::category(c);
        const bool joiner = c == 0x200C || c == 0x200D;
        if (c < 0x20 || (c >= 0x7F && c < 0xA0) || (cat == QChar::Other_Format && !joiner)
            || cat == QChar::Separator_Line || cat == QChar::Separator_Paragraph || cat == QChar::Other_Surrogate
            || QChar::isNonCharacter(c))
            return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    return {};
}

QString firstUnstorable(const QString &text)
{
    for (char32_t c : text.toUcs4()) {
        if (c < 0x20 || c == 0x7f || c == U'"' || !isCp1252(c)) {
            // A character that cannot be seen is named by its code.
            const QString shown = QString::fromUcs4(&c, 1);
            if (!shown.at(0).isPrint() || (c >= 0x80 && c < 0xa0))
                return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
            return shown;
        }
    }
    return {};
}

bool isPlainPageName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        if (QStringLiteral("/\\<>:\"|?*").contains(c))
            return false;
    }
    return true;
}

} // namespace plenvik
