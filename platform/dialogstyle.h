#pragma once
// The look and keys the program's own dialogs share: OK and "Annuleren",
// Return for OK, Escape for Cancel, the first field focused with its text
// selected when the dialog opens.

#include <QString>

#include <initializer_list>

class QAbstractSpinBox;
class QDialog;
class QDialogButtonBox;
class QLabel;
class QWidget;

namespace plenvik {

class NumberField;

// OK and "Annuleren", wired to accept and reject; OK is the default button.
QDialogButtonBox *okCancelButtons(QDialog &dialog);

// A field of whole millimetres, named 'name' in what it says; with 'unit'
// another than " mm" (" pt", empty for a count), a whole number.
NumberField *mmField(QWidget *parent, const QString &name, int minimum, int maximum, int value,
                     const QString &unit = QStringLiteral(" mm"));

// A field in millimetres with one decimal, shown in the window's language
// and typed with a comma or a point in any language.
NumberField *tenthsMmField(QWidget *parent, const QString &name, double minimum, double maximum, double value);

// The line under a dialog's fields: what a field cannot take, in red, or
// else what a length typed with a unit comes to. It keeps the room of two
// lines whether it says anything or not, so no row moves under a click.
QLabel *hintLine(QWidget *parent);
void showHint(QLabel *hint, const QString &problem, const QString &note = QString());
// The first problem of the fields that are in use, and their conversions.
QString fieldsProblem(std::initializer_list<const NumberField *> fields);
QString fieldsConversions(std::initializer_list<const NumberField *> fields);

// Focuses 'first' and selects its text; called before the dialog shows, so
// the focus is there when it opens.
void focusFirstField(QWidget *first);

// Tab goes through 'widgets' in the order given.
void tabChain(std::initializer_list<QWidget *> widgets);

} // namespace plenvik
