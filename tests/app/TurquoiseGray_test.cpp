#include "app/TurquoiseGray.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace vorlanda;

TEST(TurquoiseGray, GivesTheApplicationItsSheetTurquoiseAccentsAndAGreyFace) {
    auto& application = *qobject_cast<QApplication*>(QCoreApplication::instance());
    ASSERT_TRUE(ApplyTurquoiseGray(application));

    EXPECT_TRUE(application.styleSheet().contains(QStringLiteral("QProgressBar::chunk")));
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(palette.color(QPalette::Highlight), QColor(0x1f, 0xa8, 0x9a));
    EXPECT_EQ(palette.color(QPalette::Window), QColor(0xd7, 0xdb, 0xdd));
}
