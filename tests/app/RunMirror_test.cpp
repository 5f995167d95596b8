#include "app/RunMirror.h"

#include "support/QtPrinters.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace vorlanda;

TEST(RunMirror, TheBarShowsThePercentageAndZeroPercentWithoutMaximum) {
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
        QLabel caption;
        QProgressBar bar;
        RunMirror mirror;
        mirror.SetMaxValue(c.max);
        mirror.SetProgress(c.progress);
        mirror.SetCaption(QStringLiteral("Convertendo Clientes - Registro 1 de 3"));
        mirror.ShowOn(caption, bar);

        EXPECT_EQ(mirror.MaxValue(), c.max);
        EXPECT_EQ(mirror.Progress(), c.progress);
        EXPECT_EQ(bar.text(), QString::fromLatin1(c.shown));
        // A range of 0..0 would be the busy animation.
        EXPECT_LT(bar.minimum(), bar.maximum());
        EXPECT_EQ(caption.text(), QStringLiteral("Convertendo Clientes - Registro 1 de 3"));
    }
}

TEST(RunMirror, TheProgressOutlivesANewMaximum) {
    QLabel caption;
    QProgressBar bar;
    RunMirror mirror;
    // The importers advance from whatever the gauge holds; the progress survives a maximum
    // of 0 and shows again against the next one.
    mirror.SetProgress(2);
    mirror.SetMaxValue(0);
    mirror.ShowOn(caption, bar);
    EXPECT_EQ(bar.text(), QStringLiteral("0%"));
    mirror.SetMaxValue(8);
    mirror.ShowOn(caption, bar);
    EXPECT_EQ(mirror.Progress(), 2);
    EXPECT_EQ(bar.text(), QStringLiteral("25%"));
}
