#pragma once
// The main window. It owns the page design, the editing state and every
// control; its handlers are split by subsystem over main_*.cpp files.

#include "library/paths.h"
#include "library/settings.h"
#include "canvas/undostore.h"
#include "design/albumkept.h"
#include "design/calibration.h"
#include "design/pagedesign.h"
#include "design/pageedit.h"
#include "design/rows.h"
#include "design/strips.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QScrollBar;

namespace plenvik {

// The library's pages as its list shows them, from their picture files.
QStringList libraryEntries(const QStringList &pictureFiles);

class Dialogs;
class ExtraDialogs;
class EditTool;
class FrameTool;
class LoepPic;
class Pic;
class Printer;
class ScreenSource;
class UrlOpener;

// The platform services the window works through; tests pass fakes.
struct Services {
    Dialogs *dialogs = nullptr;
    Printer *printer = nullptr;
    ScreenSource *screen = nullptr;
    UrlOpener *urls = nullptr;
    ExtraDialogs *extra = nullptr;
};

class Main : public QMainWindow {
    Q_OBJECT
public:
    Main(const Paths &paths, Services services, QWidget *parent = nullptr);
    ~Main() override;

    // State, for the handlers of every subsystem and for tests.
    PageDesign &design() { return m_design; }
    EditState &editState() { return m_edit; }
    const Settings &settings() const { return m_settings; }
    const UndoStore &undoStore() const { return m_undo; }
    QString listingText() const { return m_listing; }
    bool isPageChanged() const { return pageChanged(); }
    const Paths &paths() const { return m_paths; }
    QWidget *control(const char *name) const;
    QAction *action(const QString &name) const;
    Pic *pic() const { return m_pic; }
    // The frame chosen on the canvas; 0 for none.
    int chosenKader() const;
    bool isPrinting() const { return m_printing; }

