// A box's pixels copied from the canvas's image into another held the same
// way (the backing store's, or one the X server shares), row by row.
#pragma once

#include <QImage>
#include <QRect>

// Both images are the same size with the same bytes a row.
void copyBox(QImage& to, const QImage& from, const QRect& box);
