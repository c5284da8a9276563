#include <gtest/gtest.h>

#include <set>

#include "gui/picture_match.h"
#include "gui/render_fixture.h"
#include "model/bit_text.h"

namespace velnor::test {
namespace {

bool IsLit(Pixel p) {
    return p.r + p.g + p.b > 40;
}

// Seen from the top (angles 0, 0) so that positions map straight onto the picture.
void LookFromTop(CGlModel& settings) {
    settings.m_camera.m_fAngleX = 0;
    settings.m_camera.m_fAngleAxis = 0;
}

TEST_F(RenderTest, EverySolidKindDrawsSomething) {
    std::vector<uint8_t> kinds;
    for (uint8_t kind = 0; kind <= kSolidPageComponent; ++kind) {
        kinds.push_back(kind);
    }
    kinds.push_back(kSolidBitmapText);

    // Page component 1: a small triangle of lines.
    CGpage component;
    component.AddVertex(-1, -1, 0);
    component.AddVertex(1, -1, 0);
    component.AddVertex(0, 1, 0);
    component.ClosePolygon();
    s_renderer->CompileComponent(component, 1, false);

    CGpage page;
    std::vector<std::array<double, 2>> places;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const float x = -18.0f + 6.0f * static_cast<float>(i % 7);
        const float y = 9.0f - 6.0f * static_cast<float>(i / 7);
        places.push_back({x, y});
        if (kinds[i] == kSolidBitmapText) {
            // 16 x 16 pixels, all set; the text hangs at (x, depth 0, height y) on the screen.
            auto text = std::make_unique<CBitText>(16, 16, std::vector<uint8_t>(16 * 4, 0xFF));
            text->m_position = {x, 0, y};
            text->m_color = {255, 255, 255};
            page.AddSolid(std::move(text));
            continue;
        }
        auto solid = MakeSolid(kinds[i], {x, y, 0}, kinds[i] == kSolidTitle ? 1.0f : 1.8f);
        solid->m_nComponent = 1;
        // Tilted well away from the eye, so that cone and frustum sides show their silhouettes.
        solid->m_direction = {1.0f, 0.3f, 0.6f};
        page.AddSolid(std::move(solid));
    }
    LookFromTop(Settings());
    Settings().m_bLighting = 1;
    FrameLayout layout;
    layout.width = 1600;
    layout.height = 1000;
    const QImage image = Render(&page, "all_solid_kinds", layout);
    // Each solid lies within its own cell of the grid, 6 units wide.
    for (size_t i = 0; i < kinds.size(); ++i) {
        const double scale = 1000.0 / 24.0;  // pixels per unit
        const int cx = static_cast<int>(800 + places[i][0] * scale);
        const int cy = static_cast<int>(500 - places[i][1] * scale);
        EXPECT_GT(CountNear(image, cx, cy, static_cast<int>(2.5 * scale), IsLit), 30)
            << "kind " << static_cast<int>(kinds[i]);
    }
}

// A renderer made just now, so that what it makes on first use is not there yet; it draws pages
// seen from the top.
struct FreshRenderer {
    FreshRenderer() { LookFromTop(settings); }

    QImage Render(CGpage& page) {
        FrameLayout layout;
        layout.width = kWidth;
        layout.height = kHeight;
        return renderer.Render(&page, layout);
    }

