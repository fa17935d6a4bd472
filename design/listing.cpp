#include "design/listing.h"

namespace plenvik {

QString buildListing(const PageDesign &d)
{
    static const QString crlf = QStringLiteral("\r\n");
    QString s;
    s.reserve(256 + d.KaderCount * 48);
    s += QStringLiteral("Border...........: ") + (d.BorderOn ? QStringLiteral("Aan") : QStringLiteral("Uit")) + crlf;
    s += QStringLiteral("Borderbreedte...: ") + QString::number(d.BorderWidth) + QStringLiteral(" pixels") + crlf;
    s += QStringLiteral("Borderkleur......: ") + QString::number(d.ColourR) + u',' + QString::number(d.ColourG)
         + u',' + QString::number(d.ColourB) + crlf;
    s += crlf;
    s += QStringLiteral("Paginatitel.......: ") + d.PageTitle + crlf;
    s += QStringLiteral("Subtitel..........: ") + d.PageSubtitle + crlf;
    s += QStringLiteral("Paginanummer....: ") + d.PageNumber + crlf;
    s += crlf;
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        s += QStringLiteral("Kader ") + QString::number(k) + (k < 10 ? QStringLiteral("...: ") : QStringLiteral("..: "));
        s += formatListingNumber(f.LeftMm) + u',' + formatListingNumber(f.TopMm) + u','
             + formatListingNumber(f.WidthMm) + u',' + formatListingNumber(f.HeightMm) + u','
             + QString::number(f.Binnenrand) + u',' + f.Onderschrift + crlf;
    }
    return s;
}

} // namespace plenvik