    void UpdateListing();
    bool RefreshLibrary();

public slots:
    // Canvas
    void onPicMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void onPicMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void onPicMouseUp(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, double x, double y);
    void onPicDoubleClick(double x, double y);
    void onPicKey(int key, Qt::KeyboardModifiers mods, bool *used);
    // Edit and Tools
    void onEditUndo();
    void onEditRedo();
    void onEditBinnenkader();
    void onToolsBorder(int index);
    void onToolsTitel();
    void onToolsSubTitel();
    void onToolsPaginanummer();
    void onToolsKruis();
    void onScrollChange(int bar, int value);
    // File and library
    void onFileNew();
    void onFileSave();
    void onList1DblClick();
    void onDelKnopClick();
    void onFilePrintSupplement();
    void onFilePrintSetup();
    void onFileExit();
    // Shell
    void onKlokTimer();
    void onLoepScrollChange(int value);
    void onLoepTimer();
    void onHelpUitleg();
    void onHelpSoftware();
    // Extra
    void onExtraKaderInvoeren();
    void onExtraKaderWijzigen();
    void onExtraTekstInvoeren();
    void onExtraRijKaders();
    void onExtraAlbumIndelen();
    void onExtraPapierformaat();
    void onExtraPaginaOpmaak();
    void onExtraAfbeeldingen();
    void onExtraStroken();
    void onExtraAlbum();
    void onExtraPrinterIjken();
    void onLogoImageClick();

protected:
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildEditTool();
    // The chosen frame's handles and the menu item that changes it, as the
    // page now stands.
    void showChoice();
    // " Tekst wijzigen" for line t.
    void changeTekst(int t);
    // The lines of text that would not lie wholly on 'sheet'.
    QList<int> tekstenOffSheet(const Sheet &sheet) const;
    // After an edit of frame k: its stored picture fitted to its room.
    void refitPicture(int k);
    // The page as an Undo step holds it, on the canvas and in the listing.
    void showStep(const UndoStep &step);
    // Draws the page anew from its design after an edit of its frames.
    void redrawFromDesign();
    void buildMenus();
    void applyPanelColour();
    void readSettingsAtStartUp();
    // Moves the open page to 'sheet': canvas, picture, texts and the Undo
    // pictures drawn anew where the millimetres say.
    void applySheet(const Sheet &sheet);
    // The canvas and the label under the magnifier for the open page's sheet.
    void showSheet();
    // The page's style on the canvas: its border and the page texts' places.
    void showOpmaak();
    PaginaOpmaak nieuweOpmaakOp(const Sheet &sheet) const;
    // Which font stands in for the page's own where this computer lacks
    // it; empty when it has it.
    QString standInFont() const;
    void showDrawingColour();
    void applyBorderToControls();
    void placeLabels();
    // Tells the user, and returns true, when the files of the page cannot be
    // paired for certain: nothing of it may then be read or removed.
    bool refuseUnpairedFiles(const QString &name);
    // Reads page 'name' from the library into the window; false, with a
    // message, when it cannot be read.
    bool openPage(const QString &name);
    // The library list marks the open page, or nothing for a page not saved.
    void markOpenPageInList();
    // After a put of 'names': the open page among them is opened anew when
    // unchanged, or kept and told of, marked changed, when changed.
    void followPutOverOpenPage(const QStringList &names);
    bool printToSurface(const QString &pdfPath);
    // Asks for a PDF file when there is no printer; false when the user
    // cancelled. 'suggested' is the file name offered.
    bool choosePdfWhenNoPrinter(const QString &suggested, QString *pdfPath);
    void printCutList(const QString &text, const Sheet &sheet);
    // The page as last loaded, saved or started is now the open page, of
    // that name (empty for a page not yet saved).
    void markSaved(const QString &name);
    // The open page differs from the page as last loaded, saved or started.
    bool pageChanged() const;
    void updateTitle();
    // True when the open page may be replaced or closed: it has no changes,
    // or the user saved them or let them go.
    bool mayDropPage();
    // The save with its name question; true when the page was saved.
    bool savePage();
    // Puts an album's laid-out pages and the album into the library as one,
    // after a question for the pages it replaces or leaves over; what to
    // tell under the preview.
    QString putAlbumInLibrary(const BewaardAlbum &album, const QList<PageDesign> &pages, bool *put);
    // The calibration of the printer a job goes to; none for a PDF file.
    PrinterCorrection correctionFor(const QString &pdfPath);

    Paths m_paths;
    Services m_services;
    PageDesign m_design;
    EditState m_edit;
    Settings m_settings;
    UndoStore m_undo;
    QString m_listing;
    KaderInvoer m_lastKader;
    TekstInvoer m_lastTekst;
    RijInvoer m_nextRij;
    Sheet m_chosenSheet = kSheetA4; // the paper new pages are made on
    PaginaOpmaak m_nieuweOpmaak;    // and their style
    PageDesign m_savedDesign; // the page as last loaded, saved or started
    QString m_pageName;       // its name in the library; empty before it is saved
    bool m_printing = false;
    QString m_lastPdfFolder; // where the last PDF file was asked for
    bool m_closeConfirmed = false;

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QAction *> m_actions;
    QActionGroup *m_borderGroup = nullptr;
    Pic *m_pic = nullptr;
    LoepPic *m_loep = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_help = nullptr;
    QScrollArea *m_helpScroll = nullptr;
    QScrollBar *m_scroll[3] = {};
    QLabel *m_valueLabel[3] = {};
    QScrollBar *m_loepScroll = nullptr;
    QListWidget *m_list = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QLabel *m_info = nullptr;
    QLabel *m_klok = nullptr;
    QLabel *m_xy = nullptr;
    QTimer m_klokTimer;
    QTimer m_loepTimer;
    std::unique_ptr<FrameTool> m_frameTool;
    std::unique_ptr<EditTool> m_editTool;
};

} // namespace plenvik
