// " Afbeeldingen": the pictures of the stamps in the open page's frames,
// and how faint they are printed.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include "platform/numberfield.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct PicturesDialog {
    Q_DECLARE_TR_FUNCTIONS(PicturesDialog)
};

constexpr int kThumb = 48;
constexpr int kLeastSterkte = 5;
} // namespace

QString pictureChooserFilter()
{
    return PicturesDialog::tr("Afbeeldingen (*.png *.jpg *.jpeg *.bmp *.tif *.tiff);;Alle bestanden (*)");
}

std::optional<AfbeeldingenKeuze> QtExtraDialogs::afbeeldingen(const QList<AfbeeldingRegel> &kaders, bool grijstinten,
                                                              int sterkte)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(PicturesDialog::tr(" Afbeeldingen"));
    auto *outer = new QVBoxLayout(&dialog);
    auto *rows = new QWidget;
    auto *grid = new QGridLayout(rows);
    AfbeeldingenKeuze keuze;
    keuze.gekozen.resize(kaders.size());

    for (int i = 0; i < kaders.size(); ++i) {
        const AfbeeldingRegel &r = kaders.at(i);
        auto *caption = new QLabel(PicturesDialog::tr("Kader %1: %2").arg(i + 1).arg(r.onderschrift));
        auto *shown = new QLabel;
        shown->setFixedSize(kThumb, kThumb);
        shown->setAlignment(Qt::AlignCenter);
        auto *file = new QLabel(r.voorbeeld.isNull() ? PicturesDialog::tr("geen") : QString());
        if (!r.voorbeeld.isNull())
            shown->setPixmap(QPixmap::fromImage(r.voorbeeld.scaled(kThumb, kThumb, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        auto *kiezen = new QPushButton(PicturesDialog::tr("Kiezen..."));
        auto *weg = new QPushButton(PicturesDialog::tr("Weg"));
        weg->setEnabled(!r.voorbeeld.isNull());
        grid->addWidget(caption, i, 0);
        grid->addWidget(shown, i, 1);
        grid->addWidget(file, i, 2);
        grid->addWidget(kiezen, i, 3);
        grid->addWidget(weg, i, 4);
        QObject::connect(kiezen, &QPushButton::clicked, &dialog, [&, i, shown, file, weg] {
            QFileDialog files(&dialog, PicturesDialog::tr(" Afbeelding kiezen"), QString(), pictureChooserFilter());
            files.setFileMode(QFileDialog::ExistingFile);
            files.setOption(QFileDialog::DontUseNativeDialog, true);
            if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
                return;
            // Taken in when the window closes with OK, which says what is wrong.
            keuze.gekozen[i] = files.selectedFiles().constFirst();
            shown->clear();
            file->setText(QFileInfo(*keuze.gekozen[i]).fileName());
            weg->setEnabled(true);
        });
        QObject::connect(weg, &QPushButton::clicked, &dialog, [&, i, shown, file, weg] {
            keuze.gekozen[i] = QString();
            shown->clear();
            file->setText(PicturesDialog::tr("geen"));
            weg->setEnabled(false);
        });
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(int(kaders.size()), 1);
    auto *scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(520, 320);
    outer->addWidget(scroll);

    auto *form = new QFormLayout;
    auto *grijs = new QCheckBox;
    grijs->setChecked(grijstinten);
    NumberField *sterk = mmField(&dialog, PicturesDialog::tr("Sterkte"), kLeastSterkte, 100, sterkte, QStringLiteral(" %"));
    form->addRow(PicturesDialog::tr("Grijstinten"), grijs);
    form->addRow(PicturesDialog::tr("Sterkte"), sterk);
    outer->addLayout(form);
    QLabel *hint = hintLine(&dialog);
    outer->addWidget(hint);
    QDialogButtonBox *buttons = okCancelButtons(dialog);
    outer->addWidget(buttons);
    QObject::connect(sterk, &QLineEdit::textChanged, &dialog, [=] {
        showHint(hint, sterk->problem());
        buttons->button(QDialogButtonBox::Ok)->setEnabled(sterk->problem().isEmpty());
    });
    focusFirstField(sterk);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    keuze.grijstinten = grijs->isChecked();
    keuze.sterkte = sterk->value().value_or(sterkte);
    return keuze;
}

} // namespace plenvik
