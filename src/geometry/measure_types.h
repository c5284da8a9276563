#pragma once

#include <cstdint>

namespace velnor {

// What a measurement text shows. The length of one selected line is requested as kSegmentLength
// and stored as kPointDistance.
enum MeasureType : uint8_t {
    kPointCoordinates = 1,
    kPointDistance = 2,
    kPointLineDistance = 3,
    kPointPlaneDistance = 4,
    kLineLineDistance = 5,
    kLineLineAngle = 6,
    kLinePlaneAngle = 7,
    kDihedralAngle = 8,
    kFaceArea = 9,
    kTetraVolume = 10,
    kPlaneEquation = 11,
    kVertexAngle = 12,
    kSegmentLength = 14,
};

}  // namespace velnor
