#include "library/designstyle.h"

namespace plenvik {

void appendStyleLine(QByteArray &out, const PageDesign &d)
{
    const PaginaOpmaak &s = d.opmaak;
    if (s.isToday())
        return;
    QByteArray line = quotedField(QString::fromLatin1(kDesignStyleTag)) + ',' + quotedField(randNaam(s.rand));
    for (double v : {s.dikteBuiten, s.dikteBinnen, s.tussenruimte})
        line += ',' + numberField(v);
    line += ',' + quotedField(s.zwart ? QStringLiteral("Zwart") : QStringLiteral("Kleur"));
    for (double v : {s.links, s.rechts, s.boven, s.onder})
        line += ',' + numberField(v);
    line += ',' + anyTextField(s.lettertype);
    for (int v : {s.titelPunten, s.subtitelPunten, s.nummerPunten, s.onderschriftPunten, s.cursief ? 1 : 0, s.kadersPerPagina})
        line += ',' + QByteArray::number(v);
    appendLine(out, line);
}

bool readStyleLine(Parser &p, const FieldReader::Field &tag, PaginaOpmaak &s, QString *error)
{
    static const char *const what[] = {
        QT_TRANSLATE_NOOP("DesignFileText", "de rand"),           QT_TRANSLATE_NOOP("DesignFileText", "de dikte van de buitenste lijn"),
        QT_TRANSLATE_NOOP("DesignFileText", "de dikte van de binnenste lijnen"),
        QT_TRANSLATE_NOOP("DesignFileText", "de ruimte tussen de lijnen"),
        QT_TRANSLATE_NOOP("DesignFileText", "de kleur van de rand"), QT_TRANSLATE_NOOP("DesignFileText", "links"),
        QT_TRANSLATE_NOOP("DesignFileText", "rechts"),            QT_TRANSLATE_NOOP("DesignFileText", "boven"),
        QT_TRANSLATE_NOOP("DesignFileText", "onder"),             QT_TRANSLATE_NOOP("DesignFileText", "het lettertype"),
        QT_TRANSLATE_NOOP("DesignFileText", "de grootte van de titel"),
        QT_TRANSLATE_NOOP("DesignFileText", "de grootte van de subtitel"),
        QT_TRANSLATE_NOOP("DesignFileText", "de grootte van het paginanummer"),
        QT_TRANSLATE_NOOP("DesignFileText", "de grootte van de onderschriften"),
        QT_TRANSLATE_NOOP("DesignFileText", "cursief"),           QT_TRANSLATE_NOOP("DesignFileText", "het aantal kaders per pagina")};
    LineFields line{p, tag, what, error};
    auto bad = [&](int i) {
        *error = DesignFileText::tr("regel %1: %2 kan niet").arg(tag.line).arg(DesignFileText::tr(what[i]));
        return false;
    };
    PaginaOpmaak read;
    double *mm[] = {&read.dikteBuiten, &read.dikteBinnen, &read.tussenruimte, nullptr,
                    &read.links,       &read.rechts,      &read.boven,        &read.onder};
    int *points[] = {&read.titelPunten, &read.subtitelPunten, &read.nummerPunten, &read.onderschriftPunten, nullptr,
                     &read.kadersPerPagina};
    for (int i = 0; i < 16; ++i) {
        if (i == 9) { // the font, in any characters
            if (line.ended)
                return line.missing(i);
            const auto font = p.anyText(what[i]);
            if (!font) {
                *error = p.error;
                return false;
            }
            read.lettertype = *font;
            line.ended = p.lastOnLine();
            continue;
        }
        const auto f = line.next(i);
        if (!f)
            return false;
        const QString text = QString::fromLatin1(f->text);
        bool ok = !f->quoted;
        if (i == 0) {
            const auto r = f->quoted ? randVanNaam(text) : std::nullopt;
            if (!r)
                return bad(i);
            read.rand = *r;
        } else if (i == 4) {
            if (!f->quoted || (text != QLatin1String("Kleur") && text != QLatin1String("Zwart")))
                return bad(i);
            read.zwart = text == QLatin1String("Zwart");
        } else if (i < 9) {
            *mm[i - 1] = ok ? text.toDouble(&ok) : 0;
            if (!ok)
                return bad(i);
        } else {
            const int v = ok ? text.toInt(&ok) : 0;
            if (!ok || (i == 14 && v != 0 && v != 1))
                return bad(i);
            if (i == 14)
                read.cursief = v == 1;
            else
                *points[i - 10] = v;
        }
    }
    if (!line.ended) {
        *error = DesignFileText::tr("regel %1: te veel velden").arg(tag.line);
        return false;
    }
    s = read;
    return true;
}

} // namespace plenvik
