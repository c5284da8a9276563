#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "model/gl_model.h"
#include "model/page.h"
#include "view/demo_page.h"
#include "view/frame_renderer.h"
#include "view/offscreen_renderer.h"

namespace velnor::test {

inline constexpr int kWidth = 800;
inline constexpr int kHeight = 600;

// A pixel of the picture, as bytes.
struct Pixel {
    int r, g, b;
};

Pixel PixelAt(const QImage& image, int x, int y);

// Where a world point appears in a kWidth x kHeight orthographic frame of the default distance,
// with the camera turned by angleX about x and then angleZ about z (image y downwards). Computed
// here from the rotation formulas, not by the renderer.
std::array<double, 2> OrthoPixel(const std::array<double, 3>& p, double angleX, double angleZ);

// Pixels in the square of `radius` around (x, y) that satisfy `test`.
int CountNear(const QImage& image, int x, int y, int radius,
              const std::function<bool(Pixel)>& test);
int CountIn(const QImage& image, int left, int top, int width, int height,
            const std::function<bool(Pixel)>& test);

bool IsLineGreen(Pixel p);
bool IsLabelMagenta(Pixel p);
bool IsSelectionRed(Pixel p);
bool IsBlack(Pixel p);

// Fraction of `samples` points along the picture segment a-b that have a pixel within 1 of them
// satisfying `test`.
double CoveredFraction(const QImage& image, std::array<double, 2> a, std::array<double, 2> b,
                       const std::function<bool(Pixel)>& test, int samples = 200);

// A measurement text standing `fromRight` pixels left of the view's right edge, its baseline
// `baseline` pixels below the top.
void AddMeasureText(CGpage& page, const char* text, int fromRight, int baseline);

// A solid of `kind` at `position`, upright, scaled by `size` every way.
std::unique_ptr<CSubassembly> MakeSolid(uint8_t kind, const Float3& position, float size);

// Renders pages offscreen with fresh default settings for each test, and saves the pictures.
class RenderTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // Draws `page` and saves the picture as screenshots/<name>.png in the build tree.
    QImage Render(CGpage* page, const std::string& name, FrameLayout layout = {});

    CGlModel& Settings() { return *s_settings; }

    static std::unique_ptr<CGlModel> s_settings;
    static std::unique_ptr<OffscreenRenderer> s_renderer;
};

}  // namespace velnor::test
