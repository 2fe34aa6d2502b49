#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QPainter;

// The program's named pictures are compiled-in resources ":/art/<name>.svg" (or ".png"), drawn at
// the pixel size the artwork states. Pictures are rendered at the device pixel ratio of the
// surface they are drawn on, so they stay crisp on high-density screens.

// The resource path of a picture, the SVG preferred; empty when the program has no such picture.
QString ResourceBitmapPath(const QString &name);

// The stated size of a picture in logical pixels; an empty size when there is no such picture.
QSize ResourceBitmapSize(const QString &name);

// Draws the picture with its top left corner at (x, y) at its stated size. A missing picture draws
// nothing and returns false.
bool DrawResourceBitmap(QPainter &painter, const QString &name, int x, int y);

// The picture as a pixmap of the given logical size (its stated size when size is empty) for the
// given device pixel ratio (the primary screen's when 0). A null pixmap when there is no such picture.
QPixmap ResourcePixmap(const QString &name, QSize size = QSize(), qreal devicePixelRatio = 0);
