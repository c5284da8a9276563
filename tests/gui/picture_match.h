#pragma once

#include <QImage>

namespace velnor::test {

// The share of the drawn pixels of `a` that have a drawn pixel of `b` within two pixels. A
// pixel is drawn where it differs from its picture's background, the colour most of the picture
// has, so that a drawing on paper compares with one on the view's dark background.
double ShareNear(const QImage& a, const QImage& b);

}  // namespace velnor::test
