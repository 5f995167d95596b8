#include "app/Resources.h"

#include <QPainter>
#include <QSvgRenderer>

// Q_INIT_RESOURCE names a function of the global namespace.
static void InitialiseQtResources() {
    Q_INIT_RESOURCE(FarmaciaVorlanda);
}

namespace vorlanda {

void InitialiseResources() {
    static const bool initialised = (InitialiseQtResources(), true);
    (void)initialised;
}

QPixmap SvgPicture(const QString& resource, QSize frame, qreal devicePixelRatio) {
    InitialiseResources();
    QSvgRenderer renderer(resource);
    if (!renderer.isValid() || frame.isEmpty())
        return {};
    const QSize size = renderer.defaultSize().scaled(frame, Qt::KeepAspectRatio);
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

QIcon SvgGlyph(const QString& resource, int side, qreal devicePixelRatio) {
    const QPixmap glyph = SvgPicture(resource, QSize(side, side), devicePixelRatio);
    return glyph.isNull() ? QIcon() : QIcon(glyph);
}

} // namespace vorlanda
