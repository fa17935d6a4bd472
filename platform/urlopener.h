#pragma once

#include <QString>

namespace plenvik {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Opens the address in the desktop's handler; failure passes silently.
    virtual void open(const QString &address) = 0;
};

class QtUrlOpener : public UrlOpener {
public:
    void open(const QString &address) override;
};

} // namespace plenvik
