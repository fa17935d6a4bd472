#include "design/listing.h"

#include <QCoreApplication>
#include <QLocale>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct Listing {
    Q_DECLARE_TR_FUNCTIONS(Listing)
};
// What a frame has beyond a rectangle with one caption line: its further
// lines after " | ", its shape and line in brackets.
QString moreOf(const Kader &f)
{
    if (f.isPlain())
        return {};
    static const char *const vormen[] = {QT_TRANSLATE_NOOP("Listing", "rechthoek"), QT_TRANSLATE_NOOP("Listing", "driehoek"),
                                         QT_TRANSLATE_NOOP("Listing", "driehoek omlaag"), QT_TRANSLATE_NOOP("Listing", "ruit"),
                                         QT_TRANSLATE_NOOP("Listing", "ovaal")};
    static const char *const lijnen[] = {QT_TRANSLATE_NOOP("Listing", "doorgetrokken"), QT_TRANSLATE_NOOP("Listing", "gestreept"),
                                         QT_TRANSLATE_NOOP("Listing", "geen lijn")};
    QString s;
    if (!f.Regel2.isEmpty() || !f.Regel3.isEmpty())
        s += QStringLiteral(" | ") + f.Regel2;
    if (!f.Regel3.isEmpty())
        s += QStringLiteral(" | ") + f.Regel3;
    if (f.vorm != Vorm::Rechthoek || f.lijn != Lijn::Doorgetrokken)
        s += QStringLiteral(" (") + Listing::tr(vormen[int(f.vorm)]) + QStringLiteral(", ") + Listing::tr(lijnen[int(f.lijn)])
             + u')';
    return s;
}
} // namespace

QString buildListing(const PageDesign &d)
{
    static const QString crlf = QStringLiteral("\r\n");
    QString s;
    s.reserve(256 + d.KaderCount * 48);
    s += Listing::tr("Border...........: ") + (d.BorderOn ? Listing::tr("Aan") : Listing::tr("Uit")) + crlf;
    s += Listing::tr("Borderbreedte...: ") + QString::number(d.BorderWidth) + Listing::tr(" pixels") + crlf;
    s += Listing::tr("Borderkleur......: ") + QString::number(d.ColourR) + u',' + QString::number(d.ColourG)
         + u',' + QString::number(d.ColourB) + crlf;
    s += crlf;
    s += Listing::tr("Paginatitel.......: ") + d.PageTitle + crlf;
    s += Listing::tr("Subtitel..........: ") + d.PageSubtitle + crlf;
    s += Listing::tr("Paginanummer....: ") + d.PageNumber + crlf;
    s += crlf;
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        s += (k < 10 ? Listing::tr("Kader %1...: ") : k < 100 ? Listing::tr("Kader %1..: ") : Listing::tr("Kader %1.: ")).arg(k);
        s += formatListingNumber(f.LeftMm) + u',' + formatListingNumber(f.TopMm) + u','
             + formatListingNumber(f.WidthMm) + u',' + formatListingNumber(f.HeightMm) + u','
             + QString::number(f.Binnenrand) + u',' + f.Onderschrift + moreOf(f) + crlf;
    }
    // The lines of text, after the frames, as plainly as the frames:
    // top, left or "midden", points, bold or not, the text.
    for (int t = 1; t <= d.TekstCount && t <= kMaxTeksten; ++t) {
        const Tekst &x = d.tekst(t);
        s += (t < 10 ? Listing::tr("Tekst %1...: ") : Listing::tr("Tekst %1..: ")).arg(t);
        s += formatListingNumber(x.BovenMm) + u',' + (x.Midden ? Listing::tr("midden") : formatListingNumber(x.LinksMm)) + u','
             + QString::number(x.Punten) + u',' + (x.Vet ? Listing::tr("vet") : Listing::tr("gewoon")) + u',' + x.Regel + crlf;
    }
    // A page for other paper than A4 says so, after all the rest; its
    // numbers as the window's language writes them.
    if (d.sheet != kSheetA4) {
        const QLocale shown;
        const QString size = Listing::tr("%1 x %2 mm").arg(shown.toString(d.sheet.widthMm), shown.toString(d.sheet.heightMm));
        const QString name = sheetName(d.sheet);
        s += crlf + Listing::tr("Papier...........: ") + (name.isEmpty() ? size : name + QStringLiteral(", ") + size) + crlf;
    }
    // A page with pictures of its stamps says how many and how they show.
    if (d.pictures.any(d.KaderCount)) {
        int count = 0;
        for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k)
            count += d.pictures.Bestanden.at(k - 1).isEmpty() ? 0 : 1;
        if (d.sheet == kSheetA4)
            s += crlf;
        s += Listing::tr("Afbeeldingen....: ")
             + (d.pictures.Grijstinten ? Listing::tr("%1, grijstinten, sterkte %2 %") : Listing::tr("%1, in kleur, sterkte %2 %"))
                   .arg(count)
                   .arg(d.pictures.Sterkte)
             + crlf;
    }
    // A page in a style of its own names it, last of all.
    if (!d.opmaak.isToday()) {
        const QLocale shown;
        const PaginaOpmaak &o = d.opmaak;
        auto mm = [&](double v) { return shown.toString(v); };
        QString rand;
        if (o.rand == Rand::Eigen)
            rand = Listing::tr("lijn van het menu Tools");
        else if (o.rand == Rand::Geen)
            rand = Listing::tr("geen");
        else if (o.lijnen() == 1)
            rand = Listing::tr("enkel, %1 mm").arg(mm(o.dikteBuiten));
        else
            rand = (o.lijnen() == 2 ? Listing::tr("dubbel, %1 en %2 mm, %3 mm ertussen")
                                    : Listing::tr("drievoudig, %1 en %2 mm, %3 mm ertussen"))
                       .arg(mm(o.dikteBuiten), mm(o.dikteBinnen), mm(o.tussenruimte));
        if (o.lijnen() > 0 && o.zwart)
            rand += Listing::tr(", zwart");
        s += crlf + Listing::tr("Opmaak..........: ") + rand + crlf;
        s += Listing::tr("Randafstand.....: %1 / %2 / %3 / %4 mm (links / rechts / boven / onder)")
                 .arg(mm(o.links), mm(o.rechts), mm(o.boven), mm(o.onder))
             + crlf;
        if (!o.lettertype.isEmpty())
            s += Listing::tr("Lettertype......: ") + o.lettertype + crlf;
        s += Listing::tr("Tekstgrootte....: titel %1, subtitel %2, paginanummer %3, onderschriften %4 pt")
                 .arg(o.titelPunten)
                 .arg(o.subtitelPunten)
                 .arg(o.nummerPunten)
                 .arg(o.onderschriftPunten)
             + (o.cursief ? Listing::tr(", cursief") : QString()) + crlf;
        s += Listing::tr("Kaders..........: %1 per pagina").arg(o.kadersPerPagina) + crlf;
    }
    return s;
}

} // namespace plenvik
