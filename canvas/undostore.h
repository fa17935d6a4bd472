#pragma once
// Pictures of the canvas taken before each frame drawn since the page was
// started or loaded, newest last, so Undo can walk back frame by frame and
// the canvas always shows what the design holds.

#include <QImage>
#include <vector>

namespace plenvik {

class UndoStore {
public:
    void snapshot(const QImage &picture) { m_pictures.push_back(picture.copy()); }
    // Takes the newest picture off; a null image when none is left.
    QImage takeNewest();
    void clear() { m_pictures.clear(); }
    int size() const { return static_cast<int>(m_pictures.size()); }
    bool isEmpty() const { return m_pictures.empty(); }

private:
    std::vector<QImage> m_pictures;
};

} // namespace plenvik
