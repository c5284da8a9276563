#include "gui/render_fixture.h"

#include <QDir>
#include <QString>

#include <algorithm>
#include <cmath>

namespace velnor::test {

std::unique_ptr<CGlModel> RenderTest::s_settings;
std::unique_ptr<OffscreenRenderer> RenderTest::s_renderer;

Pixel PixelAt(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(x, y);
    return {qRed(c), qGreen(c), qBlue(c)};
}

std::array<double, 2> OrthoPixel(const std::array<double, 3>& p, double angleX, double angleZ) {
    const double ax = angleX * M_PI / 180.0, az = angleZ * M_PI / 180.0;
    // The model-view turns about x after turning about z: v = Rx * Rz * p.
    const double x1 = std::cos(az) * p[0] - std::sin(az) * p[1];
    const double y1 = std::sin(az) * p[0] + std::cos(az) * p[1];
    const double z1 = p[2];
    const double x2 = x1;
    const double y2 = std::cos(ax) * y1 - std::sin(ax) * z1;
    const double aspect = static_cast<double>(kWidth) / kHeight;
    const double nx = x2 / (12.0 * aspect), ny = y2 / 12.0;
    return {(nx + 1.0) / 2.0 * kWidth, (1.0 - (ny + 1.0) / 2.0) * kHeight};
}

int CountIn(const QImage& image, int left, int top, int width, int height,
            const std::function<bool(Pixel)>& test) {
    int count = 0;
    for (int y = std::max(0, top); y < std::min(image.height(), top + height); ++y) {
        for (int x = std::max(0, left); x < std::min(image.width(), left + width); ++x) {
            count += test(PixelAt(image, x, y)) ? 1 : 0;
        }
    }
    return count;
}

int CountNear(const QImage& image, int x, int y, int radius,
              const std::function<bool(Pixel)>& test) {
    return CountIn(image, x - radius, y - radius, 2 * radius + 1, 2 * radius + 1, test);
}

void AddMeasureText(CGpage& page, const char* text, int fromRight, int baseline) {
    auto cell = std::make_unique<CDTextCell>(2);
    cell->m_strText = text;
    cell->m_nPlaceX = fromRight;
    cell->m_nPlaceY = baseline;
    page.AddText(std::move(cell));
}

std::unique_ptr<CSubassembly> MakeSolid(uint8_t kind, const Float3& position, float size) {
    return std::make_unique<CSubassembly>(kind, 0, position, 0.0f, Float3{0, 0, 1},
                                          Float3{size, size, size}, 0.5, 0, Plane{0, 0, 1, 0},
                                          Plane{0, 0, -1, 0});
}

bool IsLineGreen(Pixel p) {
    return p.g > 100 && p.r < 90 && p.b < 90;
}
bool IsLabelMagenta(Pixel p) {
    return p.r > 120 && p.b > 120 && p.g < 90;
}
bool IsSelectionRed(Pixel p) {
    return p.r > 120 && p.g < 90 && p.b < 90;
}
bool IsBlack(Pixel p) {
    return p.r < 20 && p.g < 20 && p.b < 20;
}

double CoveredFraction(const QImage& image, std::array<double, 2> a, std::array<double, 2> b,
                       const std::function<bool(Pixel)>& test, int samples) {
    int covered = 0;
    for (int i = 0; i < samples; ++i) {
        const double t = (i + 0.5) / samples;
        const int x = static_cast<int>(std::lround(a[0] + t * (b[0] - a[0])));
        const int y = static_cast<int>(std::lround(a[1] + t * (b[1] - a[1])));
        covered += CountNear(image, x, y, 1, test) > 0 ? 1 : 0;
    }
    return static_cast<double>(covered) / samples;
}

void RenderTest::SetUpTestSuite() {
    s_settings = std::make_unique<CGlModel>();
    s_renderer = std::make_unique<OffscreenRenderer>(*s_settings);
}

void RenderTest::TearDownTestSuite() {
    s_renderer.reset();
    s_settings.reset();
}

void RenderTest::SetUp() {
    const uint32_t base = s_settings->m_nListBase;
    *s_settings = CGlModel();
    s_settings->m_nListBase = base;
}

QImage RenderTest::Render(CGpage* page, const std::string& name, FrameLayout layout) {
    if (layout.width == 0) {
        layout.width = kWidth;
        layout.height = kHeight;
    }
    QImage image = s_renderer->Render(page, layout);
    image.save(QDir(QStringLiteral(VELNOR_SCREENSHOT_DIR))
                   .filePath(QString::fromStdString(name) + ".png"));
    return image;
}

}  // namespace velnor::test
