#include "library/linefile.h"

namespace plenvik {

QList<QByteArray> fileLines(const QByteArray &data)
{
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

bool readWholeNumber(const QByteArray &field, int lo, int hi, int *out)
{
    bool ok = false;
    const int v = field.trimmed().toInt(&ok);
    if (!ok || v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

} // namespace plenvik
