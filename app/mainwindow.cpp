#include "app/mainwindow.h"

#include "library/opmaaksettings.h"
#include "library/sheetsettings.h"

#include "app/clock.h"
#include "app/layout.h"
#include "canvas/edittool.h"
#include "canvas/frametool.h"
#include "canvas/grid.h"
#include "canvas/loep.h"
#include "canvas/captionclash.h"
#include "canvas/pic.h"
#include "design/listing.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace plenvik {

namespace {

struct MenuSpec {
    const char *menu;
    const char *name;    // "" for a separator
    const char *caption;
    bool checkable;
    void (Main::*handler)();
    const char *keys = nullptr; // shortcuts, ';' between two; the first is shown
};

// clang-format off
const MenuSpec kMenus[] = {
    {"File",  "FileNew",             QT_TRANSLATE_NOOP("Menu", "Nieuw"),            false, &Main::onFileNew, "Ctrl+N"},
    {"File",  "FileSave",            QT_TRANSLATE_NOOP("Menu", "Opslaan"),          false, &Main::onFileSave, "Ctrl+S"},
    {"File",  "FileStreep1",         "-",                                           false, nullptr},
    {"File",  "FilePrintSupplement", QT_TRANSLATE_NOOP("Menu", "Print Supplement"), false, &Main::onFilePrintSupplement, "Ctrl+P"},
    {"File",  "FilePrintSetup",      QT_TRANSLATE_NOOP("Menu", "Print Setup"),      false, &Main::onFilePrintSetup},
    {"File",  "FileStreep2",         "-",                                           false, nullptr},
    {"File",  "FileExit",            QT_TRANSLATE_NOOP("Menu", "Exit"),             false, &Main::onFileExit, "Ctrl+Q"},
    {"Edit",  "EditUndo",            QT_TRANSLATE_NOOP("Menu", "Undo"),             false, &Main::onEditUndo, "Ctrl+Z"},
    {"Edit",  "EditRedo",            QT_TRANSLATE_NOOP("Menu", "Opnieuw"),          false, &Main::onEditRedo, "Ctrl+Y;Ctrl+Shift+Z"},
    {"Edit",  "EditStreep1",         "-",                                           false, nullptr},
    {"Edit",  "EditBinnenkader",     QT_TRANSLATE_NOOP("Menu", "Binnenkader"),      true,  &Main::onEditBinnenkader},
    {"Tools", "ToolsBorder(0)",      QT_TRANSLATE_NOOP("Menu", "Border uit"),       true,  nullptr},
    {"Tools", "ToolsBorder(1)",      QT_TRANSLATE_NOOP("Menu", "Border 1 pixel"),   true,  nullptr},
    {"Tools", "ToolsBorder(2)",      QT_TRANSLATE_NOOP("Menu", "Border 2 pixels"),  true,  nullptr},
    {"Tools", "ToolsBorder(3)",      QT_TRANSLATE_NOOP("Menu", "Border 3 pixels"),  true,  nullptr},
    {"Tools", "ToolsStreep1",        "-",                                           false, nullptr},
    {"Tools", "ToolsTitel",          QT_TRANSLATE_NOOP("Menu", "Titel"),            false, &Main::onToolsTitel},
    {"Tools", "ToolsSubTitel",       QT_TRANSLATE_NOOP("Menu", "Subtitel"),         false, &Main::onToolsSubTitel},
    {"Tools", "ToolsPaginanummer",   QT_TRANSLATE_NOOP("Menu", "Paginanummer"),     false, &Main::onToolsPaginanummer},
    {"Tools", "ToolsStreep2",        "-",                                           false, nullptr},
    {"Tools", "ToolsKruis",          QT_TRANSLATE_NOOP("Menu", "Tekenkruis"),       true,  &Main::onToolsKruis},
    {"Extra", "ExtraKaderInvoeren",  QT_TRANSLATE_NOOP("Menu", "Kader invoeren..."), false, &Main::onExtraKaderInvoeren},
    {"Extra", "ExtraKaderWijzigen",  QT_TRANSLATE_NOOP("Menu", "Kader wijzigen..."), false, &Main::onExtraKaderWijzigen},
    {"Extra", "ExtraTekstInvoeren",  QT_TRANSLATE_NOOP("Menu", "Tekst invoeren..."), false, &Main::onExtraTekstInvoeren},
    {"Extra", "ExtraRijKaders",      QT_TRANSLATE_NOOP("Menu", "Rij kaders..."),    false, &Main::onExtraRijKaders},
    {"Extra", "ExtraAlbumIndelen",   QT_TRANSLATE_NOOP("Menu", "Album indelen..."), false, &Main::onExtraAlbumIndelen},
    {"Extra", "ExtraPapierformaat",  QT_TRANSLATE_NOOP("Menu", "Papierformaat..."), false, &Main::onExtraPapierformaat},
    {"Extra", "ExtraPaginaOpmaak",   QT_TRANSLATE_NOOP("Menu", "Pagina-opmaak..."), false, &Main::onExtraPaginaOpmaak},
    {"Extra", "ExtraAfbeeldingen",   QT_TRANSLATE_NOOP("Menu", "Afbeeldingen..."),  false, &Main::onExtraAfbeeldingen},
    {"Extra", "ExtraStroken",        QT_TRANSLATE_NOOP("Menu", "Stroken..."),       false, &Main::onExtraStroken},
    {"Extra", "ExtraAlbum",          QT_TRANSLATE_NOOP("Menu", "Album afdrukken..."), false, &Main::onExtraAlbum},
    {"Extra", "ExtraPrinterIjken",   QT_TRANSLATE_NOOP("Menu", "Printer ijken..."), false, &Main::onExtraPrinterIjken},
    {"Help",  "HelpUitleg",          QT_TRANSLATE_NOOP("Menu", "Help"),             true,  &Main::onHelpUitleg},
    {"Help",  "HelpStreep1",         "-",                                           false, nullptr},
    {"Help",  "HelpSoftware",        QT_TRANSLATE_NOOP("Menu", "Meer Software"),    false, &Main::onHelpSoftware},
};
// clang-format on

// The menus' own titles, for the translation; the table above names them.
[[maybe_unused]] const char *const kMenuTitles[] = {
    QT_TRANSLATE_NOOP("Menu", "File"),  QT_TRANSLATE_NOOP("Menu", "Edit"),  QT_TRANSLATE_NOOP("Menu", "Tools"),
    QT_TRANSLATE_NOOP("Menu", "Extra"), QT_TRANSLATE_NOOP("Menu", "Help"),
};

void setColours(QWidget *w, const QColor &background, const QColor &foreground)
{
    QPalette pal = w->palette();
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::Base, background);
        pal.setColor(QPalette::Button, background);
        w->setAutoFillBackground(true);
    }
    if (foreground.isValid()) {
        pal.setColor(QPalette::WindowText, foreground);
        pal.setColor(QPalette::Text, foreground);
        pal.setColor(QPalette::ButtonText, foreground);
    }
    w->setPalette(pal);
}

} // namespace

