// Library handlers of the main window: saving, loading, deleting a page and
// starting a new one. File work lives in the library; this turns its
// outcome into the window's state and the program's messages.

#include "app/mainwindow.h"

#include "canvas/edittool.h"
#include "canvas/grid.h"
#include "canvas/pic.h"
#include "library/pagefiles.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>

namespace plenvik {

namespace {
const char *const kNotSaved = QT_TRANSLATE_NOOP("plenvik::Main", "Kan dit supplement niet opslaan!");
const char *const kNotLoaded = QT_TRANSLATE_NOOP("plenvik::Main", "Kan dit supplement niet laden!");
const char *const kNotDeleted = QT_TRANSLATE_NOOP("plenvik::Main", "Kan dit supplement niet verwijderen!");
} // namespace

QStringList libraryEntries(const QStringList &pictureFiles)
{
    QStringList names;
    for (const QString &f : pictureFiles)
        names << f.chopped(4);
    QStringList entries;
    // Two pictures of one name ("foo.bmp", "foo.BMP") are told apart by
    // their file names.
    for (int i = 0; i < pictureFiles.size(); ++i)
        entries << (names.count(names.at(i)) > 1 ? pictureFiles.at(i) : names.at(i));
    return entries;
}

bool Main::RefreshLibrary()
{
    const auto files = listPictureFiles(m_paths.library);
    if (!files)
        return false;
    const QStringList entries = libraryEntries(*files);
    m_list->clear();
    for (int i = 0; i < files->size(); ++i) {
        auto *item = new QListWidgetItem(entries.at(i), m_list);
        item->setData(Qt::UserRole, files->at(i).chopped(4));
    }
    m_list->setCurrentItem(nullptr); // nothing selected, nothing marked
    return true;
}

bool Main::refuseUnpairedFiles(const QString &name)
{
    const PagePair pair = findPage(m_paths.library, name);
    if (!pair.ambiguous)
        return false;
    m_services.dialogs->message(tr("Niet zeker welke bestanden bij '%1' horen: %2.\n"
                                   "Geef ze buiten Plenvik andere namen, zodat elk supplement "
                                   "één plaatje (.bmp), één ontwerp (.sup) en hoogstens één bestand met "
                                   "afbeeldingen (.afb) heeft.")
                                    .arg(name, pair.files.join(QStringLiteral(", "))));
    return true;
}

void Main::onFileSave()
{
    savePage();
}

bool Main::savePage()
{
    Dialogs &dialogs = *m_services.dialogs;
    // The page's own name is offered, so a correction is saved over it with
    // Return; a new page starts from an empty field.
    const QString name = dialogs.inputBox(tr("Geef een naam voor dit supplement ..."),
                                          tr(" Supplement opslaan"), m_pageName);
    if (name.isEmpty())
        return false;
    const QString folder = m_paths.library;
    // A name that is not a plain file name could write outside the library
    // or not travel to another system: refuse it before anything is written.
    if (!isPlainPageName(name)) {
        dialogs.message(tr(kNotSaved));
        return false;
    }
    if (findPage(folder, name).taken
        && !dialogs.question(tr("Bestand bestaat reeds, overschrijven?"), tr(" File exist")))
        return false;
    // The list is refilled once both files stand, so it never offers a page
    // whose design is not there yet.
    QString why;
    const bool saved = savePageFiles(folder, name, m_pic->picture(), m_design, {}, &why);
    const bool listed = RefreshLibrary();
    if (saved)
        markSaved(name);
    if (!saved || !listed)
        dialogs.message(why.isEmpty() ? tr(kNotSaved) : tr(kNotSaved) + QLatin1Char('\n') + why);
    return saved;
}

void Main::onList1DblClick()
{
    QListWidgetItem *item = m_list->currentItem();
    if (!item || !item->isSelected())
        return;
    const QString name = item->data(Qt::UserRole).toString();
    // A save here refills the list; the name stays.
    if (!mayDropPage()) {
        // The page stays open, and so the list marks it again: Delete
        // acts on the page in the window, not on the one clicked.
        markOpenPageInList();
        return;
    }
    if (refuseUnpairedFiles(name))
        return;
    openPage(name);
}

void Main::markOpenPageInList()
{
    m_list->setCurrentItem(nullptr);
    for (int i = 0; !m_pageName.isEmpty() && i < m_list->count(); ++i)
        if (m_list->item(i)->data(Qt::UserRole).toString() == m_pageName)
            m_list->setCurrentItem(m_list->item(i));
}

bool Main::openPage(const QString &name)
{
    QString why;
    // Both files are read and checked before anything on screen changes.
    auto page = readPageFiles(m_paths.library, name, m_design, &why);
    if (!page) {
        m_services.dialogs->message(tr(kNotLoaded) + QLatin1Char('\n') + why);
        return false;
    }

    m_design.sheet = page->design.sheet;
    showSheet();
    m_pic->setPicture(page->picture);
    m_undo.clear();
    // A loaded picture may be any the page was saved with.
    m_undo.setPictureFromDesign(false);
    m_editTool->choose(0);
    m_info->setText(name);
    m_info->adjustSize();

    // LoadPage
    m_design = page->design;
    applyBorderToControls();
    if (const QString font = standInFont(); !font.isEmpty()) {
        m_info->setText(name + QStringLiteral(": ") + font);
        m_info->adjustSize();
    }
    // An empty text blanks its label and leaves it where it stood.
    struct LoadedText {
        Pic::PageText label;
        const QString &text;
    };
    const LoadedText texts[] = {
        {Pic::PageText::Titel, m_design.PageTitle},
        {Pic::PageText::SubTitel, m_design.PageSubtitle},
        {Pic::PageText::PaginaLabel, m_design.PageNumber},
    };
    for (const LoadedText &t : texts) {
        if (t.text.isEmpty())
            m_pic->setPageTextCaption(t.label, QString());
        else
            m_pic->centrePageText(t.label, t.text);
    }
    QLabel *swatch = qobject_cast<QLabel *>(control("KleurLabel"));
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, QColor(m_design.ColourR, m_design.ColourG, m_design.ColourB));
    swatch->setPalette(pal);
    const int colour[] = {m_design.ColourR, m_design.ColourG, m_design.ColourB};
    for (int i = 0; i < 3; ++i)
        m_scroll[i]->setValue(colour[i]);

