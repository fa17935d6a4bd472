// " Album indelen": the list of stamps, the fields of the layout, and a
// preview of the pages the program lays out, one at a time.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include "design/albumlayout.h"
#include "design/stamplist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include "platform/numberfield.h"
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
    // The albums kept are offered; a new name is typed.
    auto *naam = new QComboBox(&dialog);
    naam->setEditable(true);
    naam->setInsertPolicy(QComboBox::NoInsert);
    auto offerAlbums = [=] {
        const QString typed = naam->currentText();
        naam->clear();
        if (h.albums)
            naam->addItems(h.albums());
        naam->setEditText(typed);
    };
    naam->setEditText(start.naam);
    offerAlbums();
    auto *titel = new QLineEdit(start.titel, &dialog);
    NumberField *eerste = mmField(&dialog, AlbumIndelen::tr("Eerste paginanummer"), 1, kMaxEerstePagina, start.eerstePagina, QString());
    NumberField *tussenruimte = mmField(&dialog, AlbumIndelen::tr("Tussenruimte"), 0, kAreaWidthMm, start.layout.gap);
    NumberField *rijafstand = mmField(&dialog, AlbumIndelen::tr("Rijafstand"), 0, kAreaHeightMm, start.layout.rowDistance);
    NumberField *marge = tenthsMmField(&dialog, AlbumIndelen::tr("Marge"), 0, kMaxMargeTiende / 10.0, start.margeTiende / 10.0);
    auto *nieuwePagina = new QCheckBox(AlbumIndelen::tr("Elke uitgifte op een nieuwe pagina"), &dialog);
    nieuwePagina->setChecked(start.layout.issuePerPage);
    auto *vervolg = new QLineEdit(start.vervolg, &dialog);
    vervolg->setMaxLength(kMaxVervolgTekens);
    auto *koppen = new QCheckBox(AlbumIndelen::tr("Koppen boven de uitgiften"), &dialog);
    koppen->setChecked(start.koppen);
    NumberField *kopPunten = mmField(&dialog, AlbumIndelen::tr("Grootte van de koppen"), kMinPunten, kMaxPunten, start.kopPunten, QStringLiteral(" pt"));
    NumberField *kaders = mmField(&dialog, AlbumIndelen::tr("Kaders per pagina"), kMinKadersPerPagina, kMaxKaders,
                                  start.layout.kadersPerPagina, QString());

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
    form->addRow(AlbumIndelen::tr("Kaders per pagina"), kaders);
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
    tabChain({lijst, openen, naam, titel, eerste, tussenruimte, rijafstand, marge, nieuwePagina, vervolg, koppen, kopPunten, kaders,
              vorige, volgende, inBibliotheek, sluiten});
    dialog.resize(860, 640);

    auto velden = [=] {
        // A field that cannot be taken keeps the value it opened with.
        return IndelenVelden{naam->currentText(),
                             titel->text(),
                             eerste->value().value_or(start.eerstePagina),
                             LayoutSettings{tussenruimte->value().value_or(start.layout.gap),
                                            rijafstand->value().value_or(start.layout.rowDistance), nieuwePagina->isChecked(),
                                            kaders->value().value_or(start.layout.kadersPerPagina)},
                             int(qRound(marge->number().value_or(start.margeTiende / 10.0) * 10)),
                             vervolg->text(),
                             koppen->isChecked(),
                             kopPunten->value().value_or(start.kopPunten)};
    };
    int pages = 0;
    int shown = 0;
    bool current = true; // the preview is of the list and fields as they stand
    auto showPage = [&] {
        shown = qBound(0, shown, qMax(0, pages - 1));
        if (pages == 0) {
            preview->clear();
            welke->clear();
        } else {
            preview->setPixmap(QPixmap::fromImage(h.voorbeeld(shown)));
            // While the list or a field is wrong, the last good layout stays
            // in view, greyed and said to be so.
            welke->setText(current ? AlbumIndelen::tr("Pagina %1 van %2").arg(shown + 1).arg(pages)
                                   : AlbumIndelen::tr("Pagina %1 van %2 van de vorige, goede lijst").arg(shown + 1).arg(pages));
        }
        preview->setEnabled(current);
        vorige->setEnabled(shown > 0);
        volgende->setEnabled(shown + 1 < pages);
    };
    auto layOut = [&] {
        // A field that cannot be taken is named, and nothing goes into the
        // library until it can.
        const QString problem = fieldsProblem({eerste, tussenruimte, rijafstand, marge, kopPunten, kaders});
        const IndelenUitkomst uit = h.indelen(lijst->toPlainText(), velden());
        regel->setText(problem.isEmpty() ? uit.regel : problem);
        current = uit.goed && problem.isEmpty();
        pages = uit.paginas;
        inBibliotheek->setEnabled(current);
        showPage();
    };
    QTimer settle;
    settle.setSingleShot(true);
    settle.setInterval(kSettleMs);
    QObject::connect(&settle, &QTimer::timeout, &dialog, layOut);
    auto changed = [&] { settle.start(); };
    QObject::connect(lijst, &QPlainTextEdit::textChanged, &dialog, changed);
    for (QLineEdit *e : {titel, vervolg})
        QObject::connect(e, &QLineEdit::textChanged, &dialog, changed);
    QObject::connect(naam, &QComboBox::editTextChanged, &dialog, changed);
    // A kept album chosen brings back its list and fields.
    QObject::connect(naam, &QComboBox::activated, &dialog, [&, naam](int index) {
        if (!h.album || index < 0)
            return;
        const auto kept = h.album(naam->itemText(index), lijst->toPlainText());
        if (!kept)
            return;
        const IndelenVelden &v = kept->first;
        naam->setEditText(v.naam);
        titel->setText(v.titel);
        eerste->setNumber(v.eerstePagina);
        tussenruimte->setNumber(v.layout.gap);
        rijafstand->setNumber(v.layout.rowDistance);
        marge->setNumber(v.margeTiende / 10.0);
        nieuwePagina->setChecked(v.layout.issuePerPage);
        vervolg->setText(v.vervolg);
        koppen->setChecked(v.koppen);
        kopPunten->setNumber(v.kopPunten);
        kaders->setNumber(v.layout.kadersPerPagina);
        lijst->setPlainText(kept->second);
    });
    for (NumberField *b : {eerste, tussenruimte, rijafstand, marge, kopPunten, kaders})
        QObject::connect(b, &QLineEdit::textChanged, &dialog, changed);
    QObject::connect(koppen, &QCheckBox::toggled, &dialog, changed);
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
        if (inBibliotheek->isEnabled()) {
            regel->setText(h.inBibliotheek());
            offerAlbums(); // the album just put is one of them now
        }
    });
    QObject::connect(sluiten, &QPushButton::clicked, &dialog, &QDialog::accept);

    lijst->setPlainText(h.lijst);
    layOut();
    focusFirstField(lijst);
    dialog.exec();
    return velden();
}

} // namespace plenvik