Main::Main(const Paths &paths, Services services, QWidget *parent)
    : QMainWindow(parent), m_paths(paths), m_services(services)
{
    // The screen handle for the magnifier is the screen source, taken once by
    // whoever made it and passed in with the services.
    setWindowTitle(QStringLiteral(" Plenvik"));
    resize(kWindowWidth, kWindowHeight);
    buildControls();
    buildMenus();
    RefreshLibrary(); // a missing library folder just leaves the list empty
    // A library that cannot take pages is told once, over the window, before
    // the user draws a page that could not be saved.
    QTimer::singleShot(0, this, [this] {
        const QString why = libraryWriteProblem(m_paths.library);
        if (!why.isEmpty())
            m_services.dialogs->message(tr("Supplementen kunnen niet worden opgeslagen in %1: %2.\n"
                                           "Ontwerpen, laden en afdrukken gaan gewoon door.")
                                            .arg(QDir::toNativeSeparators(m_paths.library), why));
    });

    DrawGrid(m_pic->picture());
    m_pic->pictureChanged();

    m_design = PageDesign{};
    m_edit = EditState{};
    m_settings = Settings{};
    m_loepScroll->setValue(1);

    m_frameTool = std::make_unique<FrameTool>(
        m_design, m_edit, *m_pic, m_undo, *m_services.dialogs,
        FrameTool::Hooks{[this](const QString &t) {
                             m_xy->setText(t);
                             m_xy->adjustSize();
                         },
                         [this] { UpdateListing(); }});
    buildEditTool();

    readSettingsAtStartUp();
    showDrawingColour();
    applyPanelColour();
    // The paper chosen in an earlier run; A4 needs nothing done.
    m_chosenSheet = readSheetSettings(m_paths.settingsFile(QLatin1String(kSheetSettingsFileName)));
    if (m_chosenSheet != kSheetA4)
        applySheet(m_chosenSheet);
    m_nieuweOpmaak = readOpmaakSettings(m_paths.settingsFile(QLatin1String(kOpmaakSettingsFileName)));
    UpdateListing();
    markSaved(QString());

    connect(&m_klokTimer, &QTimer::timeout, this, &Main::onKlokTimer);
    m_klokTimer.start(1000);
    connect(&m_loepTimer, &QTimer::timeout, this, &Main::onLoepTimer);
    m_loepTimer.start(25);
}

