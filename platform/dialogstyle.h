#pragma once
// The look and keys the program's own dialogs share: OK and "Annuleren",
// Return for OK, Escape for Cancel, the first field focused with its text
// selected when the dialog opens.

#include <QString>

#include <initializer_list>

class QAbstractSpinBox;
class QDialog;
class QDoubleSpinBox;
class QDialogButtonBox;
class QSpinBox;
class QWidget;

namespace plenvik {

// OK and "Annuleren", wired to accept and reject; OK is the default button.
QDialogButtonBox *okCancelButtons(QDialog &dialog);

// A whole-number field in millimetres.
QSpinBox *mmField(QWidget *parent, int minimum, int maximum, int value);

// A field in millimetres with one decimal, shown in the window's language
// and typed with a comma or a point in any language.
QDoubleSpinBox *tenthsMmField(QWidget *parent, double minimum, double maximum, double value);

// Focuses 'first' and selects its text; called before the dialog shows, so
// the focus is there when it opens.
void focusFirstField(QWidget *first);

// Tab goes through 'widgets' in the order given.
void tabChain(std::initializer_list<QWidget *> widgets);

} // namespace plenvik