    CGlModel settings;
    OffscreenRenderer renderer{settings};
};

int LitPixels(const QImage& image) {
    return CountIn(image, 0, 0, image.width(), image.height(), IsLit);
}

// Seen from afar the molecule's atoms are coarse spheres; the picture stays that of the fine
// ones, which a page component always draws, since its list may be called at any size: as many
// pixels lit, and each near one lit in the other picture.
TEST(DistantMoleculeTest, LooksAsTheFineOne) {
    FreshRenderer fresh;
    fresh.settings.m_bLighting = 1;
    CGpage component;
    component.AddSolid(MakeSolid(kSolidC60, {0, 0, 0}, 1.0f));
    fresh.renderer.CompileComponent(component, 1, false);
    // 25 pixels a unit, atoms of radius 0.06 a size: coarse up to about size 5.
    for (const float size : {1.0f, 2.0f, 3.0f, 5.0f, 8.0f}) {
        SCOPED_TRACE(size);
        CGpage fine;
        auto holder = MakeSolid(kSolidPageComponent, {0, 0, 0}, size);
        holder->m_nComponent = 1;
        fine.AddSolid(std::move(holder));
        CGpage direct;
        direct.AddSolid(MakeSolid(kSolidC60, {0, 0, 0}, size));
        const QImage fineImage = fresh.Render(fine), directImage = fresh.Render(direct);
        const QString name = QStringLiteral(VELNOR_SCREENSHOT_DIR "/molecule_%1_size_%2.png");
        fineImage.save(name.arg(QStringLiteral("fine")).arg(size));
        directImage.save(name.arg(QStringLiteral("as_drawn")).arg(size));
        const int lit = LitPixels(fineImage);
        EXPECT_GT(lit, 200);
        EXPECT_NEAR(LitPixels(directImage), lit, lit / 10);
        EXPECT_GT(ShareNear(fineImage, directImage), 0.97);
        EXPECT_GT(ShareNear(directImage, fineImage), 0.97);
    }
}

// The GLUT shapes are compiled on first use, but no list can be compiled while another is: a
// page component compiled before anything else was drawn leaves them whole, for itself and for
// the solids drawn later.
TEST(LazyListsTest, ComponentCompiledFirstLeavesTheShapesWhole) {
    FreshRenderer fresh;
    CGpage component;
    component.AddSolid(MakeSolid(kSolidC60, {0, 0, 0}, 1.0f));
    fresh.renderer.CompileComponent(component, 1, false);

    CGpage page;
    auto holder = MakeSolid(kSolidPageComponent, {-8, 0, 0}, 1.5f);
    holder->m_nComponent = 1;
    page.AddSolid(std::move(holder));
    page.AddSolid(MakeSolid(kSolidTetrahedron, {0, 0, 0}, 1.5f));
    page.AddSolid(MakeSolid(kSolidTeapot, {8, 0, 0}, 1.0f));
    const QImage image = fresh.Render(page);
    for (const int x : {-8, 0, 8}) {
        SCOPED_TRACE(x);
        const auto at = OrthoPixel({static_cast<double>(x), 0, 0}, 0, 0);
        EXPECT_GT(CountNear(image, static_cast<int>(at[0]), static_cast<int>(at[1]), 20, IsLit),
                  100);
    }
}

// The start-up pictures are loaded when a textured solid is first drawn, not at the start.
TEST(LazyListsTest, ATexturedSolidShowsItsStartUpPicture) {
    FreshRenderer fresh;
    fresh.settings.m_bTexturing = 1;
    fresh.settings.m_bLighting = 0;
    CGpage page;
    page.AddSolid(MakeSolid(kSolidSphere, {0, 0, 0}, 6.0f));
    const QImage image = fresh.Render(page);
    std::set<QRgb> colours;
    for (int y = kHeight / 2 - 40; y < kHeight / 2 + 40; ++y) {
        for (int x = kWidth / 2 - 40; x < kWidth / 2 + 40; ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    EXPECT_GT(colours.size(), 20u);
}

TEST_F(RenderTest, SelectedSolidShowsItsOutlineInTheSelectionColour) {
    CGpage page;
    const uint16_t key = page.AddSolid(MakeSolid(kSolidCube, {0, 0, 0}, 3.0f));
    LookFromTop(Settings());
    const QImage plain = Render(&page, "solid_unselected");
    EXPECT_EQ(CountIn(plain, 0, 0, kWidth, kHeight, IsSelectionRed), 0);
    page.m_selSolids.push_back(key);
    const QImage selected = Render(&page, "solid_selected");
    // The wire cube of side 2 around the unit cube, scaled by 3: its right edge at x = 3.
    const int right = static_cast<int>(kWidth / 2 + 3.0 * kHeight / 24.0);
    EXPECT_GT(CountIn(selected, right - 3, kHeight / 2 - 40, 7, 80, IsSelectionRed), 40);
}

TEST_F(RenderTest, SolidsTakeTheComponentColourWithoutLighting) {
    CGpage page;
    // Drawn first, the cube colours its own faces; the sphere after it keeps the component colour.
    page.AddSolid(MakeSolid(kSolidCube, {-8, 0, 0}, 1.0f));
    page.AddSolid(MakeSolid(kSolidSphere, {0, 0, 0}, 3.0f));
    Settings().m_componentColor = {0, 0, 255};
    const QImage image = Render(&page, "sphere_component_colour");
    const Pixel centre = PixelAt(image, kWidth / 2, kHeight / 2);
    EXPECT_LT(centre.r, 40);
    EXPECT_GT(centre.b, 200);
}

TEST_F(RenderTest, OwnMaterialOverridesTheSceneMaterial) {
    CGpage page;
    auto solid = MakeSolid(kSolidSphere, {0, 0, 0}, 3.0f);
    solid->m_bOwnMaterial = 1;
    solid->m_material = {{0.0f, 0.0f, 0.0f, 1}, {1.0f, 0.0f, 0.0f, 1}, {0, 0, 0, 1}, 0};
    page.AddSolid(std::move(solid));
    Settings().m_bLighting = 1;
    Settings().m_lightPosition = {0, 0, 100, 0};
    const QImage image = Render(&page, "sphere_own_material");
    const Pixel centre = PixelAt(image, kWidth / 2, kHeight / 2);
    EXPECT_GT(centre.r, 120);
    EXPECT_LT(centre.g, 60);
}

TEST_F(RenderTest, FrustumWithEqualEndsIsDrawnWithACorrectedRatio) {
    CGpage page;
    auto solid = MakeSolid(kSolidFrustumSide, {0, 0, 0}, 3.0f);
    solid->m_dShape = 1.0;
    const uint16_t key = page.AddSolid(std::move(solid));
    Render(&page, "frustum_corrected");
    EXPECT_DOUBLE_EQ(page.m_solids.at(key)->m_dShape, 0.999);
}

TEST_F(RenderTest, ConeSeenDownItsAxisHasNoSideLines) {
    CGpage page;
    page.AddSolid(MakeSolid(kSolidConeSide, {0, 0, 0}, 3.0f));
    LookFromTop(Settings());
    const QImage image = Render(&page, "cone_from_above");
    EXPECT_EQ(CountIn(image, 0, 0, kWidth, kHeight, IsLit), 0);
}

TEST_F(RenderTest, CylinderSideShowsTwoSilhouetteLines) {
    CGpage page;
    auto solid = MakeSolid(kSolidCylinderSide, {0, -4, 0}, 3.0f);
    solid->m_scale = {3, 3, 8};
    solid->m_direction = {0, 1, 0};  // lying along y, seen from the top
    page.AddSolid(std::move(solid));
    LookFromTop(Settings());
    const QImage image = Render(&page, "cylinder_side");
    const double scale = kHeight / 24.0;
    const auto blue = [](Pixel p) { return p.b > 150 && p.r < 80; };
    for (const double x : {-3.0, 3.0}) {
        const double px = kWidth / 2 + x * scale;
        EXPECT_GT(CoveredFraction(image, {px, kHeight / 2 - 60.0}, {px, kHeight / 2 + 60.0}, blue),
                  0.95);
    }
    EXPECT_EQ(CountNear(image, kWidth / 2, kHeight / 2, 20, blue), 0);
}

TEST_F(RenderTest, SolidTurnedUpsideDownKeepsItsAxesPointingDown) {
    CGpage page;
    auto solid = MakeSolid(kSolidConeSide, {0, 0, 0}, 4.0f);
    solid->m_direction = {0, 0, -1};
    const uint16_t key = page.AddSolid(std::move(solid));
    page.m_selSolids.push_back(key);
    // Seen from the front: the apex of the cone hangs below its base.
    Settings().m_camera.m_fAngleX = -90;
    Settings().m_camera.m_fAngleAxis = 0;
    const QImage image = Render(&page, "cone_upside_down");
    const double scale = kHeight / 24.0;
    const auto red = IsSelectionRed;
    EXPECT_GT(CountNear(image, kWidth / 2, static_cast<int>(kHeight / 2 + 3.9 * scale), 4, red), 0);
    EXPECT_EQ(CountNear(image, kWidth / 2, static_cast<int>(kHeight / 2 - 3.5 * scale), 4, red), 0);
}

}  // namespace
}  // namespace velnor::test
