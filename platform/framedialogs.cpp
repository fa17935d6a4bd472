// " Kader invoeren" and " Rij kaders": frames entered in millimetres.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct FrameDialogs {
    Q_DECLARE_TR_FUNCTIONS(FrameDialogs)
};
} // namespace

namespace {

constexpr int kMaxMm = 297;
constexpr int kBesideCanvasX = 540;
constexpr int kBesideCanvasY = 60;

// A form of fields under each other, OK and Annuleren below; Tab follows the
// order in which the fields are added.
struct Form {
    QDialog dialog;
    QFormLayout *form;
    QWidget *first = nullptr;
    QWidget *previous = nullptr;

    Form(QWidget *parent, const QString &title) : dialog(parent)
    {
        dialog.setWindowTitle(title);
        auto *outer = new QVBoxLayout(&dialog);
        form = new QFormLayout;
        outer->addLayout(form);
        outer->addWidget(okCancelButtons(dialog));
        // Over the listing, beside the canvas, so the preview stays in sight.
        if (parent)
            dialog.move(parent->mapToGlobal(QPoint(kBesideCanvasX, kBesideCanvasY)));
    }
    template <typename W> W *add(const QString &label, W *field)
    {
        form->addRow(label, field);
        if (previous)
            QWidget::setTabOrder(previous, field);
        else
            first = field;
        previous = field;
        return field;
    }
    QSpinBox *mm(const QString &label, int minimum, int maximum, int value)
    {
        return add(label, mmField(&dialog, minimum, maximum, value));
    }
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
    // Shows the dialog with the preview following the fields; the values
    // on OK, nothing on Cancel.
    template <typename Values, typename Read>
    std::optional<Values> run(const Read &values, const std::function<void(const Values &)> &preview)
    {
        if (preview) {
            onChange([&] { preview(values()); });
            preview(values());
        }
        focusFirstField(first);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return values();
    }

private:
    // Calls 'changed' whenever one of the fields changes.
    void onChange(const std::function<void()> &changed)
    {
        for (QSpinBox *s : dialog.findChildren<QSpinBox *>())
            QObject::connect(s, &QSpinBox::valueChanged, &dialog, changed);
        for (QCheckBox *c : dialog.findChildren<QCheckBox *>())
            QObject::connect(c, &QCheckBox::toggled, &dialog, changed);
        // The text fields, not the editors inside the spin boxes.
        for (QLineEdit *l : dialog.findChildren<QLineEdit *>()) {
            if (!qobject_cast<QAbstractSpinBox *>(l->parent()))
                QObject::connect(l, &QLineEdit::textChanged, &dialog, changed);
        }
    }
};

} // namespace

std::optional<KaderInvoer> QtExtraDialogs::kaderInvoeren(const KaderInvoer &start,
                                                         const std::function<void(const KaderInvoer &)> &preview)
{
    Form f(m_parent, FrameDialogs::tr(" Kader invoeren"));
    QSpinBox *links = f.mm(FrameDialogs::tr("Links"), 0, kMaxMm, start.links);
    QSpinBox *boven = f.mm(FrameDialogs::tr("Boven"), 0, kMaxMm, start.boven);
    QSpinBox *breedte = f.mm(FrameDialogs::tr("Breedte"), 1, kMaxMm, start.breedte);
    QSpinBox *hoogte = f.mm(FrameDialogs::tr("Hoogte"), 1, kMaxMm, start.hoogte);
    QCheckBox *binnen = f.check(FrameDialogs::tr("Binnenkader"), start.binnenkader);
    QLineEdit *onderschrift = f.text(FrameDialogs::tr("Onderschrift"), start.onderschrift);
    // A picture of the stamp, if the collector has one: typed or chosen.
    auto *row = new QWidget(&f.dialog);
    auto *afbeelding = new QLineEdit(start.afbeelding, row);
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
    return f.run<KaderInvoer>(
        [=] {
            return KaderInvoer{links->value(), boven->value(), breedte->value(), hoogte->value(), binnen->isChecked(),
                               onderschrift->text(), afbeelding->text().trimmed()};
        },
        preview);
}

std::optional<RijInvoer> QtExtraDialogs::rijKaders(const RijInvoer &start,
                                                   const std::function<void(const RijInvoer &)> &preview)
{
    Form f(m_parent, FrameDialogs::tr(" Rij kaders"));
    QSpinBox *aantal = f.add(FrameDialogs::tr("Aantal"), new QSpinBox(&f.dialog));
    aantal->setRange(1, 20);
    aantal->setValue(start.aantal);
    QSpinBox *breedte = f.mm(FrameDialogs::tr("Breedte"), 1, kMaxMm, start.breedte);
    QSpinBox *hoogte = f.mm(FrameDialogs::tr("Hoogte"), 1, kMaxMm, start.hoogte);
    QSpinBox *tussen = f.mm(FrameDialogs::tr("Tussenruimte"), 0, kMaxMm, start.tussenruimte);
    QSpinBox *boven = f.mm(FrameDialogs::tr("Boven"), 0, kMaxMm, start.boven);
    QCheckBox *binnen = f.check(FrameDialogs::tr("Binnenkader"), start.binnenkader);
    QLineEdit *eerste = f.text(FrameDialogs::tr("Eerste onderschrift"), start.eersteOnderschrift);
    return f.run<RijInvoer>(
        [=] {
            return RijInvoer{aantal->value(), breedte->value(), hoogte->value(), tussen->value(),
                             boven->value(), binnen->isChecked(), eerste->text()};
        },
        preview);
}

} // namespace plenvik
