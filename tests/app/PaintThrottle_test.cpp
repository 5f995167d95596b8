#include "app/QtLabel.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <gtest/gtest.h>

using namespace vorlanda;

namespace {

void ProcessEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents();
}

} // namespace

TEST(PaintThrottle, ARowByRowCaptionPutsPaintingOffButNeverItsTextAndEndsPaintable) {
    QLabel label;
    label.show();
    QtLabel caption(label);
    bool paintingPutOff = false;
    for (int row = 1; row <= 2000; ++row) {
        caption.SetCaption(QStringLiteral("Registro %1 de 2000").arg(row));
        QCoreApplication::processEvents();
        ASSERT_EQ(label.text(), QStringLiteral("Registro %1 de 2000").arg(row));
        paintingPutOff = paintingPutOff || !label.updatesEnabled();
    }
    EXPECT_TRUE(paintingPutOff);
    caption.SetCaption(QString());
    ProcessEventsFor(100);
    // Once the frame is over the label paints again, showing the last text.
    EXPECT_TRUE(label.updatesEnabled());
    EXPECT_EQ(label.text(), QString());
}
