// " Kader invoeren" and " Rij kaders": frames entered in millimetres.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"
#include "platform/numberfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct FrameDialogs {
    Q_DECLARE_TR_FUNCTIONS(FrameDialogs)
};
} // namespace

namespace {

constexpr int kBesideCanvasX = 540;
constexpr int kBesideCanvasY = 60;

// A form of fields under each other, a line saying what a field cannot
// take, OK and Annuleren below; Tab follows the order in which the fields
// are added. OK waits while a field holds what it cannot take.
struct Form {
    QDialog dialog;
    QFormLayout *form;
    QLabel *hint;
    QPushButton *ok;
    QWidget *first = nullptr;
    QWidget *previous = nullptr;
    QList<NumberField *> numbers;

    Form(QWidget *parent, const QString &title) : dialog(parent)
    {
        dialog.setWindowTitle(title);
        auto *outer = new QVBoxLayout(&dialog);
        form = new QFormLayout;
        outer->addLayout(form);
        hint = hintLine(&dialog);
        outer->addWidget(hint);
        QDialogButtonBox *buttons = okCancelButtons(dialog);
        ok = buttons->button(QDialogButtonBox::Ok);
        outer->addWidget(buttons);
        // Over the listing, beside the canvas, so the preview stays in sight.
        if (parent)
            dialog.move(parent->mapToGlobal(QPoint(kBesideCanvasX, kBesideCanvasY)));
    }
    // The field, on a row of its own or in 'row' beside what else the row holds.
    template <typename W> W *add(const QString &label, W *field, QWidget *row = nullptr)
    {
        form->addRow(label, row ? row : field);
        if (previous)
            QWidget::setTabOrder(previous, field);
        else
            first = field;
        previous = field;
        return field;
    }
    // A whole number, with its unit beside it; " mm" for millimetres.
    NumberField *number(const QString &label, int minimum, int maximum, int value, const QString &unit = QStringLiteral(" mm"))
    {
        auto *field = new NumberField(label, unit, minimum, maximum, value, &dialog);
        numbers << field;
        if (unit.isEmpty())
            return add(label, field);
        auto *row = new QWidget(&dialog);
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(field);
        layout->addWidget(new QLabel(unit.trimmed(), row));
        return add(label, field, row);
    }
    // The first thing a field cannot take, shown under the fields; empty
    // when every field can take what it holds.
    QString problem() const
    {
        // A field greyed out is not used, and not checked.
        for (const NumberField *n : numbers)
            if (const QString p = n->problem(); !p.isEmpty() && n->isEnabled())
                return p;
        return whole ? whole() : QString();
    }
    // What a length typed with a unit comes to, for the line under the fields.
    QString conversions() const
    {
        QStringList out;
        for (const NumberField *n : numbers)
            if (const QString c = n->conversion(); !c.isEmpty() && n->isEnabled())
                out << c;
        return out.join(QStringLiteral("; "));
    }
    // A check of the fields together, once each can be taken.
    std::function<QString()> whole;
    QCheckBox *check(const QString &label, bool on)
    {
        auto *box = new QCheckBox(&dialog);
        box->setChecked(on);
        return add(label, box);
    }
    QLineEdit *text(const QString &label, const QString &value)
    {
        return add(label, new QLineEdit(value, &dialog));
    }
    // A list to choose from, 'names' in the order of 'values', on 'current'.
    template <typename T, size_t N>
    QComboBox *choice(const QString &label, const T (&values)[N], const char *const (&names)[N], T current)
    {
        auto *box = new QComboBox(&dialog);
        for (size_t i = 0; i < N; ++i) {
            box->addItem(FrameDialogs::tr(names[i]), int(values[i]));
            if (values[i] == current)
                box->setCurrentIndex(int(i));
        }
        return add(label, box);
    }
    // The caption's lines 2 and 3, its shape and its line, after every
    // other field; 'whole' then also checks the lines.
    struct Shape {
        QLineEdit *regel2, *regel3;
        QComboBox *vorm, *lijn;
        Vorm chosenVorm() const { return Vorm(vorm->currentData().toInt()); }
        Lijn chosenLijn() const { return Lijn(lijn->currentData().toInt()); }
    };
    Shape shape(const QString &regel2, const QString &regel3, Vorm vorm, Lijn lijn)
    {
        static const char *const vormen[] = {
            QT_TRANSLATE_NOOP("FrameDialogs", "Rechthoek"), QT_TRANSLATE_NOOP("FrameDialogs", "Driehoek"),
            QT_TRANSLATE_NOOP("FrameDialogs", "Driehoek omlaag"), QT_TRANSLATE_NOOP("FrameDialogs", "Ruit"),
            QT_TRANSLATE_NOOP("FrameDialogs", "Ovaal")};
        static const char *const lijnen[] = {QT_TRANSLATE_NOOP("FrameDialogs", "Doorgetrokken"),
                                             QT_TRANSLATE_NOOP("FrameDialogs", "Gestreept"),
                                             QT_TRANSLATE_NOOP("FrameDialogs", "Geen")};
        Shape out{text(FrameDialogs::tr("Regel 2"), regel2), text(FrameDialogs::tr("Regel 3"), regel3),
                  choice(FrameDialogs::tr("Vorm"), kVormen, vormen, vorm), choice(FrameDialogs::tr("Lijn"), kLijnen, lijnen, lijn)};
        std::function<QString()> before = whole;
        whole = [before, out] {
            if (const QString p = before ? before() : QString(); !p.isEmpty())
                return p;
            return checkCaptionLines(out.regel2->text(), out.regel3->text());
        };
        return out;
    }
    // Shows the dialog with the preview following the fields; the values
    // on OK, nothing on Cancel.
    template <typename Values, typename Read>
    std::optional<Values> run(const Read &values, const std::function<void(const Values &)> &preview)
    {
        // The preview shows only fields that can be taken.
        auto changed = [&] {
            const QString p = problem();
            showHint(hint, p, conversions());
            ok->setEnabled(p.isEmpty());
            if (preview && p.isEmpty())
                preview(values());
        };
        onChange(changed);
        changed();
        focusFirstField(first);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return values();
    }

private:
    // Calls 'changed' whenever one of the fields changes.
    void onChange(const std::function<void()> &changed)
    {
        for (QCheckBox *c : dialog.findChildren<QCheckBox *>())
            QObject::connect(c, &QCheckBox::toggled, &dialog, changed);
        for (QLineEdit *l : dialog.findChildren<QLineEdit *>())
            QObject::connect(l, &QLineEdit::textChanged, &dialog, changed);
        for (QComboBox *c : dialog.findChildren<QComboBox *>())
            QObject::connect(c, &QComboBox::currentIndexChanged, &dialog, changed);
    }
};

} // namespace

