// " Album afdrukken": which pages of the library go into the album, in
// which order; and the progress window of the job.

#include "platform/dialogstyle.h"
#include "platform/extradialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
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

std::optional<AlbumKeuze> QtExtraDialogs::albumAfdrukken(const QStringList &pages)
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

    auto *tick = new QHBoxLayout;
    tick->addWidget(alles);
    tick->addWidget(niets);
    tick->addStretch();
    auto *outer = new QVBoxLayout(&dialog);
    outer->addWidget(list, 1);
    outer->addLayout(tick);
    outer->addWidget(opNaam);
    outer->addWidget(opNummer);
    outer->addWidget(buttons);
    tabChain({list, alles, niets, opNaam, opNummer, buttons});

    focusFirstField(list);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    AlbumKeuze keuze;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            keuze.pages << list->item(i)->text();
    keuze.opPaginanummer = opNummer->isChecked();
    return keuze;
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