    UpdateListing();
    markSaved(name);
    return true;
}

void Main::onDelKnopClick()
{
    Dialogs &dialogs = *m_services.dialogs;
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.constFirst()->data(Qt::UserRole).toString();
    if (name.isEmpty()) {
        dialogs.message(tr("Selecteer eerst een supplement!"));
        return;
    }
    if (refuseUnpairedFiles(name))
        return;
    if (!dialogs.question(tr("Wilt u '%1' verwijderen?").arg(selected.constFirst()->text()), tr(" Delete")))
        return;
    // The files go first: an entry whose picture could not be removed stays
    // listed; one whose design file stayed behind is no longer a page.
    const DeleteResult result = deletePageFiles(m_paths.library, name);
    if (result == DeleteResult::Deleted || result == DeleteResult::DesignKept || result == DeleteResult::PicturesKept)
        delete m_list->takeItem(m_list->row(selected.constFirst()));
    if (result != DeleteResult::Deleted)
        dialogs.message(tr(kNotDeleted));
}

void Main::onFileNew()
{
    // A changed page asks whether to save it instead of whether to start anew.
    if (pageChanged() ? !mayDropPage() : !m_services.dialogs->question(tr("Wilt u een nieuw supplement ontwerpen?"), tr(" Nieuw")))
        return;
    // A new page is on the paper chosen for new pages.
    if (m_design.sheet != m_chosenSheet) {
        m_design.sheet = m_chosenSheet;
        showSheet();
    }
    m_pic->clearPicture();
    m_undo.clear();
    m_undo.setPictureFromDesign(true);
    m_editTool->choose(0);
    m_pic->setPageTextCaption(Pic::PageText::Titel, QString());
    m_pic->setPageTextCaption(Pic::PageText::SubTitel, QString());
    DrawGrid(m_pic->picture());
    m_pic->pictureChanged();
    m_design.resetForNewPage();
    m_design.opmaak = nieuweOpmaakOp(m_design.sheet);
    applyBorderToControls();
    m_pic->setPageTextCaption(Pic::PageText::PaginaLabel, QString());
    UpdateListing();
    m_info->setText(QCoreApplication::translate("Window", "Informatie..."));
    m_info->adjustSize();
    markSaved(QString());
}

} // namespace plenvik
