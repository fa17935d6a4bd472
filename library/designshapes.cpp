#include "library/designshapes.h"

#include "library/designfile.h"

namespace plenvik {

void appendFrameLines(QByteArray &out, const PageDesign &d)
{
    for (int k = 1; k <= d.KaderCount && k <= kMaxKaders; ++k) {
        const Kader &f = d.kader(k);
        if (f.isPlain())
            continue;
        appendLine(out, quotedField(QString::fromLatin1(kDesignFrameTag)) + ',' + QByteArray::number(k) + ','
                            + quotedField(vormNaam(f.vorm)) + ',' + quotedField(lijnNaam(f.lijn)) + ','
                            + anyTextField(f.Regel2) + ',' + anyTextField(f.Regel3));
    }
}

bool readFrameLine(Parser &p, const FieldReader::Field &tag, PageDesign &d, QList<bool> &named, QString *error)
{
    static const char *const what[] = {
        QT_TRANSLATE_NOOP("DesignFileText", "het kadernummer"), QT_TRANSLATE_NOOP("DesignFileText", "de vorm"),
        QT_TRANSLATE_NOOP("DesignFileText", "de lijn"), QT_TRANSLATE_NOOP("DesignFileText", "regel 2"),
        QT_TRANSLATE_NOOP("DesignFileText", "regel 3")};
    LineFields line{p, tag, what, error};
    auto next = [&](int i) { return line.next(i); };
    const auto number = next(0);
    if (!number)
        return false;
    bool ok = false;
    const int k = number->quoted ? 0 : number->text.toInt(&ok);
    if (!ok || k < 1 || k > d.KaderCount || k > int(named.size())) {
        *error = DesignFileText::tr("regel %1: de pagina heeft geen kader %2")
                     .arg(tag.line)
                     .arg(QString::fromLatin1(number->text));
        return false;
    }
    if (named[k - 1]) {
        *error = DesignFileText::tr("regel %1: kader %2 staat er twee keer").arg(tag.line).arg(k);
        return false;
    }
    named[k - 1] = true;
    Kader &f = d.kader(k);
    const auto vorm = next(1);
    if (!vorm)
        return false;
    const auto v = vorm->quoted ? vormVanNaam(QString::fromLatin1(vorm->text)) : std::nullopt;
    if (!v) {
        *error = DesignFileText::tr("regel %1: de vorm \"%2\" bestaat niet").arg(tag.line).arg(QString::fromLatin1(vorm->text));
        return false;
    }
    const auto lijn = next(2);
    if (!lijn)
        return false;
    const auto l = lijn->quoted ? lijnVanNaam(QString::fromLatin1(lijn->text)) : std::nullopt;
    if (!l) {
        *error = DesignFileText::tr("regel %1: de lijn \"%2\" bestaat niet").arg(tag.line).arg(QString::fromLatin1(lijn->text));
        return false;
    }
    f.vorm = *v;
    f.lijn = *l;
    for (int i : {3, 4}) {
        if (line.ended)
            return line.missing(i);
        const auto text = p.anyText(what[i]);
        if (!text) {
            *error = p.error;
            return false;
        }
        if (text->size() > kMaxTekstTekens) {
            *error = DesignFileText::tr("regel %1: de tekst is langer dan %2 tekens").arg(tag.line).arg(kMaxTekstTekens);
            return false;
        }
        (i == 3 ? f.Regel2 : f.Regel3) = *text;
        line.ended = p.lastOnLine();
    }
    if (!line.ended) {
        *error = DesignFileText::tr("regel %1: te veel velden").arg(tag.line);
        return false;
    }
    return true;
}

} // namespace plenvik
