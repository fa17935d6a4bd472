#include "canvas/undostore.h"

namespace plenvik {

QImage UndoStore::takeNewest()
{
    if (m_pictures.empty())
        return {};
    QImage img = std::move(m_pictures.back());
    m_pictures.pop_back();
    return img;
}

} // namespace plenvik
