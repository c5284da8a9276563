#include <gtest/gtest.h>

#include <QLineF>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "editing/chosen_net.h"
#include "geometry/solid_generators.h"
#include "model/page.h"
#include "output/net_sheets.h"
#include "output/paper_net.h"

namespace velnor {
namespace {

struct SolidCase {
    const char* name;
    std::function<void(CGpage&)> add;
};

const SolidCase kSolids[] = {
    {"cube", [](CGpage& page) { AddCube(page, {}, 5.0f); }},
    {"hexagonal pyramid", [](CGpage& page) { AddPyramid(page, {}, 6, 4.0f, 5.0f); }},
    {"octahedron", [](CGpage& page) { AddOctahedron(page, {}, 4.0f); }},
    {"dodecahedron", [](CGpage& page) { AddDodecahedron(page, {}, 4.0f); }},
    {"flat frustum", [](CGpage& page) { AddFrustum(page, {}, 6, 8.0f, 2.0f, 0.3f); }},
};

ChosenNet NetOf(const SolidCase& solid) {
    CGpage page;
    solid.add(page);
    return std::get<ChosenNet>(NetOfSolidWithFace(page, page.m_faces.begin()->first));
}

bool SameLine(const QLineF& a, const QLineF& b) {
    const auto near = [](QPointF p, QPointF q) { return QLineF(p, q).length() < 1e-9; };
    return (near(a.p1(), b.p1()) && near(a.p2(), b.p2())) ||
           (near(a.p1(), b.p2()) && near(a.p2(), b.p1()));
}

TEST(PaperNet, FacesKeepTheirTrueSizeAndEveryCutPairHasOneTabOutside) {
    constexpr double kScale = 1.5;
    for (const SolidCase& solid : kSolids) {
        SCOPED_TRACE(solid.name);
        const ChosenNet chosen = NetOf(solid);
        const PaperNet paper = PaperNetOf(chosen, kScale);
        ASSERT_EQ(paper.faces.size(), chosen.solid.faces.size());
        for (size_t f = 0; f < paper.faces.size(); ++f) {
            const std::vector<int>& corners = chosen.solid.faces[f];
            for (size_t i = 0; i < corners.size(); ++i) {
                const size_t j = (i + 1) % corners.size();
                const double onSolid =
                    Length(chosen.solid.corners[corners[j]] - chosen.solid.corners[corners[i]]);
                EXPECT_NEAR(QLineF(paper.faces[f][i], paper.faces[f][j]).length(), kScale * onSolid,
                            1e-4);
            }
        }
        // Euler: a net of F faces keeps F - 1 folds; each other edge is cut into a pair.
        EXPECT_EQ(paper.folds.size(), paper.faces.size() - 1);
        EXPECT_EQ(paper.cuts.size() % 2, 0u);
        ASSERT_EQ(paper.tabs.size(), paper.cuts.size() / 2);
        for (size_t pair = 0; pair < paper.tabs.size(); ++pair) {
            const QPolygonF& tab = paper.tabs[pair];
            const QLineF base(tab[0], tab[1]);
            const int onPair =
                SameLine(base, paper.cuts[2 * pair]) + SameLine(base, paper.cuts[2 * pair + 1]);
            EXPECT_EQ(onPair, 1) << "pair " << pair;
            const QPointF middle = (tab[2] + tab[3]) / 2.0;
            for (const QPolygonF& face : paper.faces) {
                EXPECT_FALSE(face.containsPoint(middle, Qt::OddEvenFill)) << "pair " << pair;
            }
        }
    }
}

struct SheetCase {
    const char* name;
    QSizeF net;
    PaperKind paper;
    int sheets;
};

const SheetCase kSheetCases[] = {
    {"fits upright", {15.0, 20.0}, PaperKind::kA4, 1},
    {"fits turned", {25.0, 15.0}, PaperKind::kA4, 1},
    {"fits A3 but not A4", {25.0, 30.0}, PaperKind::kA3, 1},
    {"two sheets side by side", {30.0, 18.0}, PaperKind::kA4, 2},
    {"a grid", {60.0, 60.0}, PaperKind::kA4, 12},
    {"Letter is shorter than A4", {18.0, 26.5}, PaperKind::kLetter, 2},
};

TEST(NetSheets, CoverTheNetWithOverlapOnTheFewestSheets) {
    for (const SheetCase& c : kSheetCases) {
        SCOPED_TRACE(c.name);
        const QRectF net(QPointF(-3.0, 2.0), c.net);
        const SheetPlan plan = PlanNetSheets(net, PaperSizeCm(c.paper));
        ASSERT_EQ(static_cast<int>(plan.sheets.size()), c.sheets);
        EXPECT_EQ(plan.rows * plan.columns, c.sheets);
        QRectF covered;
        for (const NetSheet& sheet : plan.sheets) {
            EXPECT_NEAR(sheet.part.width(), plan.paper.width() - 2 * kSheetMarginCm, 1e-9);
            EXPECT_NEAR(sheet.part.height(), plan.paper.height() - 2 * kSheetMarginCm, 1e-9);
            covered = covered.united(sheet.part);
            for (const NetSheet& other : plan.sheets) {
                const bool right = other.row == sheet.row && other.column == sheet.column + 1;
                const bool below = other.column == sheet.column && other.row == sheet.row + 1;
                if (right) {
                    EXPECT_NEAR(sheet.part.right() - other.part.left(), kSheetOverlapCm, 1e-9);
                }
                if (below) {
                    EXPECT_NEAR(sheet.part.bottom() - other.part.top(), kSheetOverlapCm, 1e-9);
                }
            }
        }
        EXPECT_TRUE(covered.contains(net));
    }
}

TEST(NetSheets, PaperNamesAreReadInAnyCase) {
    EXPECT_EQ(PaperNamed("a3"), PaperKind::kA3);
    EXPECT_EQ(PaperNamed("LETTER"), PaperKind::kLetter);
    EXPECT_EQ(PaperNamed("A5"), std::nullopt);
}

}  // namespace
}  // namespace velnor
