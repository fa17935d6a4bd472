#include "library/designfields.h"

#include "design/textsafe.h"

#include "design/units.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <cmath>

namespace plenvik {

void appendLine(QByteArray &out, const QByteArray &content)
{
    out += content;
    out += "\r\n";
}

QByteArray quotedField(const QString &text)
{
    // Texts are made safe where they are typed; a text that still holds a
    // character the code page lacks is written with '?' rather than a
    // substitution byte, so reading it back gives what the file shows.
    QStringEncoder enc("windows-1252");
    return '"' + QByteArray(enc.encode(makeFileSafe(text))) + '"';
}

QByteArray numberField(double v)
{
    return formatFileNumber(v).toLatin1();
}

QByteArray anyTextField(const QString &text)
{
    if (firstUnstorable(text).isEmpty())
        return quotedField(text);
    return "U\"" + text.toUtf8().toPercentEncoding(QByteArray(), "\"") + '"';
}

std::optional<FieldReader::Field> FieldReader::next(QString &error)
{
    skipBlanks();
    Field f;
    f.line = m_line;
    if (m_pos >= m_data.size()) {
        error = DesignFileText::tr("regel %1: veld ontbreekt (einde van het bestand)").arg(m_line);
        return std::nullopt;
    }
    if (m_data[m_pos] == '"') {
        const qsizetype close = m_data.indexOf('"', m_pos + 1);
        if (close < 0) {
            error = DesignFileText::tr("regel %1: tekst zonder afsluitend aanhalingsteken").arg(m_line);
            return std::nullopt;
        }
        f.text = m_data.mid(m_pos + 1, close - m_pos - 1);
        f.quoted = true;
        m_line += int(f.text.count('\n'));
        if (f.text.contains('\r') || f.text.contains('\n')) {
            error = DesignFileText::tr("regel %1: tekst loopt over een regeleinde").arg(f.line);
            return std::nullopt;
        }
        m_pos = close + 1;
        skipBlanks();
        if (m_pos < m_data.size() && !atDelimiter()) {
            error = DesignFileText::tr("regel %1: onverwachte tekens na een tekst").arg(m_line);
            return std::nullopt;
        }
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && !atDelimiter())
            ++m_pos;
        f.text = m_data.mid(start, m_pos - start).trimmed();
    }
    f.lastOnLine = m_pos >= m_data.size() || consumeDelimiter();
    return f;
}

bool FieldReader::atEnd() const
{
    for (qsizetype i = m_pos; i < m_data.size(); ++i) {
        const char c = m_data[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

bool FieldReader::atDelimiter() const
{
    const char c = m_data[m_pos];
    return c == ',' || c == '\r' || c == '\n';
}

void FieldReader::skipBlanks()
{
    while (m_pos < m_data.size() && (m_data[m_pos] == ' ' || m_data[m_pos] == '\t'))
        ++m_pos;
}

bool FieldReader::consumeDelimiter()
{
    if (m_pos >= m_data.size())
        return true;
    const char c = m_data[m_pos];
    if (c == ',') {
        ++m_pos;
        return false;
    }
    ++m_pos;
    if (c == '\r' && m_pos < m_data.size() && m_data[m_pos] == '\n')
        ++m_pos;
    ++m_line;
    return true;
}

std::optional<FieldReader::Field> Parser::any()
{
    auto f = m_fields.next(error);
    if (f) {
        m_lastLine = f->line;
        m_lastOnLine = f->lastOnLine;
    }
    return f;
}

std::optional<double> Parser::number(const char *what)
{
    auto f = any();
    if (!f)
        return std::nullopt;
    bool ok = false;
    const double v = f->quoted ? 0.0 : f->text.toDouble(&ok);
    if (!ok || !std::isfinite(v)) {
        error = DesignFileText::tr("regel %1: %2 is geen getal").arg(f->line).arg(DesignFileText::tr(what));
        return std::nullopt;
    }
    return v;
}

std::optional<long long> Parser::whole(const char *what, long long lo, long long hi)
{
    auto v = number(what);
    const int lineNo = m_lastLine;
    if (!v)
        return std::nullopt;
    if (*v != std::trunc(*v) || *v < lo || *v > hi) {
        error = DesignFileText::tr("regel %1: %2 moet een geheel getal van %3 tot %4 zijn")
                    .arg(lineNo)
                    .arg(DesignFileText::tr(what))
                    .arg(lo)
                    .arg(hi);
        return std::nullopt;
    }
    return static_cast<long long>(*v);
}

std::optional<QString> Parser::text(const char *what)
{
    auto f = any();
    if (!f)
        return std::nullopt;
    if (!f->quoted) {
        error = DesignFileText::tr("regel %1: %2 moet tussen aanhalingstekens staan").arg(f->line).arg(DesignFileText::tr(what));
        return std::nullopt;
    }
    // Control characters (and the few bytes the code page leaves
    // undefined) become '?' as they would when typed, so the design in
    // memory, the listing and the next save agree.
    QStringDecoder dec("windows-1252");
    return makeFileSafe(QString(dec.decode(f->text)));
}

std::optional<QString> Parser::anyText(const char *what)
{
    auto f = any();
    if (!f)
        return std::nullopt;
    QString text;
    if (!f->quoted && f->text.startsWith("U\"") && f->text.endsWith('"') && f->text.size() >= 3) {
        const QByteArray utf8 = QByteArray::fromPercentEncoding(f->text.mid(2, f->text.size() - 3));
        // A leading U+FEFF is a character of the text, not a mark to drop.
        QStringDecoder utf8Decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text = utf8Decoder.decode(utf8);
        // Bytes that are no UTF-8 would come back as other characters.
        if (text.toUtf8() != utf8) {
            error = DesignFileText::tr("regel %1: %2 is geen geldige UTF-8").arg(f->line).arg(DesignFileText::tr(what));
            return std::nullopt;
        }
    } else if (f->quoted) {
        QStringDecoder dec("windows-1252");
        text = dec.decode(f->text);
    } else {
        error = DesignFileText::tr("regel %1: %2 moet tussen aanhalingstekens staan").arg(f->line).arg(DesignFileText::tr(what));
        return std::nullopt;
    }
    // The program never writes one, and a line on paper cannot show it.
    if (const QString c = firstControl(text); !c.isEmpty()) {
        error = DesignFileText::tr("regel %1: %2 bevat het stuurteken %3").arg(f->line).arg(DesignFileText::tr(what), c);
        return std::nullopt;
    }
    return text;
}

bool LineFields::missing(int i)
{
    *error = DesignFileText::tr("regel %1: %2 ontbreekt").arg(tag.line).arg(DesignFileText::tr(what[i]));
    return false;
}

std::optional<FieldReader::Field> LineFields::next(int i)
{
    if (ended) {
        missing(i);
        return std::nullopt;
    }
    const auto f = p.any();
    if (!f)
        *error = p.error;
    else
        ended = f->lastOnLine;
    return f;
}

std::optional<bool> Parser::flag()
{
    auto f = any();
    if (!f)
        return std::nullopt;
    const QByteArray t = f->text.toUpper();
    if (!f->quoted && t == "#TRUE#")
        return true;
    if (!f->quoted && t == "#FALSE#")
        return false;
    error = DesignFileText::tr("regel %1: border moet #TRUE# of #FALSE# zijn").arg(f->line);
    return std::nullopt;
}

} // namespace plenvik
