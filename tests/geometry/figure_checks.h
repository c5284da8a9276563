#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "model/cmd.h"
#include "model/page.h"

namespace velnor::test {

using D3 = std::array<double, 3>;

inline D3 At(const CGpage& page, int vertex) {
    const Float3& p = page.m_pos[vertex];
    return {p[0], p[1], p[2]};
}

inline D3 Minus(D3 a, D3 b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline D3 CrossOf(D3 a, D3 b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double DotOf(D3 a, D3 b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Norm(D3 a) {
    return std::sqrt(DotOf(a, a));
}

// The mean of the vertices from `first` to the end of the table in use.
inline D3 CentreOf(const CGpage& page, int first) {
    D3 sum{};
    const int count = page.m_nVertexCount - first;
    for (int i = first; i < page.m_nVertexCount; ++i) {
        for (int k = 0; k < 3; ++k) {
            sum[k] += page.m_pos[i][k] / count;
        }
    }
    return sum;
}

inline D3 MeanOfFace(const CGpage& page, const CFaceCell& face) {
    D3 sum{};
    for (uint8_t v : face.Verts()) {
        for (int k = 0; k < 3; ++k) {
            sum[k] += page.m_pos[v][k] / face.Verts().size();
        }
    }
    return sum;
}

// (V0 − V1) × (V2 − V1), the normal the program gives a face.
inline D3 NormalOfFace(const CGpage& page, const CFaceCell& face) {
    const auto v = face.Verts();
    return CrossOf(Minus(At(page, v[0]), At(page, v[1])), Minus(At(page, v[2]), At(page, v[1])));
}

// Every vertex of every face lies in the plane of its first three, relative to the face's size.
inline void ExpectFacesPlanar(const CGpage& page) {
    for (const auto& [key, face] : page.m_faces) {
        const auto v = face->Verts();
        const D3 n = NormalOfFace(page, *face);
        for (size_t i = 3; i < v.size(); ++i) {
            const D3 d = Minus(At(page, v[i]), At(page, v[1]));
            EXPECT_LT(std::fabs(DotOf(n, d)) / Norm(n), 1e-4 * (1.0 + Norm(d)))
                << "face " << face->m_strName;
        }
    }
}

// +1 when every face normal points away from the figure's centre, −1 when every one points
// towards it, 0 when they disagree.
inline int NormalsSide(const CGpage& page, int firstVertex) {
    const D3 centre = CentreOf(page, firstVertex);
    int outward = 0, inward = 0;
    for (const auto& [key, face] : page.m_faces) {
        const double side =
            DotOf(NormalOfFace(page, *face), Minus(MeanOfFace(page, *face), centre));
        (side > 0 ? outward : inward) += 1;
    }
    if (inward == 0) {
        return 1;
    }
    return outward == 0 ? -1 : 0;
}

inline std::vector<std::string> Labels(const CGpage& page, int first = 0) {
    return {page.m_label.begin() + first, page.m_label.begin() + page.m_nVertexCount};
}

// The names of a command and of its sub-commands, outermost first.
std::vector<std::string> RecordNames(const CCmd& cmd);

}  // namespace velnor::test