// The most whole millimetres on a sheet's side: a frame ends on the sheet.
static int wholeMm(double sheetMm)
{
    return int(std::floor(sheetMm));
}

std::optional<KaderInvoer> QtExtraDialogs::kaderInvoeren(const KaderInvoer &start, const KaderVenster &venster,
                                                         const std::function<void(const KaderInvoer &)> &preview)
{
    Form f(m_parent, venster.wijzigen ? FrameDialogs::tr(" Kader wijzigen") : FrameDialogs::tr(" Kader invoeren"));
    const int across = wholeMm(venster.sheet.widthMm), down = wholeMm(venster.sheet.heightMm);
    NumberField *links = f.number(FrameDialogs::tr("Links"), 0, across - 1, start.links);
    NumberField *boven = f.number(FrameDialogs::tr("Boven"), 0, down - 1, start.boven);
    NumberField *breedte = f.number(FrameDialogs::tr("Breedte"), 1, across, start.breedte);
    NumberField *hoogte = f.number(FrameDialogs::tr("Hoogte"), 1, down, start.hoogte);
    QCheckBox *binnen = f.check(FrameDialogs::tr("Binnenkader"), start.binnenkader);
    // A frame that would reach past the sheet is named before OK, not after.
    f.whole = [=, sheet = venster.sheet] {
        const int l = links->value().value_or(0), b = boven->value().value_or(0);
        const int w = breedte->value().value_or(0), h = hoogte->value().value_or(0);
        return onSheet(Kader{double(l), double(b), double(w), double(h), 0, {}}, sheet) ? QString() : offSheetMessage(sheet);
    };
    QLineEdit *onderschrift = f.text(FrameDialogs::tr("Onderschrift"), start.onderschrift);
    // A picture of the stamp, if the collector has one: typed or chosen.
    auto *row = new QWidget(&f.dialog);
    auto *afbeelding = new QLineEdit(start.afbeelding, row);
    if (venster.heeftAfbeelding)
        afbeelding->setPlaceholderText(FrameDialogs::tr("de afbeelding die het kader heeft"));
    auto *kiezen = new QPushButton(FrameDialogs::tr("Kiezen..."), row);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->addWidget(afbeelding);
    rowLayout->addWidget(kiezen);
    f.add(FrameDialogs::tr("Afbeelding"), row);
    QWidget::setTabOrder(onderschrift, afbeelding);
    QWidget::setTabOrder(afbeelding, kiezen);
    QObject::connect(kiezen, &QPushButton::clicked, &f.dialog, [&] {
        QFileDialog files(&f.dialog, FrameDialogs::tr(" Afbeelding kiezen"), afbeelding->text(), pictureChooserFilter());
        files.setFileMode(QFileDialog::ExistingFile);
        files.setOption(QFileDialog::DontUseNativeDialog, true);
        if (files.exec() == QDialog::Accepted && !files.selectedFiles().isEmpty())
            afbeelding->setText(files.selectedFiles().constFirst());
    });
    f.previous = kiezen;
    const Form::Shape shape = f.shape(start.regel2, start.regel3, start.vorm, start.lijn);
    return f.run<KaderInvoer>(
        [=] {
            return KaderInvoer{links->value().value_or(0), boven->value().value_or(0), breedte->value().value_or(0),
                               hoogte->value().value_or(0), binnen->isChecked(), onderschrift->text(),
                               afbeelding->text().trimmed(), shape.regel2->text(), shape.regel3->text(),
                               shape.chosenVorm(), shape.chosenLijn()};
        },
        preview);
}

