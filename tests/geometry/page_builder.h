#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "model/page.h"

namespace velnor::test {

// Appends vertices A, B, C ... at the given positions and leaves nothing selected.
inline void AddPoints(CGpage& page, std::initializer_list<Float3> points) {
    for (const Float3& p : points) {
        page.AddVertex(p[0], p[1], p[2]);
    }
    page.ClearSelection();
}

inline void ExpectPosition(const CGpage& page, int vertex, Float3 expected,
                           double tolerance = 1e-5) {
    EXPECT_NEAR(page.m_pos[vertex][0], expected[0], tolerance) << "vertex " << vertex;
    EXPECT_NEAR(page.m_pos[vertex][1], expected[1], tolerance) << "vertex " << vertex;
    EXPECT_NEAR(page.m_pos[vertex][2], expected[2], tolerance) << "vertex " << vertex;
}

}  // namespace velnor::test
