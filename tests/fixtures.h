#pragma once
// Pages, files and window steps the tests start from.

#include "fakes.h"

#include "canvas/grid.h"
#include "design/pagedesign.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTest>
#include <unistd.h>

namespace plenvik::test {

inline void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The canvas of a new page: the grid alone.
inline QImage gridPicture()
{
    QImage img(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    DrawGrid(img);
    return img;
}

// The worked example: one frame, 112,93,67,33, captioned 1598.
inline PageDesign somePage()
{
    PageDesign d;
    d.addFrame(181, 163, 290, 221, false);
    d.kader(1).Onderschrift = QStringLiteral("1598");
    d.PageTitle = QStringLiteral("Europa");
    return d;
}

// The same frame as a bare record, as a hand-made file could hold it.
inline PageDesign workedFrame()
{
    PageDesign d;
    d.KaderCount = 1;
    d.kader(1) = Kader{112, 93, 67, 33, 0, QStringLiteral("1598")};
    return d;
}

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

// The listing's last line that is not empty.
inline QString lastListingLine(Main &m)
{
    return m.listingText().split("\r\n", Qt::SkipEmptyParts).last();
}

// The library list's entries, top to bottom.
inline QStringList listEntries(Main &m)
{
    auto *list = qobject_cast<QListWidget *>(m.control("List1"));
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline void doubleClickEntry(Main &m, const QString &name)
{
    auto *list = qobject_cast<QListWidget *>(m.control("List1"));
    const auto items = list->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    list->setCurrentItem(items.first());
    m.onList1DblClick();
}

// Draws a small page: two captioned frames, a border, title and number.
inline void drawPage(Harness &h, Main &m)
{
    h.dialogs.inputs.enqueue(QStringLiteral("1598"));
    drag(m.pic(), QPoint(181, 163), QPoint(290, 221));
    m.action("EditBinnenkader")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral("a, b"));
    drag(m.pic(), QPoint(30, 300), QPoint(120, 380));
    m.action("EditBinnenkader")->trigger();
    m.action("ToolsBorder(2)")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral(" Europa  "));
    m.action("ToolsTitel")->trigger();
    h.dialogs.inputs.enqueue(QStringLiteral("12"));
    m.action("ToolsPaginanummer")->trigger();
}

} // namespace plenvik::test
