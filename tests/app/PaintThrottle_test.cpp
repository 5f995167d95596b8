#include "app/QtLabel.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QScreen>
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

namespace {

// Whether a picture is one colour throughout: a caption area painted without its text.
bool Blank(const QImage& picture) {
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != first)
                return false;
    return true;
}

} // namespace

TEST(PaintThrottle, TheCaptionStaysOnScreenThroughoutARowByRowRun) {
    QWidget window;
    window.resize(420, 40);
    QLabel label(&window);
    label.setGeometry(8, 10, 400, label.fontMetrics().height());
    window.show();
    ProcessEventsFor(100);
    QtLabel caption(label);
    QScreen* const screen = window.screen();
    // What the screen shows where the caption is: the window's painted pixels, not the state
    // of the widget.
    const auto captionOnScreen = [&] {
        return screen
            ->grabWindow(window.winId(), label.x(), label.y(), label.width(), label.height())
            .toImage();
    };
    int samples = 0;
    int blank = 0;
    QElapsedTimer run;
    run.start();
    for (int row = 1; run.elapsed() < 1500; ++row) {
        caption.SetCaption(QStringLiteral("Convertendo Clientes - Registro %1").arg(row));
        QCoreApplication::processEvents();
        if (row % 25 == 0) {
            ++samples;
            blank += Blank(captionOnScreen());
        }
    }
    EXPECT_GT(samples, 20);
    EXPECT_EQ(blank, 0) << "of " << samples << " samples";
    // Once the frame is over the last caption is on screen, as a label alone paints it.
    caption.SetCaption(QStringLiteral("Convertendo Clientes - Registro 7 de 7"));
    ProcessEventsFor(100);
    QLabel alone;
    alone.resize(label.size());
    alone.setText(label.text());
    EXPECT_EQ(captionOnScreen().convertToFormat(QImage::Format_RGB32),
              alone.grab().toImage().convertToFormat(QImage::Format_RGB32));
}
