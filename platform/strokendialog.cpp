// " Stroken": the mounting-strip cut list with its two settings and the
// choice between the open page and the whole library.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include "design/strips.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include "platform/numberfield.h"
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct StrokenDialog {
    Q_DECLARE_TR_FUNCTIONS(StrokenDialog)
};
} // namespace

StrokenVelden QtExtraDialogs::stroken(const StrokenVelden &start,
                                      const std::function<StrokenUitkomst(const StrokenVelden &)> &cutList,
                                      const std::function<void(const QString &)> &print)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(StrokenDialog::tr(" Stroken"));
    dialog.resize(460, 520);

    auto *list = new QPlainTextEdit(&dialog);
    list->setReadOnly(true);
    // Read-only, yet Ctrl+A and Ctrl+C work from the keyboard.
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    NumberField *lengte = mmField(&dialog, StrokenDialog::tr("Lengte strook"), 1, kMaxStripMm, start.lengte);
    auto *hoogten = new QLineEdit(start.hoogten, &dialog);
    hoogten->setPlaceholderText(StrokenDialog::tr("b.v. 20 25 30"));
    QLabel *hint = hintLine(&dialog);
    auto *dit = new QRadioButton(StrokenDialog::tr("Dit supplement"), &dialog);
    auto *alle = new QRadioButton(StrokenDialog::tr("Alle supplementen in de bibliotheek"), &dialog);
    auto *scope = new QButtonGroup(&dialog);
    scope->addButton(dit);
    scope->addButton(alle);
    (start.bibliotheek ? alle : dit)->setChecked(true);
    auto *afdrukken = new QPushButton(StrokenDialog::tr("Afdrukken"), &dialog);
    auto *sluiten = new QPushButton(StrokenDialog::tr("Sluiten"), &dialog);
    afdrukken->setAutoDefault(false);
    sluiten->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(StrokenDialog::tr("Lengte strook"), lengte);
    form->addRow(StrokenDialog::tr("Beschikbare hoogten"), hoogten);
    form->addRow(QString(), hint);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(afdrukken);
    buttons->addWidget(sluiten);
    auto *outer = new QVBoxLayout(&dialog);
    outer->addWidget(list, 1);
    outer->addLayout(form);
    outer->addWidget(dit);
    outer->addWidget(alle);
    outer->addLayout(buttons);
    tabChain({list, lengte, hoogten, dit, alle, afdrukken, sluiten});

    auto fields = [=] { return StrokenVelden{lengte->value().value_or(start.lengte), hoogten->text(), alle->isChecked()}; };
    // A field that cannot be read leaves the last list in view, greyed, and
    // nothing can be printed until the fields say what to print.
    auto refresh = [=] {
        const StrokenUitkomst uit = cutList(fields());
        const QString problem = lengte->problem().isEmpty() ? uit.hint : lengte->problem();
        showHint(hint, problem, lengte->conversion());
        if (problem.isEmpty())
            list->setPlainText(uit.lijst);
        list->setEnabled(problem.isEmpty());
        afdrukken->setEnabled(problem.isEmpty());
    };
    QObject::connect(lengte, &QLineEdit::textChanged, &dialog, refresh);
    QObject::connect(hoogten, &QLineEdit::textChanged, &dialog, refresh);
    QObject::connect(alle, &QRadioButton::toggled, &dialog, refresh);
    QObject::connect(afdrukken, &QPushButton::clicked, &dialog, [=] { print(list->toPlainText()); });
    QObject::connect(sluiten, &QPushButton::clicked, &dialog, &QDialog::accept);
    refresh();
    list->setFocus(Qt::OtherFocusReason);
    dialog.exec();
    return fields();
}

} // namespace plenvik
