// " Album indelen": the list of stamps, the fields of the layout, and a
// preview of the pages the program lays out, one at a time.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include "design/albumlayout.h"
#include "design/stamplist.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct AlbumIndelen {
    Q_DECLARE_TR_FUNCTIONS(AlbumIndelen)
};

// A pause in typing before the layout is worked out again, so a long
// list does not slow the typing down.
constexpr int kSettleMs = 150;
} // namespace

IndelenVelden QtExtraDialogs::albumIndelen(const IndelenVelden &start, const IndelenHandlers &h)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(AlbumIndelen::tr(" Album indelen"));

    auto *openen = new QPushButton(AlbumIndelen::tr("Openen..."), &dialog);
    auto *lijst = new QPlainTextEdit(&dialog);
    lijst->setLineWrapMode(QPlainTextEdit::NoWrap);
    lijst->setPlaceholderText(AlbumIndelen::tr("Een zegel per regel: onderschrift; breedte; hoogte; aantal\n"
                                 "(mm, een komma of een punt; het aantal mag weg)\n\n"
                                 "= 1852 Koning Willem III\nNVPH 1; 22; 26\nNVPH 2; 22; 26\n"
                                 "= 1864 Koning Willem III\nNVPH 4; 21,5; 25; 3"));
    auto *naam = new QLineEdit(start.naam, &dialog);
    auto *titel = new QLineEdit(start.titel, &dialog);
    QSpinBox *eerste = mmField(&dialog, 1, kMaxEerstePagina, start.eerstePagina);
    eerste->setSuffix(QString());
    QSpinBox *tussenruimte = mmField(&dialog, 0, kAreaWidthMm, start.layout.gap);
    QSpinBox *rijafstand = mmField(&dialog, 0, kAreaHeightMm, start.layout.rowDistance);
    QDoubleSpinBox *marge = tenthsMmField(&dialog, 0, kMaxMargeTiende / 10.0, start.margeTiende / 10.0);
    auto *nieuwePagina = new QCheckBox(AlbumIndelen::tr("Elke uitgifte op een nieuwe pagina"), &dialog);
    nieuwePagina->setChecked(start.layout.issuePerPage);
    auto *vervolg = new QLineEdit(start.vervolg, &dialog);
    vervolg->setMaxLength(kMaxVervolgTekens);
    auto *koppen = new QCheckBox(AlbumIndelen::tr("Koppen boven de uitgiften"), &dialog);
    koppen->setChecked(start.koppen);
    QSpinBox *kopPunten = mmField(&dialog, kMinPunten, kMaxPunten, start.kopPunten);
    kopPunten->setSuffix(QStringLiteral(" pt"));

    auto *preview = new QLabel(&dialog);
    preview->setFixedSize(kCanvasWidth + 2, kCanvasHeight + 2);
    preview->setFrameShape(QFrame::Box);
    preview->setAlignment(Qt::AlignCenter);
    auto *vorige = new QPushButton(AlbumIndelen::tr("Vorige"), &dialog);
    auto *volgende = new QPushButton(AlbumIndelen::tr("Volgende"), &dialog);
    auto *welke = new QLabel(&dialog);
    auto *regel = new QLabel(&dialog);
    regel->setWordWrap(true);
    regel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *inBibliotheek = new QPushButton(AlbumIndelen::tr("In bibliotheek zetten"), &dialog);
    auto *sluiten = new QPushButton(AlbumIndelen::tr("Sluiten"), &dialog);
    for (QPushButton *b : {openen, vorige, volgende, inBibliotheek, sluiten})
        b->setAutoDefault(false);

    auto *form = new QFormLayout;
    form->addRow(AlbumIndelen::tr("Naam"), naam);
    form->addRow(AlbumIndelen::tr("Titel"), titel);
    form->addRow(AlbumIndelen::tr("Eerste paginanummer"), eerste);
    form->addRow(AlbumIndelen::tr("Tussenruimte"), tussenruimte);
    form->addRow(AlbumIndelen::tr("Rijafstand"), rijafstand);
    form->addRow(AlbumIndelen::tr("Marge"), marge);
    form->addRow(QString(), nieuwePagina);
    form->addRow(AlbumIndelen::tr("Vervolgtekst"), vervolg);
    form->addRow(QString(), koppen);
    form->addRow(AlbumIndelen::tr("Grootte van de koppen"), kopPunten);
    auto *left = new QVBoxLayout;
    auto *listHead = new QHBoxLayout;
    listHead->addWidget(new QLabel(AlbumIndelen::tr("Lijst van zegels"), &dialog));
    listHead->addStretch();
    listHead->addWidget(openen);
    left->addLayout(listHead);
    left->addWidget(lijst, 1);
    left->addLayout(form);
    auto *paging = new QHBoxLayout;
    paging->addWidget(vorige);
    paging->addWidget(welke, 1, Qt::AlignCenter);
    paging->addWidget(volgende);
    auto *right = new QVBoxLayout;
    right->addWidget(preview);
    right->addLayout(paging);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(regel, 1);
    buttons->addWidget(inBibliotheek);
    buttons->addWidget(sluiten);
    auto *outer = new QVBoxLayout(&dialog);
    outer->addLayout(columns, 1);
    outer->addLayout(buttons);
    tabChain({lijst, openen, naam, titel, eerste, tussenruimte, rijafstand, marge, nieuwePagina, vervolg, koppen, kopPunten,
              vorige, volgende, inBibliotheek, sluiten});
    dialog.resize(860, 640);

    auto velden = [=] {
        return IndelenVelden{naam->text(),
                             titel->text(),
                             eerste->value(),
                             LayoutSettings{tussenruimte->value(), rijafstand->value(), nieuwePagina->isChecked()},
                             int(qRound(marge->value() * 10)),
                             vervolg->text(),
                             koppen->isChecked(),
                             kopPunten->value()};
    };
    int pages = 0;
    int shown = 0;
    auto showPage = [&] {
        shown = qBound(0, shown, qMax(0, pages - 1));
        if (pages == 0) {
            preview->clear();
            welke->clear();
        } else {
            preview->setPixmap(QPixmap::fromImage(h.voorbeeld(shown)));
            welke->setText(AlbumIndelen::tr("Pagina %1 van %2").arg(shown + 1).arg(pages));
        }
        vorige->setEnabled(shown > 0);
        volgende->setEnabled(shown + 1 < pages);
    };
    auto layOut = [&] {
        const IndelenUitkomst uit = h.indelen(lijst->toPlainText(), velden());
        regel->setText(uit.regel);
        pages = uit.paginas;
        inBibliotheek->setEnabled(uit.goed);
        showPage();
    };
    QTimer settle;
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    QObject::connect(&settle, &QTimer::timeout, &dialog, layOut);
    auto changed = [&] { settle.start(); };
    QObject::connect(lijst, &QPlainTextEdit::textChanged, &dialog, changed);
    for (QLineEdit *e : {naam, titel, vervolg})
        QObject::connect(e, &QLineEdit::textChanged, &dialog, changed);
    for (QSpinBox *b : {eerste, tussenruimte, rijafstand, kopPunten})
        QObject::connect(b, &QSpinBox::valueChanged, &dialog, changed);
    QObject::connect(koppen, &QCheckBox::toggled, &dialog, changed);
    QObject::connect(marge, &QDoubleSpinBox::valueChanged, &dialog, changed);
    QObject::connect(nieuwePagina, &QCheckBox::toggled, &dialog, changed);
    QObject::connect(vorige, &QPushButton::clicked, &dialog, [&] {
        --shown;
        showPage();
    });
    QObject::connect(volgende, &QPushButton::clicked, &dialog, [&] {
        ++shown;
        showPage();
    });
    QObject::connect(openen, &QPushButton::clicked, &dialog, [&] {
        QFileDialog files(&dialog, AlbumIndelen::tr(" Lijst openen"), QString(), AlbumIndelen::tr("Lijsten (*.txt *.csv *.tsv);;Alle bestanden (*)"));
        files.setFileMode(QFileDialog::ExistingFile);
        files.setOption(QFileDialog::DontUseNativeDialog, true);
        if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
            return;
        if (const std::optional<QString> text = h.openen(files.selectedFiles().constFirst()))
            lijst->setPlainText(*text);
        lijst->setFocus(Qt::OtherFocusReason);
    });
    QObject::connect(inBibliotheek, &QPushButton::clicked, &dialog, [&] {
        // What is put in is what the fields say now, also in the pause
        // after typing.
        if (settle.isActive()) {
            settle.stop();
            layOut();
        }
        if (inBibliotheek->isEnabled())
            regel->setText(h.inBibliotheek());
    });
    QObject::connect(sluiten, &QPushButton::clicked, &dialog, &QDialog::accept);

    layOut();
    focusFirstField(lijst);
    dialog.exec();
    return velden();
}

} // namespace plenvik
