#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vorlanda {

// Registers the program's pictures and style sheet, which live in the window's static library
// and would otherwise be left out by the linker. Safe to call more than once.
void InitialiseResources();

// An SVG resource drawn as large as fits in frame without distortion, sharp at the given
// device pixel ratio. A null pixmap when the picture cannot be read.
QPixmap SvgPicture(const QString& resource, QSize frame, qreal devicePixelRatio);

// A button glyph from an SVG resource.
QIcon SvgGlyph(const QString& resource, int side, qreal devicePixelRatio);

} // namespace vorlanda
