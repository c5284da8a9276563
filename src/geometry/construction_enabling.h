#pragma once

#include "model/page.h"

namespace velnor {

// When the construction commands are enabled, from the page's selection.

// The page has a line: with lines selected the midpoints are made at once, otherwise the view
// waits for a line to be clicked.
bool CanConstructMidpoint(const CGpage& page);
bool CanConstructRatioPoints(const CGpage& page);
bool CanConstructSymmetricPoint(const CGpage& page);
bool CanConstructIntersection(const CGpage& page);
bool CanConstructPerpendicular(const CGpage& page);
bool CanConstructCommonPerpendicular(const CGpage& page);
bool CanConstructParallel(const CGpage& page);
bool CanConstructAngleBisector(const CGpage& page);

}  // namespace velnor
