#include "app/UPrincipal.h"

#include "support/QtPrinters.h"
#include "ui/RecordingUi.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace vorlanda;

// This executable runs on a screen whose fonts are set to 144 dpi while its pixels are not
// scaled (large-font-screen.json), as on a workstation set to large fonts.
TEST(TFPrincipalFonteGrande, EveryTextFitsAndNothingOverlaps) {
    RecordingUserInterface ui;
    TFPrincipal window(&ui);
    ASSERT_EQ(window.logicalDpiY(), 144);
    EXPECT_EQ(window.size(), QSize(942, 501));

    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        SCOPED_TRACE(widget->objectName().toStdString());
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text = label->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text = button->text();
        if (!text.isEmpty()) {
            EXPECT_GE(widget->width(), widget->sizeHint().width());
        }
        // The header band and its pictures reach past their edges by design.
        const QString name = widget->objectName();
        if (!widget->isWindow() && name != u"imgComp"_qs && name != u"imgLogo"_qs &&
            name != u"pnlCabecalho"_qs) {
            EXPECT_TRUE(
                QRect(QPoint(0, 0), widget->parentWidget()->size()).contains(widget->geometry()));
        }
    }
    const QList<QCheckBox*> boxes =
        window.findChild<QGroupBox*>(u"gbxTabelasConverter"_qs)->findChildren<QCheckBox*>();
    for (const QCheckBox* a : boxes)
        for (const QCheckBox* b : boxes)
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " " << b->objectName().toStdString();
            }
}
