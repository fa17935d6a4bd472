// " Pagina-opmaak": the style of the open page, and of new pages when asked.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"
#include "platform/fonts.h"
#include "platform/numberfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct OpmaakDialog {
    Q_DECLARE_TR_FUNCTIONS(OpmaakDialog)
};

const Rand kRanden[] = {Rand::Eigen, Rand::Geen, Rand::Enkel, Rand::Dubbel, Rand::Drievoudig};
const char *const kRandNamen[] = {QT_TRANSLATE_NOOP("OpmaakDialog", "Lijn van het menu Tools"),
                                  QT_TRANSLATE_NOOP("OpmaakDialog", "Geen"), QT_TRANSLATE_NOOP("OpmaakDialog", "Enkel"),
                                  QT_TRANSLATE_NOOP("OpmaakDialog", "Dubbel"),
                                  QT_TRANSLATE_NOOP("OpmaakDialog", "Drievoudig")};
} // namespace

std::optional<OpmaakKeuze> QtExtraDialogs::paginaOpmaak(const OpmaakKeuze &current, const QStringList &families)
{
    const PaginaOpmaak &s = current.opmaak;
    QDialog dialog(m_parent);
    dialog.setWindowTitle(OpmaakDialog::tr(" Pagina-opmaak"));
    auto *outer = new QVBoxLayout(&dialog);
    auto *form = new QFormLayout;
    outer->addLayout(form);

    auto *rand = new QComboBox(&dialog);
    for (int i = 0; i < 5; ++i) {
        rand->addItem(OpmaakDialog::tr(kRandNamen[i]));
        if (kRanden[i] == s.rand)
            rand->setCurrentIndex(i);
    }
    form->addRow(OpmaakDialog::tr("Rand"), rand);
    NumberField *buiten = tenthsMmField(&dialog, OpmaakDialog::tr("Buitenste lijn"), kMinLijnDikteMm, kMaxLijnDikteMm, s.dikteBuiten);
    NumberField *binnen = tenthsMmField(&dialog, OpmaakDialog::tr("Binnenste lijnen"), kMinLijnDikteMm, kMaxLijnDikteMm, s.dikteBinnen);
    NumberField *ruimte = tenthsMmField(&dialog, OpmaakDialog::tr("Tussen de lijnen"), kMinLijnRuimteMm, kMaxLijnRuimteMm, s.tussenruimte);
    form->addRow(OpmaakDialog::tr("Buitenste lijn"), buiten);
    form->addRow(OpmaakDialog::tr("Binnenste lijnen"), binnen);
    form->addRow(OpmaakDialog::tr("Tussen de lijnen"), ruimte);
    auto *kleur = new QComboBox(&dialog);
    kleur->addItems({OpmaakDialog::tr("Tekenkleur"), OpmaakDialog::tr("Zwart")});
    kleur->setCurrentIndex(s.zwart ? 1 : 0);
    form->addRow(OpmaakDialog::tr("Kleur"), kleur);

    NumberField *afstand[4];
    const char *const plaatsen[] = {QT_TRANSLATE_NOOP("OpmaakDialog", "Links"), QT_TRANSLATE_NOOP("OpmaakDialog", "Rechts"),
                                    QT_TRANSLATE_NOOP("OpmaakDialog", "Boven"), QT_TRANSLATE_NOOP("OpmaakDialog", "Onder")};
    const double waarden[] = {s.links, s.rechts, s.boven, s.onder};
    for (int i = 0; i < 4; ++i) {
        afstand[i] = tenthsMmField(&dialog, OpmaakDialog::tr(plaatsen[i]), kMinRandAfstandMm, kMaxRandAfstandMm, waarden[i]);
        form->addRow(OpmaakDialog::tr(plaatsen[i]), afstand[i]);
    }

    // The program's own font first; a font the page names that this
    // computer lacks stays in the list by its name. A name may be typed,
    // completed from the list.
    auto *font = new QComboBox(&dialog);
    font->setEditable(true);
    font->setInsertPolicy(QComboBox::NoInsert);
    font->addItem(OpmaakDialog::tr("Standaard (Arial)"));
    font->addItems(families);
    if (!s.lettertype.isEmpty() && !families.contains(s.lettertype))
        font->addItem(s.lettertype);
    font->setCurrentIndex(s.lettertype.isEmpty() ? 0 : font->findText(s.lettertype));
    form->addRow(OpmaakDialog::tr("Lettertype"), font);
    NumberField *punten[4];
    const char *const teksten[] = {QT_TRANSLATE_NOOP("OpmaakDialog", "Titel"), QT_TRANSLATE_NOOP("OpmaakDialog", "Subtitel"),
                                   QT_TRANSLATE_NOOP("OpmaakDialog", "Paginanummer"),
                                   QT_TRANSLATE_NOOP("OpmaakDialog", "Onderschriften")};
    const int grootten[] = {s.titelPunten, s.subtitelPunten, s.nummerPunten, s.onderschriftPunten};
    for (int i = 0; i < 4; ++i) {
        punten[i] = mmField(&dialog, OpmaakDialog::tr(teksten[i]), kMinOpmaakPunten, kMaxOpmaakPunten, grootten[i],
                            QStringLiteral(" pt"));
        form->addRow(OpmaakDialog::tr(teksten[i]), punten[i]);
    }
    auto *cursief = new QCheckBox(OpmaakDialog::tr("Onderschriften cursief"), &dialog);
    cursief->setChecked(s.cursief);
    form->addRow(QString(), cursief);
    NumberField *kaders = mmField(&dialog, OpmaakDialog::tr("Kaders per pagina"), kMinKadersPerPagina, kMaxKaders,
                                  s.kadersPerPagina, QString());
    form->addRow(OpmaakDialog::tr("Kaders per pagina"), kaders);
    auto *nieuw = new QCheckBox(OpmaakDialog::tr("Ook voor nieuwe pagina's"), &dialog);
    nieuw->setChecked(current.ookNieuw);
    outer->addWidget(nieuw);

    QLabel *hint = hintLine(&dialog);
    outer->addWidget(hint);
    QDialogButtonBox *buttons = okCancelButtons(dialog);
    outer->addWidget(buttons);

    // The lines' fields only where there are lines to set; OK waits while
    // a field in use cannot be taken.
    auto update = [=] {
        const int lijnen = std::max(0, rand->currentIndex() - 1);
        buiten->setEnabled(lijnen >= 1);
        kleur->setEnabled(lijnen >= 1);
        binnen->setEnabled(lijnen >= 2);
        ruimte->setEnabled(lijnen >= 2);
        const QString problem = fieldsProblem({buiten, binnen, ruimte, afstand[0], afstand[1], afstand[2], afstand[3],
                                               punten[0], punten[1], punten[2], punten[3], kaders});
        showHint(hint, problem,
                 fieldsConversions({buiten, binnen, ruimte, afstand[0], afstand[1], afstand[2], afstand[3]}));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    };
    QObject::connect(rand, &QComboBox::currentIndexChanged, &dialog, update);
    for (NumberField *field : {buiten, binnen, ruimte, afstand[0], afstand[1], afstand[2], afstand[3], punten[0], punten[1],
                               punten[2], punten[3], kaders})
        QObject::connect(field, &QLineEdit::textChanged, &dialog, update);
    update();
    tabChain({rand, buiten, binnen, ruimte, kleur, afstand[0], afstand[1], afstand[2], afstand[3], font, punten[0], punten[1],
              punten[2], punten[3], cursief, kaders, nieuw});
    focusFirstField(rand);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;

    // A field not in use keeps what the page had.
    OpmaakKeuze out = current;
    PaginaOpmaak &o = out.opmaak;
    o.rand = kRanden[rand->currentIndex()];
    const int lijnen = o.lijnen();
    if (lijnen >= 1) {
        o.dikteBuiten = buiten->number().value_or(o.dikteBuiten);
        o.zwart = kleur->currentIndex() == 1;
    }
    if (lijnen >= 2) {
        o.dikteBinnen = binnen->number().value_or(o.dikteBinnen);
        o.tussenruimte = ruimte->number().value_or(o.tussenruimte);
    }
    double *plaats[] = {&o.links, &o.rechts, &o.boven, &o.onder};
    for (int i = 0; i < 4; ++i)
        *plaats[i] = afstand[i]->number().value_or(*plaats[i]);
    // As installed where it is, else as typed: the page keeps the name.
    const QString typed = font->currentText().trimmed();
    const QString installed = installedPageFamily(typed);
    o.lettertype = typed.isEmpty() || typed == font->itemText(0) ? QString() : installed.isEmpty() ? typed : installed;
    int *grootte[] = {&o.titelPunten, &o.subtitelPunten, &o.nummerPunten, &o.onderschriftPunten};
    for (int i = 0; i < 4; ++i)
        *grootte[i] = punten[i]->value().value_or(*grootte[i]);
    o.cursief = cursief->isChecked();
    o.kadersPerPagina = kaders->value().value_or(o.kadersPerPagina);
    out.ookNieuw = nieuw->isChecked();
    return out;
}

} // namespace plenvik
