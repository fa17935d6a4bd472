// " Album afdrukken": which pages of the library go into the album, in
// which order; and the progress window of the job.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace plenvik {

namespace {
// The texts the user reads here, by this name in the translation.
struct AlbumDialog {
    Q_DECLARE_TR_FUNCTIONS(AlbumDialog)
};
} // namespace

std::optional<AlbumKeuze> QtExtraDialogs::albumAfdrukken(const QStringList &pages, const QList<AfdrukAlbum> &albums, int gekozen)
{
    QDialog dialog(m_parent);
    dialog.setWindowTitle(AlbumDialog::tr(" Album afdrukken"));
    dialog.resize(360, 440);
    auto *list = new QListWidget(&dialog);
    for (const QString &name : pages) {
        auto *item = new QListWidgetItem(name, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    list->setCurrentRow(0);
    auto *alles = new QPushButton(AlbumDialog::tr("Alles"), &dialog);
    auto *niets = new QPushButton(AlbumDialog::tr("Niets"), &dialog);
    alles->setAutoDefault(false);
    niets->setAutoDefault(false);
    auto tickAll = [list](Qt::CheckState state) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(state);
    };
    QObject::connect(alles, &QPushButton::clicked, &dialog, [=] { tickAll(Qt::Checked); });
    QObject::connect(niets, &QPushButton::clicked, &dialog, [=] { tickAll(Qt::Unchecked); });
    auto *opNaam = new QRadioButton(AlbumDialog::tr("Op naam"), &dialog);
    auto *opNummer = new QRadioButton(AlbumDialog::tr("Op paginanummer"), &dialog);
    auto *order = new QButtonGroup(&dialog);
    order->addButton(opNaam);
    order->addButton(opNummer);
    opNaam->setChecked(true);
    QDialogButtonBox *buttons = okCancelButtons(dialog);
    // An album ticks its own pages and no others.
    auto *album = new QComboBox(&dialog);
    album->addItem(AlbumDialog::tr("(geen)"));
    for (const AfdrukAlbum &a : albums)
        album->addItem(a.naam);
    auto chooseAlbum = [=](int index) {
        if (index < 1 || index > albums.size())
            return;
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(albums.at(index - 1).pages.contains(list->item(i)->text()) ? Qt::Checked : Qt::Unchecked);
    };
    QObject::connect(album, &QComboBox::activated, &dialog, chooseAlbum);
    if (gekozen >= 0 && gekozen < albums.size()) {
        album->setCurrentIndex(gekozen + 1);
        chooseAlbum(gekozen + 1);
    }
    auto *albumRow = new QHBoxLayout;
    albumRow->addWidget(new QLabel(AlbumDialog::tr("Album"), &dialog));
    albumRow->addWidget(album, 1);
    album->setVisible(!albums.isEmpty());
    albumRow->itemAt(0)->widget()->setVisible(!albums.isEmpty());

    auto *tick = new QHBoxLayout;
    tick->addWidget(alles);
    tick->addWidget(niets);
    tick->addStretch();
    auto *outer = new QVBoxLayout(&dialog);
    outer->addLayout(albumRow);
    outer->addWidget(list, 1);
    outer->addLayout(tick);
    outer->addWidget(opNaam);
    outer->addWidget(opNummer);
    outer->addWidget(buttons);
    tabChain({album, list, alles, niets, opNaam, opNummer, buttons});

    focusFirstField(list);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    AlbumKeuze keuze;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            keuze.pages << list->item(i)->text();
    keuze.opPaginanummer = opNummer->isChecked();
    // The album's pages as ticked by it: printed in its order.
    const int chosen = album->currentIndex() - 1;
    if (chosen >= 0 && chosen < albums.size()) {
        QStringList own = albums.at(chosen).pages;
        own.removeIf([&](const QString &p) { return !pages.contains(p); });
        QStringList sorted = own, ticked = keuze.pages;
        sorted.sort();
        ticked.sort();
        if (sorted == ticked && !own.isEmpty()) {
            keuze.pages = own;
            keuze.album = albums.at(chosen).naam;
        }
    }
    return keuze;
}

AlbumAntwoord QtExtraDialogs::albumVervangen(const QString &text)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(AlbumDialog::tr(" Album indelen"));
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    QPushButton *vervangen = box.addButton(AlbumDialog::tr("Vervangen"), QMessageBox::DestructiveRole);
    QPushButton *bewaren = box.addButton(AlbumDialog::tr("Eigen bewaren"), QMessageBox::AcceptRole);
    QPushButton *stoppen = box.addButton(AlbumDialog::tr("Stoppen"), QMessageBox::RejectRole);
    box.setDefaultButton(bewaren);
    box.setEscapeButton(stoppen);
    box.exec();
    if (box.clickedButton() == vervangen)
        return AlbumAntwoord::Vervangen;
    return box.clickedButton() == bewaren ? AlbumAntwoord::EigenBewaren : AlbumAntwoord::Stoppen;
}

namespace {
class QtProgress : public Progress {
public:
    QtProgress(QWidget *parent, const QString &title, int total, int showAfterMs)
        : m_dialog(QString(), AlbumDialog::tr("Annuleren"), 0, total, parent)
    {
        m_dialog.setWindowTitle(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        m_dialog.setMinimumDuration(showAfterMs);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setMinimumWidth(360);
    }
    void step(int done, int total, const QString &text) override
    {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
        m_dialog.setLabelText(text);
        QApplication::processEvents();
    }
    bool cancelled() override { return m_dialog.wasCanceled(); }
    void handOver(const QString &text) override
    {
        m_dialog.setCancelButton(nullptr);
        m_dialog.setValue(m_dialog.maximum());
        m_dialog.setLabelText(text);
        m_dialog.show();
        QApplication::processEvents();
    }

private:
    QProgressDialog m_dialog;
};
} // namespace

std::unique_ptr<Progress> QtExtraDialogs::progress(const QString &title, int total, int showAfterMs)
{
    // The active window is the parent, so a progress over an open dialog
    // stands over that dialog.
    QWidget *active = QApplication::activeModalWidget();
    return std::make_unique<QtProgress>(active ? active : m_parent, title, total, showAfterMs);
}

} // namespace plenvik