Main::~Main() = default;

void Main::buildControls()
{
    auto *client = new QWidget(this);
    setColours(client, kWindowBackground, QColor());
    setCentralWidget(client);

    for (const ControlSpec &row : mainWindowControls()) {
        QWidget *w = nullptr;
        switch (row.kind) {
        case ControlKind::Panel:
        case ControlKind::Label: {
            auto *label = new QLabel(QCoreApplication::translate("Window", row.text), client);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setTextFormat(Qt::PlainText);
            w = label;
            break;
        }
        case ControlKind::Canvas:
            w = m_pic = new Pic(client);
            break;
        case ControlKind::ScrollBar: {
            auto *bar = new QScrollBar(Qt::Vertical, client);
            bar->setRange(0, 255);
            bar->setSingleStep(1);
            bar->setPageStep(1);
            w = bar;
            break;
        }
        case ControlKind::List:
            w = m_list = new QListWidget(client);
            break;
        case ControlKind::Button:
            w = new QPushButton(QCoreApplication::translate("Window", row.text), client);
            break;
        case ControlKind::Text:
            w = m_text = new QPlainTextEdit(client);
            m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
            break;
        case ControlKind::Magnifier:
            w = m_loep = new LoepPic(client);
            break;
        case ControlKind::Logo: {
            // The picture is decoded when the logo is first uncovered.
            auto *logo = new QLabel(client);
            logo->setCursor(Qt::PointingHandCursor);
            logo->installEventFilter(this);
            w = m_logo = logo;
            break;
        }
        }
        w->setObjectName(QString::fromLatin1(row.name));
        w->setFont(screenFont(row.face, row.points > 0 ? row.points : 8.25, row.bold, row.italic));
        setColours(w, row.background, row.foreground);
        if (row.toolTip)
            w->setToolTip(QCoreApplication::translate("Window", row.toolTip));
        if (row.place.width() > 0)
            w->setGeometry(row.place);
        else {
            w->move(row.place.topLeft());
            w->adjustSize();
        }
        w->setVisible(row.visible);
        m_controls.insert(w->objectName(), w);
    }

    m_help = qobject_cast<QLabel *>(control("HelpLabel"));
    m_info = qobject_cast<QLabel *>(control("InfoLabel"));
    m_klok = qobject_cast<QLabel *>(control("KlokLabel"));
    m_xy = qobject_cast<QLabel *>(control("XYlabel"));
    qobject_cast<QLabel *>(control("KleurLabel"))->setFrameShape(QFrame::Box);
    const char *bars[] = {"ScrollR", "ScrollG", "ScrollB"};
    const char *labels[] = {"LabelR", "LabelG", "LabelB"};
    for (int i = 0; i < 3; ++i) {
        m_scroll[i] = qobject_cast<QScrollBar *>(control(bars[i]));
        m_valueLabel[i] = qobject_cast<QLabel *>(control(labels[i]));
        connect(m_scroll[i], &QScrollBar::valueChanged, this, [this, i](int v) { onScrollChange(i, v); });
    }
    m_loepScroll = qobject_cast<QScrollBar *>(control("LoepScroll"));
    m_loepScroll->setRange(1, 6);
    m_loepScroll->setValue(1);
    connect(m_loepScroll, &QScrollBar::valueChanged, this, &Main::onLoepScrollChange);

    connect(m_pic, &Pic::mouseDown, this, &Main::onPicMouseDown);
    connect(m_pic, &Pic::mouseMove, this, &Main::onPicMouseMove);
    connect(m_pic, &Pic::mouseUp, this, &Main::onPicMouseUp);
    connect(m_pic, &Pic::mouseDoubleClick, this, &Main::onPicDoubleClick);
    connect(m_pic, &Pic::keyPressed, this, &Main::onPicKey);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &Main::onList1DblClick);
    m_text->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(qobject_cast<QPushButton *>(control("DelKnop")), &QPushButton::clicked, this, &Main::onDelKnopClick);

    // The window opens with the canvas focused, so the list shows no
    // marked entry until the user picks one.
    m_pic->setFocusPolicy(Qt::StrongFocus);
    m_pic->setFocus();
    m_help->setWordWrap(false);
    // The help text runs longer than the canvas it covers: it scrolls there.
    m_helpScroll = new QScrollArea(client);
    m_helpScroll->setGeometry(m_help->geometry());
    m_helpScroll->setFrameShape(QFrame::NoFrame);
    m_helpScroll->setWidgetResizable(true);
    m_helpScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_helpScroll->setWidget(m_help);
    m_helpScroll->hide();
    m_help->hide();
    m_klok->setAlignment(Qt::AlignRight | Qt::AlignTop);
    placeLabels();
}

