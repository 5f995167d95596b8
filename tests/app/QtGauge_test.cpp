#include "app/QtGauge.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace vorlanda;

TEST(QtGauge, ShowsThePercentageAndZeroPercentWithoutMaximum) {
    struct Case {
        int max;
        int progress;
        const char* shown;
    };
    // An importer never goes past its maximum, but the bar must not go blank if one did; a
    // maximum of 0 is what every importer leaves behind.
    const Case cases[] = {{100, 0, "0%"}, {3, 1, "33%"}, {10, 5, "50%"}, {4, 4, "100%"},
                          {2, 5, "100%"}, {0, 0, "0%"},  {0, 7, "0%"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.max << " " << c.progress);
        QProgressBar bar;
        bar.setRange(0, 100);
        bar.setValue(0);
        QtGauge gauge(bar);
        gauge.SetMaxValue(c.max);
        gauge.SetProgress(c.progress);

        EXPECT_EQ(gauge.MaxValue(), c.max);
        EXPECT_EQ(gauge.Progress(), c.progress);
        EXPECT_EQ(bar.text(), QString::fromLatin1(c.shown));
        // A range of 0..0 would be the busy animation.
        EXPECT_LT(bar.minimum(), bar.maximum());
    }
}

TEST(QtGauge, StartsFromTheBarsRangeAndKeepsTheProgressAcrossANewMaximum) {
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.setValue(0);
    QtGauge gauge(bar);
    EXPECT_EQ(gauge.MaxValue(), 100);
    EXPECT_EQ(gauge.Progress(), 0);

    // The importers advance from whatever the gauge holds; the progress survives a maximum
    // of 0 and shows again against the next one.
    gauge.SetProgress(2);
    gauge.SetMaxValue(0);
    EXPECT_EQ(bar.text(), QStringLiteral("0%"));
    gauge.SetMaxValue(8);
    EXPECT_EQ(gauge.Progress(), 2);
    EXPECT_EQ(bar.text(), QStringLiteral("25%"));
}

TEST(QtGauge, StepsWithinTheShownPercentageWaitForTheNextPaintAndTheLastOneShows) {
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.setValue(0);
    bar.show();
    QtGauge gauge(bar);
    gauge.SetMaxValue(1000);
    bool barWaited = false;
    // The run stops within a percentage, so that its last step is one that waited.
    for (int row = 1; row <= 995; ++row) {
        gauge.SetProgress(row);
        QCoreApplication::processEvents();
        ASSERT_EQ(gauge.Progress(), row);
        // The percentage is never behind, only the steps within it.
        ASSERT_EQ(bar.text(), QStringLiteral("%1%").arg(row / 10));
        barWaited = barWaited || bar.value() != row;
    }
    EXPECT_TRUE(barWaited);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 100)
        QCoreApplication::processEvents();
    EXPECT_EQ(bar.value(), 995);
    EXPECT_TRUE(bar.updatesEnabled());
}
