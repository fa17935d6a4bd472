#include "design/typedlength.h"

#include <QRegularExpression>

namespace plenvik {

TypedLength readTypedLength(const QString &typed, bool units)
{
    TypedLength r;
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return r;
    // Nine figures at most on either side: far past any sheet, never past a double's exactness.
    static const QRegularExpression form(QStringLiteral("^(-?)([0-9]{0,9})(?:[.,]([0-9]{0,9}))?\\s*([^\\s0-9.,-][^\\s]*)?$"));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty())) {
        r.fault = TypedLength::Fault::NotANumber;
        return r;
    }
    r.unit = m.captured(4);
    r.figures = int(m.captured(3).size());
    static const struct {
        const char *name;
        double mm;
    } kUnits[] = {{"mm", 1}, {"cm", 10}, {"in", 25.4}, {"\"", 25.4}};
    double factor = r.unit.isEmpty() ? 1 : 0;
    for (const auto &u : kUnits)
        if (units && r.unit.compare(QLatin1String(u.name), Qt::CaseInsensitive) == 0)
            factor = u.mm;
    if (factor == 0) {
        r.fault = TypedLength::Fault::UnknownUnit;
        return r;
    }
    const QString number = m.captured(2) + QLatin1Char('.') + m.captured(3) + QLatin1Char('0');
    r.mm = number.toDouble() * factor * (m.captured(1).isEmpty() ? 1 : -1);
    r.fault = TypedLength::Fault::None;
    return r;
}

} // namespace plenvik
