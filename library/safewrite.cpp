#include "library/safewrite.h"

#include <QSaveFile>

namespace plenvik {

bool commitWhole(QSaveFile &file)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace plenvik
