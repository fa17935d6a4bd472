#pragma once
// The magnifier view: an enlarged copy of the screen around the pointer.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace plenvik {

class ScreenSource;

inline constexpr int kLoepViewSize = 107;

// The screen rectangle copied for a zoom factor z into a view of the given
// inner size: sizes rounded half to even, the corner by integer division.
QRect loepSourceRect(QPoint pointer, int zoom, QSize view);

class LoepPic : public QWidget {
    Q_OBJECT
public:
    explicit LoepPic(QWidget *parent = nullptr);

    // One refresh: read the pointer, copy and enlarge the screen around it.
    void refresh(ScreenSource &screen, int zoom);
    const QImage &view() const { return m_view; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_view;
    QImage m_source; // the screen pixels the view was made from
};

} // namespace plenvik
