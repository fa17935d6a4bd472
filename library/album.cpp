#include "library/album.h"

#include <algorithm>

namespace plenvik {

namespace {
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The run of digits or of other characters that starts at 'from'.
QStringView runAt(QStringView s, qsizetype from)
{
    qsizetype end = from;
    const bool digits = isDigit(s.at(from));
    while (end < s.size() && isDigit(s.at(end)) == digits)
        ++end;
    return s.mid(from, end - from);
}

int compareNumbers(QStringView a, QStringView b)
{
    // Without leading zeros, a longer run is a larger number.
    auto bare = [](QStringView s) {
        qsizetype i = 0;
        while (i + 1 < s.size() && s.at(i) == QLatin1Char('0'))
            ++i;
        return s.mid(i);
    };
    const QStringView x = bare(a), y = bare(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

QStringView trimmedBlanks(const QString &s)
{
    QStringView v(s);
    while (!v.isEmpty() && v.front() == QLatin1Char(' '))
        v = v.mid(1);
    while (!v.isEmpty() && v.back() == QLatin1Char(' '))
        v.chop(1);
    return v;
}
} // namespace

int comparePageNumbers(const QString &left, const QString &right)
{
    const QStringView a = trimmedBlanks(left), b = trimmedBlanks(right);
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView ra = runAt(a, i), rb = runAt(b, j);
        const bool na = isDigit(ra.front()), nb = isDigit(rb.front());
        int c = 0;
        if (na && nb)
            c = compareNumbers(ra, rb);
        else if (na != nb)
            c = na ? -1 : 1; // a number before a word
        else
            c = ra.compare(rb, Qt::CaseInsensitive);
        if (c != 0)
            return c;
        i += ra.size();
        j += rb.size();
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1; // "12" before "12a"
    return a.compare(b); // equal to a reader: keep it stable on the text itself
}

QStringList albumOrder(const QList<AlbumPage> &pages, bool byPageNumber)
{
    QList<AlbumPage> ordered = pages;
    if (byPageNumber) {
        std::stable_sort(ordered.begin(), ordered.end(), [](const AlbumPage &x, const AlbumPage &y) {
            const bool xNone = trimmedBlanks(x.number).isEmpty(), yNone = trimmedBlanks(y.number).isEmpty();
            if (xNone != yNone)
                return yNone;
            if (xNone)
                return x.name.compare(y.name, Qt::CaseInsensitive) < 0;
            return comparePageNumbers(x.number, y.number) < 0;
        });
    }
    QStringList names;
    for (const AlbumPage &p : ordered)
        names << p.name;
    return names;
}

} // namespace plenvik
