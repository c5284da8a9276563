#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "gui/render_fixture.h"
#include "model/bit_text.h"
#include "view/cell_renderer.h"
#include "view/gl_scene.h"

namespace velnor::test {
namespace {

TEST_F(RenderTest, DynamicTextIsDrawnAtItsPlaceFromTheRightAndTop) {
    CGpage page;
    auto text = std::make_unique<CDTextCell>(2);
    text->m_strText = "|AB|=3.1623";
    text->m_nPlaceX = 300;
    text->m_nPlaceY = 60;
    page.AddText(std::move(text));
    const QImage image = Render(&page, "dynamic_text");
    // The baseline starts 300 pixels from the right edge, 60 from the top.
    EXPECT_GT(CountIn(image, kWidth - 300, 60 - 26, 150, 30, IsLabelMagenta), 80);
    EXPECT_EQ(CountIn(image, 0, 0, kWidth - 310, kHeight, IsLabelMagenta), 0);
    EXPECT_EQ(CountIn(image, 0, 100, kWidth, kHeight - 100, IsLabelMagenta), 0);
}

TEST_F(RenderTest, SelectedDynamicTextIsDrawnInRed) {
    CGpage page;
    auto text = std::make_unique<CDTextCell>(2);
    text->m_strText = "|AB|=1.0000";
    text->m_nPlaceX = 300;
    text->m_nPlaceY = 60;
    const uint16_t key = page.AddText(std::move(text));
    page.m_selTexts.push_back(key);
    const QImage image = Render(&page, "dynamic_text_selected");
    EXPECT_GT(CountIn(image, kWidth - 300, 60 - 26, 150, 30, IsSelectionRed), 80);
}

TEST_F(RenderTest, ButtonsGetABlueHandleAtTheirLeft) {
    CGpage page;
    page.AddButton(std::make_unique<CBtnShow>());
    const CRect r = page.m_buttons.begin()->second->m_rect;
    const QImage image = Render(&page, "button_handle");
    const Pixel handle = PixelAt(image, r.left - 5, (r.top + r.bottom) / 2);
    EXPECT_GT(handle.b, 200);
    EXPECT_LT(handle.r, 40);
}

TEST_F(RenderTest, BitmapTextHangsAtItsAnchorWhateverTheRotation) {
    CGpage page;
    auto text = std::make_unique<CBitText>(32, 8, std::vector<uint8_t>(4 * 8, 0xFF));
    text->m_position = {6, 0, 3};
    text->m_color = {255, 255, 255};
    page.AddSolid(std::move(text));
    const double scale = kHeight / 24.0;
    const int x = static_cast<int>(kWidth / 2 + 6 * scale),
              y = static_cast<int>(kHeight / 2 - 3 * scale);
    const auto white = [](Pixel p) { return p.r > 200 && p.g > 200 && p.b > 200; };
    for (const float angle : {-15.0f, 60.0f}) {
        Settings().m_camera.m_fAngleAxis = angle;
        const QImage image = Render(&page, "bitmap_text");
        EXPECT_EQ(CountNear(image, x, y, 3, white), 49) << angle;
    }
}

TEST_F(RenderTest, NonAsciiLabelBytesAreSkipped) {
    CGpage page;
    page.AddVertex(0, 0, 0);
    page.m_label[0] = "点A";
    page.ClearSelection();
    const QImage image = Render(&page, "label_with_chinese");
    // Only the A is drawn; no unit shape appears for the other bytes.
    const int magenta = CountIn(image, 0, 0, kWidth, kHeight, IsLabelMagenta);
    EXPECT_GT(magenta, 20);
    EXPECT_LT(magenta, 400);
    EXPECT_EQ(CountIn(image, 0, 0, kWidth, kHeight, [](Pixel p) { return p.b > 100 && p.r < 50; }),
              0);
}

// Texts are placed by the widths the glyphs were made with; they must be what drawing advances.
TEST_F(RenderTest, LabelWidthIsHowFarTheGlyphsMoveTheRasterPosition) {
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    s_renderer->ClearOnly(layout);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, layout.width, 0, layout.height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GlScene& scene = s_renderer->Scene();
    for (const char* text : {"A1", "|AB|=3.1623", "xyz W", "点A", ""}) {
        SCOPED_TRACE(text);
        glRasterPos2i(10, 300);
        std::array<GLfloat, 4> before{}, after{};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, before.data());
        CallLabelString(scene.ListBase(), text);
        glGetFloatv(GL_CURRENT_RASTER_POSITION, after.data());
        EXPECT_FLOAT_EQ(LabelStringWidth(scene, text), after[0] - before[0]);
    }
    EXPECT_GT(LabelStringWidth(scene, "AB"), LabelStringWidth(scene, "A"));
}

// The vertex labels go to OpenGL as quads of one texture; they must set the very pixels the
// glyphs' bitmaps set one at a time, here drawn as the mouse tools' feedback is.
TEST_F(RenderTest, VertexLabelsSetThePixelsOfTheGlyphBitmaps) {
    Settings().m_camera.m_fAngleX = 17.0f;
    Settings().m_camera.m_fAngleAxis = -31.0f;
    CGpage page;
    const std::vector<std::pair<Float3, std::string>> labels{{{0, 0, 0}, "A"},
                                                             {{3.3f, -2.1f, 1.7f}, "B1"},
                                                             {{-6.2f, 4.4f, -2.0f}, "M12'"},
                                                             {{7.05f, 6.6f, 0.3f}, "xyz W"},
                                                             {{-9.5f, -8.2f, 3.1f}, "Q"},
                                                             {{30, 0, 0}, "Far"}};
    for (const auto& [p, label] : labels) {
        page.AddVertex(p[0], p[1], p[2]);
        page.m_label[page.m_nVertexCount - 1] = label;
    }
    page.ClearSelection();
    FrameLayout layout;
    layout.width = kWidth;
    layout.height = kHeight;
    const QImage asQuads = Render(&page, "vertex_labels_as_quads", layout);

    std::fill(page.m_bShown.begin(), page.m_bShown.end(), 0);
    layout.toolFeedback = [&] {
        const Rgb c = Settings().m_labelColor;
        glColor3ub(c.r, c.g, c.b);
        glDepthFunc(GL_ALWAYS);
        for (const auto& [p, label] : labels) {
            glRasterPos3f(p[0] + 0.2f, p[1] + 0.2f, p[2] + 0.2f);
            CallLabelString(s_renderer->Scene().ListBase(), label);
        }
        glDepthFunc(GL_LEQUAL);
    };
    const QImage asBitmaps = Render(&page, "vertex_labels_as_bitmaps", layout);

    EXPECT_GT(CountIn(asQuads, 0, 0, kWidth, kHeight, IsLabelMagenta), 200);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            differing += asQuads.pixel(x, y) != asBitmaps.pixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace velnor::test