void Main::buildMenus()
{
    QMenuBar *bar = menuBar();
    QHash<QString, QMenu *> menus;
    m_borderGroup = new QActionGroup(this);
    m_borderGroup->setExclusive(true);
    for (const MenuSpec &row : kMenus) {
        const QString menuName = QString::fromLatin1(row.menu);
        QMenu *menu = menus.value(menuName);
        if (!menu) {
            menu = bar->addMenu(QCoreApplication::translate("Menu", row.menu));
            menu->setObjectName(menuName);
            menus.insert(menuName, menu);
        }
        const QString name = QString::fromLatin1(row.name);
        QAction *a = nullptr;
        if (qstrcmp(row.caption, "-") == 0) {
            a = menu->addSeparator();
        } else {
            a = menu->addAction(QCoreApplication::translate("Menu", row.caption));
            a->setCheckable(row.checkable);
            if (row.keys) {
                QList<QKeySequence> keys;
                for (const QString &k : QString::fromLatin1(row.keys).split(QLatin1Char(';')))
                    keys << QKeySequence::fromString(k, QKeySequence::PortableText);
                a->setShortcuts(keys);
            }
            // While the mouse button holds a gesture on the canvas, a
            // shortcut waits: no step may change the page under the drag.
            if (row.handler)
                connect(a, &QAction::triggered, this, [this, handler = row.handler] {
                    if (!m_editTool->busy())
                        (this->*handler)();
                });
        }
        a->setObjectName(name);
        m_actions.insert(name, a);
    }
    for (int i = 0; i < 4; ++i) {
        QAction *a = action(QStringLiteral("ToolsBorder(%1)").arg(i));
        m_borderGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            if (!m_editTool->busy())
                onToolsBorder(i);
        });
    }
    action(QStringLiteral("ToolsBorder(0)"))->setChecked(true);
}

QWidget *Main::control(const char *name) const
{
    return m_controls.value(QString::fromLatin1(name));
}

QAction *Main::action(const QString &name) const
{
    return m_actions.value(name);
}

void Main::placeLabels()
{
    // The clock is right-aligned against the information bar's right end.
    m_klok->adjustSize();
    m_klok->move(357 - m_klok->width(), 552);
    m_info->adjustSize();
}

void Main::UpdateListing()
{
    showChoice();
    m_listing = buildListing(m_design);
    // The stamps' pictures and the lines of text follow every change.
    m_pic->setFramePictures(canvasPictures(m_design, m_pic->sheetGeometry()));
    m_pic->setTeksten(canvasTeksten(m_design, m_pic->sheetGeometry()));
    if (const QString clashes = markClashingCaptions(*m_pic, m_design); !clashes.isEmpty())
        m_listing += QStringLiteral("\r\n") + clashes;
    if (const QString font = standInFont(); !font.isEmpty())
        m_listing += QStringLiteral("\r\n") + tr("Lettertype......: ") + font + QStringLiteral("\r\n");
    QString shown = m_listing;
    shown.remove(QLatin1Char('\r'));
    m_text->setPlainText(shown);
    updateTitle();
}

void Main::applyPanelColour()
{
    const QColor c(m_settings.panel.r, m_settings.panel.g, m_settings.panel.b);
    for (const char *name : {"BackInfo", "RGBLabel", "List1"})
        setColours(control(name), c, QColor());
}

void Main::showDrawingColour()
{
    const QColor c(m_design.ColourR, m_design.ColourG, m_design.ColourB);
    setColours(control("KleurLabel"), c, QColor());
    m_scroll[0]->setValue(m_design.ColourR);
    m_scroll[1]->setValue(m_design.ColourG);
    m_scroll[2]->setValue(m_design.ColourB);
}

void Main::onKlokTimer()
{
    m_klok->setText(clockText(QDateTime::currentDateTime()));
    placeLabels();
}

bool Main::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_logo && event->type() == QEvent::MouseButtonRelease) {
        onLogoImageClick();
        return true;
    }
    // The listing and the library list would keep Ctrl+Z and Ctrl+Y for
    // themselves once clicked into; every menu shortcut is the window's,
    // wherever the focus is. Copying the listing stays the listing's.
    if ((watched == m_text || watched == m_list) && event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return false;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *a : std::as_const(m_actions))
            if (a->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace plenvik