std::optional<RijInvoer> QtExtraDialogs::rijKaders(const RijInvoer &start, const Sheet &sheet,
                                                   const std::function<void(const RijInvoer &)> &preview)
{
    Form f(m_parent, FrameDialogs::tr(" Rij kaders"));
    const int across = wholeMm(sheet.widthMm), down = wholeMm(sheet.heightMm);
    NumberField *aantal = f.number(FrameDialogs::tr("Aantal"), 1, kMaxKaders, start.aantal, QString());
    NumberField *breedte = f.number(FrameDialogs::tr("Breedte"), 1, across, start.breedte);
    NumberField *hoogte = f.number(FrameDialogs::tr("Hoogte"), 1, down, start.hoogte);
    NumberField *tussen = f.number(FrameDialogs::tr("Tussenruimte"), 0, across, start.tussenruimte);
    NumberField *boven = f.number(FrameDialogs::tr("Boven"), 0, down - 1, start.boven);
    QCheckBox *binnen = f.check(FrameDialogs::tr("Binnenkader"), start.binnenkader);
    QLineEdit *eerste = f.text(FrameDialogs::tr("Eerste onderschrift"), start.eersteOnderschrift);
    const Form::Shape shape = f.shape(start.regel2, start.regel3, start.vorm, start.lijn);
    return f.run<RijInvoer>(
        [=] {
            return RijInvoer{aantal->value().value_or(0), breedte->value().value_or(0), hoogte->value().value_or(0),
                             tussen->value().value_or(0), boven->value().value_or(0), binnen->isChecked(), eerste->text(),
                             shape.regel2->text(), shape.regel3->text(), shape.chosenVorm(), shape.chosenLijn()};
        },
        preview);
}

std::optional<TekstInvoer> QtExtraDialogs::tekstInvoeren(const TekstInvoer &start, const Sheet &sheet, bool wijzigen,
                                                         const std::function<void(const TekstInvoer &)> &preview)
{
    Form f(m_parent, wijzigen ? FrameDialogs::tr(" Tekst wijzigen") : FrameDialogs::tr(" Tekst invoeren"));
    QLineEdit *tekst = f.text(FrameDialogs::tr("Tekst"), start.tekst);
    NumberField *boven = f.number(FrameDialogs::tr("Boven"), 0, wholeMm(sheet.heightMm) - 1, start.boven);
    NumberField *links = f.number(FrameDialogs::tr("Links"), 0, wholeMm(sheet.widthMm) - 1, start.links);
    QCheckBox *midden = f.check(FrameDialogs::tr("Midden"), start.midden);
    NumberField *punten = f.number(FrameDialogs::tr("Grootte"), kMinPunten, kMaxPunten, start.punten, QStringLiteral(" pt"));
    QCheckBox *vet = f.check(FrameDialogs::tr("Vet"), start.vet);
    // Centred, the line has no left edge of its own.
    auto centred = [=] { links->setEnabled(!midden->isChecked()); };
    QObject::connect(midden, &QCheckBox::toggled, &f.dialog, centred);
    centred();
    return f.run<TekstInvoer>(
        [=] {
            return TekstInvoer{tekst->text(), boven->value().value_or(0), links->value().value_or(0), midden->isChecked(),
                               punten->value().value_or(kDefaultPunten), vet->isChecked()};
        },
        preview);
}

} // namespace plenvik
