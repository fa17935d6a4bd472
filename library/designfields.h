#pragma once
// The design file's fields, shared by the reader of the page's own lines
// and the reader of the lines after them: a comma or a line end ends a
// field, blanks before a field are skipped, a field opening with a double
// quote runs to the next double quote. Every message names the line.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace plenvik {

// The texts the user reads about a design file, by this name in the translation.
struct DesignFileText {
    Q_DECLARE_TR_FUNCTIONS(DesignFileText)
};

// Writing: a line ended by CR LF, a text between double quotes in
// Windows-1252, a number in plain decimal.
void appendLine(QByteArray &out, const QByteArray &content);
QByteArray quotedField(const QString &text);
QByteArray numberField(double v);
// A text that may hold any character: between double quotes in
// Windows-1252 where that holds it, else as U"..." in percent-encoded UTF-8,
// as the settings files keep names.
QByteArray anyTextField(const QString &text);

class FieldReader {
public:
    explicit FieldReader(const QByteArray &data) : m_data(data) {}

    struct Field {
        QByteArray text;
        bool quoted = false;
        int line = 0;
        // Ended by a line end, or by the end of the file.
        bool lastOnLine = false;
    };

    std::optional<Field> next(QString &error);
    // Nothing but blanks and line ends is left.
    bool atEnd() const;
    // The line the next field starts on, or the last line when none is left.
    int line() const { return m_line; }

private:
    bool atDelimiter() const;
    void skipBlanks();
    // True when it ended a line.
    bool consumeDelimiter();

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    int m_line = 1;
};

class Parser {
public:
    explicit Parser(const QByteArray &data) : m_fields(data) {}
    QString error;

    std::optional<FieldReader::Field> any();
    std::optional<double> number(const char *what);
    std::optional<long long> whole(const char *what, long long lo, long long hi);
    std::optional<QString> text(const char *what);
    // A field written by anyTextField().
    std::optional<QString> anyText(const char *what);
    std::optional<bool> flag();

    bool atEnd() const { return m_fields.atEnd(); }
    int lastLine() const { return m_lastLine; }
    // The last field read ended its line.
    bool lastOnLine() const { return m_lastOnLine; }

private:
    FieldReader m_fields;
    int m_lastLine = 0;
    bool m_lastOnLine = false;
};

// The fields of the line that 'tag' opened, one at a time. A field the
// line lacks is named by its entry in 'what': "regel 15: de lijn ontbreekt".
struct LineFields {
    Parser &p;
    const FieldReader::Field &tag;
    const char *const *what;
    QString *error;
    bool ended = tag.lastOnLine;

    // Field i of the line, or none with 'error' set.
    std::optional<FieldReader::Field> next(int i);
    // Sets 'error' to field i missing; false.
    bool missing(int i);
};

} // namespace plenvik
