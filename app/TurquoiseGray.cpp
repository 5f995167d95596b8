#include "app/TurquoiseGray.h"

#include "app/Resources.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace vorlanda {

bool ApplyTurquoiseGray(QApplication& application) {
    InitialiseResources();
    QFile sheet(QStringLiteral(":/vorlanda/TurquoiseGray.qss"));
    if (!sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Fusion draws the same everywhere, so the sheet's colours meet the same controls on every
    // desktop; what the sheet leaves to the style (check marks, focus) takes the palette.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        application.setStyle(fusion);
    QPalette palette = application.palette();
    const QColor face(0xd7, 0xdb, 0xdd);
    const QColor turquoise(0x1f, 0xa8, 0x9a);
    palette.setColor(QPalette::Window, face);
    palette.setColor(QPalette::Button, QColor(0xe6, 0xe9, 0xeb));
    palette.setColor(QPalette::Highlight, turquoise);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, turquoise);
    application.setPalette(palette);
    application.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    return true;
}

} // namespace vorlanda
