#include "design/listing.h"
#include "design/pagedesign.h"

#include <QTest>

using namespace plenvik;

class TestDesign : public QObject {
    Q_OBJECT
private slots:
    void placeholder() { QVERIFY(buildListing(PageDesign{}).startsWith("Border")); }
};

QTEST_GUILESS_MAIN(TestDesign)
#include "test_design.moc"
