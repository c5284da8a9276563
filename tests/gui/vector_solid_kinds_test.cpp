#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "gui/picture_match.h"
#include "gui/render_fixture.h"
#include "gui/svg_strokes.h"
#include "output/figure_files.h"
#include "output/output_palette.h"
#include "output/svg_canvas.h"
#include "output/vector_frame.h"
#include "persistence/document_file.h"

namespace velnor::test {
namespace {

// A page drawn in line mode with nothing but what the scene adds.
std::unique_ptr<CGpage> EmptyPage() {
    auto page = std::make_unique<CGpage>();
    page->m_bFillFaces = 0;
    return page;
}

void AddSquare(CGpage& page, float left, float right, float z) {
    const int first = page.m_nVertexCount;
    for (const auto& [x, y] :
         {std::pair{left, -8.0f}, {right, -8.0f}, {right, 8.0f}, {left, 8.0f}}) {
        page.AddVertex(x, y, z);
    }
    page.AddFace(std::array<int, 4>{first, first + 1, first + 2, first + 3});
    page.ClearSelection();
    std::fill(page.m_bShown.begin(), page.m_bShown.end(), 0);
}

// A segment whose ends are neither labelled nor selected.
void AddSegment(CGpage& page, const Float3& from, const Float3& to) {
    const int first = page.m_nVertexCount;
    page.AddVertex(from[0], from[1], from[2]);
    page.AddVertex(to[0], to[1], to[2]);
    page.AddLine(static_cast<uint8_t>(first), static_cast<uint8_t>(first + 1), kSegment);
    page.ClearSelection();
    std::fill(page.m_bShown.begin(), page.m_bShown.end(), 0);
}

// The page shown by page components numbered 1: a segment along x from -1 to 1.
std::unique_ptr<CGpage> ComponentSource() {
    auto page = EmptyPage();
    AddSegment(*page, {-1, 0, 0}, {1, 0, 0});
    page->m_nComponentList = 1;
    return page;
}

// The SVG of the page drawn into a picture the size of the frame.
QImage VectorPicture(const CGpage& page, const CGlModel& settings, const VectorLayout& layout,
                     const std::string& name) {
    SvgCanvas svg(QSize(kWidth, kHeight), QString());
    DrawVectorFrame(svg, &page, settings, layout, OutputPalette::Screen(settings));
    QSvgRenderer renderer(QByteArray::fromStdString(svg.Finish()));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter onImage(&image);
    renderer.render(&onImage);
    onImage.end();
    image.save(QDir(QStringLiteral(VELNOR_SCREENSHOT_DIR))
                   .filePath(QString::fromStdString(name) + "_svg.png"));
    return image;
}

bool IsDrawn(const QImage& image, int x, int y) {
    const Pixel p = PixelAt(image, x, y);
    return p.r + p.g + p.b > 60;
}

struct Scene {
    const char* name;
    std::function<void(CGpage&)> build;
    bool fromAbove;
};

const Scene kScenes[] = {
    {"tetrahedron",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTetrahedron, {0, 0, 0}, 4));
     },
     false},
    {"octahedron",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidOctahedron, {0, 0, 0}, 6));
     },
     false},
    {"dodecahedron",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidDodecahedron, {0, 0, 0}, 4));
     },
     false},
    {"icosahedron",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidIcosahedron, {0, 0, 0}, 6));
     },
     false},
    {"torus",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTorus, {0, 0, 0}, 6));
     },
     false},
    {"teapot",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTeapot, {0, 0, 0}, 4));
     },
     false},
    {"teapot_wire",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTeapotWire, {0, 0, 0}, 4));
     },
     false},
    {"title",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTitle, {0, 0, 0}, 3));
     },
     false},
    {"molecule",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidC60, {0, 0, 0}, 8));
     },
     false},
    {"tetrahedron_wire",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidTetrahedronWire, {0, 0, 0}, 4));
     },
     false},
    {"octahedron_wire",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidOctahedronWire, {0, 0, 0}, 6));
     },
     false},
    {"dodecahedron_wire",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidDodecahedronWire, {0, 0, 0}, 4));
     },
     false},
    {"icosahedron_wire",
     [](CGpage& p) {
         p.AddSolid(MakeSolid(kSolidIcosahedronWire, {0, 0, 0}, 6));
     },
     false},
    {"page_component",
     [](CGpage& p) {
         auto component = MakeSolid(kSolidPageComponent, {2, 1, 0}, 4);
         component->m_nComponent = 1;
         p.AddSolid(std::move(component));
     },
     false},
    // A face drawn only into depth hides the half of a sphere, and of a wire solid, behind it.
    {"sphere_behind_face",
     [](CGpage& p) {
         AddSquare(p, 0, 8, 5);
         p.AddSolid(MakeSolid(kSolidSphere, {0, 0, 0}, 4));
     },
     true},
    {"wire_behind_face",
     [](CGpage& p) {
         AddSquare(p, 0, 8, 5);
         p.AddSolid(MakeSolid(kSolidIcosahedronWire, {0, 0, 0}, 6));
     },
     true},
};

void PrintTo(const Scene& scene, std::ostream* os) {
    *os << scene.name;
}

class VectorSolidKindsTest : public RenderTest, public testing::WithParamInterface<Scene> {};

// The vector figure and the view's picture of the same page cover the same pixels.
TEST_P(VectorSolidKindsTest, LooksAsInTheView) {
    const Scene& scene = GetParam();
    if (scene.fromAbove) {
        Settings().m_camera.m_fAngleX = 0.0f;
        Settings().m_camera.m_fAngleAxis = 0.0f;
    }
    const auto source = ComponentSource();
    s_renderer->CompileComponent(*source, 1, false);
    auto page = EmptyPage();
    scene.build(*page);
    const QImage view = Render(page.get(), std::string("kinds_") + scene.name + "_gl");
    VectorLayout layout;
    layout.componentPages = {source.get()};
    const QImage vector =
        VectorPicture(*page, Settings(), layout, std::string("kinds_") + scene.name);
    EXPECT_GT(ShareNear(view, vector), 0.9);
    EXPECT_GT(ShareNear(vector, view), 0.9);
}

INSTANTIATE_TEST_SUITE_P(Kinds, VectorSolidKindsTest, testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

// The mean colour of the drawn pixels.
std::array<double, 3> MeanDrawnColour(const QImage& image) {
    std::array<double, 3> sum{};
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (IsDrawn(image, x, y)) {
                const Pixel p = PixelAt(image, x, y);
                sum[0] += p.r;
                sum[1] += p.g;
                sum[2] += p.b;
                ++count;
            }
        }
    }
    for (double& channel : sum) {
        channel /= std::max(count, 1);
    }
    return sum;
}

// Under light the view paints a solid in its material, unless 颜色材质 lets the drawing colours
// through; the vector figure must not print a grey solid in colour, or the reverse.
TEST_F(RenderTest, VectorSolidsTakeTheViewsColoursUnderLight) {
    struct Case {
        const char* name;
        uint8_t kind;
        bool lighting, colorMaterial, ownRedMaterial;
    };
    const Case cases[] = {
        {"lit_sphere", kSolidSphere, true, false, false},
        {"lit_red_sphere", kSolidSphere, true, false, true},
        {"lit_cube", kSolidCube, true, false, false},
        {"lit_coloured_cube", kSolidCube, true, true, false},
        {"unlit_cube", kSolidCube, false, false, false},
        {"lit_wire_sphere", kSolidSphereWire, true, false, false},
        {"lit_wire_cuboid", kSolidCuboidWire, true, false, false},
        {"lit_wire_octahedron", kSolidOctahedronWire, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings().m_bLighting = c.lighting;
        Settings().m_bColorMaterial = c.colorMaterial;
        auto page = EmptyPage();
        auto solid = MakeSolid(c.kind, {0, 0, 0}, 4);
        if (c.ownRedMaterial) {
            solid->m_bOwnMaterial = 1;
            solid->m_material.diffuse = {0.9f, 0.1f, 0.1f, 1.0f};
        }
        page->AddSolid(std::move(solid));
        const auto view =
            MeanDrawnColour(Render(page.get(), std::string("colour_") + c.name + "_gl"));
        const auto vector =
            MeanDrawnColour(VectorPicture(*page, Settings(), {}, std::string("colour_") + c.name));
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(vector[i], view[i], 40.0) << "channel " << i;
        }
    }
}

// With 彩色线条 a segment takes its end points' colours: the end's throughout, or blended from
// the start's with 色彩平滑.
TEST_F(RenderTest, VectorSegmentsTakeTheirEndPointsColours) {
    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        Settings().m_bColorLines = 1;
        Settings().m_bSmoothColors = smooth;
        Settings().m_camera.m_fAngleX = 0.0f;
        Settings().m_camera.m_fAngleAxis = 0.0f;
        auto page = EmptyPage();
        AddSegment(*page, {-8, 0, 0}, {8, 0, 0});
        page->m_color[0] = {1.0f, 0.0f, 0.0f};
        page->m_color[1] = {0.0f, 0.0f, 1.0f};
        const std::string name = smooth ? "blended_segment" : "end_coloured_segment";
        const QImage view = Render(page.get(), name + "_gl");
        const QImage vector = VectorPicture(*page, Settings(), {}, name);
        // In proportions: the edges of a line are smoothed differently in the two pictures.
        const auto proportions = [](std::array<double, 3> mean) {
            const double sum = std::max(mean[0] + mean[1] + mean[2], 1.0);
            return std::array<double, 3>{mean[0] / sum, mean[1] / sum, mean[2] / sum};
        };
        const auto viewShare = proportions(MeanDrawnColour(view));
        const auto vectorShare = proportions(MeanDrawnColour(vector));
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(vectorShare[i], viewShare[i], 0.15) << "channel " << i;
        }
        const auto start = OrthoPixel({-7, 0, 0}, 0, 0);
        const Pixel nearStart = PixelAt(vector, static_cast<int>(start[0]), kHeight / 2);
        EXPECT_EQ(nearStart.r > nearStart.b, smooth);
    }
}

// Every solid kind of the program on one page, seven to a row, with lighting.
std::unique_ptr<CGpage> EveryKindPage() {
    auto page = EmptyPage();
    page->m_strName = "每种组件";
    int place = 0;
    for (uint8_t kind = 0; kind <= kSolidPageComponent; ++kind) {
        const float x = -13.2f + 4.4f * static_cast<float>(place % 7);
        const float y = 6.6f - 4.4f * static_cast<float>(place / 7);
        ++place;
        const bool large = kind == kSolidTitle || kind == kSolidC60 || kind == kSolidTorus ||
                           kind == kSolidOctahedron || kind == kSolidIcosahedron ||
                           kind == kSolidOctahedronWire || kind == kSolidIcosahedronWire;
        auto solid = MakeSolid(kind, {x, y, 0}, kind == kSolidTitle ? 0.8f : large ? 1.6f : 1.0f);
        solid->m_nComponent = 1;
        page->AddSolid(std::move(solid));
    }
    return page;
}

QString Screenshot(const char* name) {
    return QDir(QStringLiteral(VELNOR_SCREENSHOT_DIR)).filePath(QString::fromUtf8(name));
}

// The page of every kind as a document (for velnor-cli), as SVG and PDF pictures and as the
// view draws it: the two pictures cover the same pixels.
TEST_F(VectorSolidKindsTest, EveryKindOnOnePageLooksAsInTheView) {
    Settings().m_bLighting = 1;
    const auto source = ComponentSource();
    s_renderer->CompileComponent(*source, 1, false);
    const auto page = EveryKindPage();
    const std::vector<const CGpage*> pages{page.get(), source.get()};
    const std::string names[] = {"线段"};
    const std::vector<uint8_t> bytes =
        EncodeDocumentFile({Settings(), 3, names, pages, std::string_view()});
    QFile document(Screenshot("every_kind.plm"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    document.close();

    VectorLayout layout;
    layout.componentPages = pages;
    const QImage view = Render(page.get(), "every_kind_gl");
    const QImage vector = VectorPicture(*page, Settings(), layout, "every_kind");
    EXPECT_GT(ShareNear(view, vector), 0.9);
    EXPECT_GT(ShareNear(vector, view), 0.9);
    ASSERT_EQ(WriteFigureSvg(Screenshot("every_kind.svg"), *page, Settings(), layout), QString());
    ASSERT_EQ(WriteFigurePdf(Screenshot("every_kind.pdf"), *page, Settings(), layout), QString());
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                       QStringLiteral("-singlefile"), Screenshot("every_kind.pdf"),
                       Screenshot("every_kind_pdf")});
}

// Where no OpenGL context can be made, the teapots are left out and the rest still drawn.
TEST(VectorFigureWithoutOpenGlTest, LeavesTheTeapotOutAndDrawsTheRest) {
    const CGlModel settings;
    auto page = EmptyPage();
    page->AddSolid(MakeSolid(kSolidTeapot, {-5, 0, 0}, 3));
    page->AddSolid(MakeSolid(kSolidTetrahedron, {5, 0, 0}, 3));
    const std::vector<const CGpage*> pages{page.get()};
    const std::vector<uint8_t> bytes =
        EncodeDocumentFile({settings, 2, {}, pages, std::string_view()});
    QFile document(Screenshot("teapot_without_gl.plm"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    document.close();
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal"));
    cli.setProcessEnvironment(environment);
    cli.start(
        QStringLiteral(VELNOR_CLI),
        {QStringLiteral("render"), Screenshot("teapot_without_gl.plm"), QStringLiteral("--page"),
         QStringLiteral("1"), QStringLiteral("--size"), QStringLiteral("800x600"),
         QStringLiteral("-o"), Screenshot("teapot_without_gl.svg")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 0);
    QFile svg(Screenshot("teapot_without_gl.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    // The tetrahedron's face towards the eye, nothing of the teapot's thousands of triangles.
    const QByteArray text = svg.readAll();
    const int fills = static_cast<int>(text.count("<path") + text.count("<polygon"));
    EXPECT_GE(fills, 1);
    EXPECT_LT(fills, 20);
}

QString SvgText(const CGpage& page, const CGlModel& settings) {
    SvgCanvas svg(QSize(800, 600), QString());
    DrawVectorFrame(svg, &page, settings, {}, OutputPalette::Screen(settings));
    return QString::fromStdString(svg.Finish());
}

// A page component's clip plane cuts the page it shows, as the view clips the page's list: seen
// from above (25 pixels a unit, the origin at x = 400), the plane x >= 0 of the component keeps
// the right half of the shown segment, scaled from -1..1 to -4..4.
TEST(VectorPageComponentTest, ItsClipPlanesCutTheShownPage) {
    CGlModel settings;
    settings.m_camera.m_fAngleX = 0.0f;
    settings.m_camera.m_fAngleAxis = 0.0f;
    const auto source = ComponentSource();
    VectorLayout layout;
    layout.componentPages = {source.get()};
    for (const uint8_t clipMode : {0, 1}) {
        SCOPED_TRACE(int{clipMode});
        auto page = EmptyPage();
        auto component = MakeSolid(kSolidPageComponent, {0, 0, 0}, 4);
        component->m_nComponent = 1;
        component->m_nClipMode = clipMode;
        component->m_clipPlane1 = {1, 0, 0, 0};
        page->AddSolid(std::move(component));
        SvgCanvas svg(QSize(kWidth, kHeight), QString());
        DrawVectorFrame(svg, page.get(), settings, layout, OutputPalette::Screen(settings));
        const SvgContent content = ReadSvg(QString::fromStdString(svg.Finish()));
        ASSERT_EQ(content.strokes.size(), 1u);
        const Stroke& stroke = content.strokes[0];
        const double left = std::min(stroke.a.x(), stroke.b.x());
        const double right = std::max(stroke.a.x(), stroke.b.x());
        EXPECT_NEAR(left, clipMode == 0 ? 300 : 400, 1.0);
        EXPECT_NEAR(right, 500, 1.0);
    }
}

// Every edge of a wire polyhedron is one unbroken stroke from a view where none is seen
// end-on, and none is dashed: the view draws a wire's hidden parts not at all.
TEST(VectorWirePolyhedraTest, DrawsEachEdgeOnceAndNoneDashed) {
    struct Case {
        uint8_t kind;
        int edges;
    };
    const Case cases[] = {{kSolidTetrahedronWire, 6},
                          {kSolidOctahedronWire, 12},
                          {kSolidDodecahedronWire, 30},
                          {kSolidIcosahedronWire, 30}};
    CGlModel settings;
    settings.m_camera.m_fAngleX = -63.0f;
    settings.m_camera.m_fAngleAxis = 17.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.kind});
        auto page = EmptyPage();
        page->AddSolid(MakeSolid(c.kind, {0, 0, 0}, 3));
        const SvgContent svg = ReadSvg(SvgText(*page, settings));
        EXPECT_EQ(svg.Count(false), c.edges);
        EXPECT_EQ(svg.Count(true), 0);
    }
}

// A curve is drawn as one line per run, not piece by piece: seen from above, a circle outline
// whose right half lies behind a face is one solid line on the left and, dashed, the two
// quarters on the right (it starts at the right).
TEST(VectorCurvesTest, ComeAsOneLinePerRun) {
    struct Case {
        bool behindFace;
        int solidLines, dashedLines;
    };
    const Case cases[] = {{false, 1, 0}, {true, 1, 2}};
    CGlModel settings;
    settings.m_camera.m_fAngleX = 0.0f;
    settings.m_camera.m_fAngleAxis = 0.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.behindFace);
        auto page = EmptyPage();
        if (c.behindFace) {
            AddSquare(*page, 0, 8, 5);
        }
        page->AddSolid(MakeSolid(kSolidCircleOutline, {0, 0, 0}, 3));
        const QString svg = SvgText(*page, settings);
        int solid = 0, dashed = 0;
        for (const QString& group : svg.split(QStringLiteral("<g "))) {
            const int lines = static_cast<int>(group.count(QStringLiteral("<polyline")) +
                                               group.count(QStringLiteral("<line ")));
            (group.section('>', 0, 0).contains(QStringLiteral("stroke-dasharray")) ? dashed
                                                                                   : solid) +=
                lines;
        }
        EXPECT_EQ(solid, c.solidLines);
        EXPECT_EQ(dashed, c.dashedLines);
    }
}

// Seen from above (25 pixels a unit, the origin at x = 400), a line at y = 0.5 through the
// middle of a closed solid of scale 3 is hidden where it runs inside: the facets facing the eye
// hide it, not those turned away.
TEST(VectorClosedSolidsTest, HideTheLineThroughTheirMiddle) {
    const double sphereChord = std::sqrt(9.0 - 0.25) * 25;
    const auto torusX = [](double r) { return std::sqrt(r * r - 0.25) * 25; };
    struct Case {
        uint8_t kind;
        std::vector<std::pair<double, double>> shown;
    };
    const Case cases[] = {
        {kSolidSphere, {{200, 400 - sphereChord}, {400 + sphereChord, 600}}},
        {kSolidOctahedron, {{200, 400 - 62.5}, {400 + 62.5, 600}}},
        {kSolidTorus,
         {{200, 400 - torusX(3.6)},
          {400 - torusX(2.4), 400 + torusX(2.4)},
          {400 + torusX(3.6), 600}}},
    };
    CGlModel settings;
    settings.m_camera.m_fAngleX = 0.0f;
    settings.m_camera.m_fAngleAxis = 0.0f;
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.kind});
        auto page = EmptyPage();
        AddSegment(*page, {-8, 0.5f, 0}, {8, 0.5f, 0});
        page->AddSolid(MakeSolid(c.kind, {0, 0, 0}, 3));
        std::vector<std::pair<double, double>> shown;
        for (const Stroke& s : ReadSvg(SvgText(*page, settings)).strokes) {
            EXPECT_FALSE(s.dashed);
            shown.push_back(std::minmax({s.a.x(), s.b.x()}));
        }
        std::sort(shown.begin(), shown.end());
        ASSERT_EQ(shown.size(), c.shown.size());
        for (size_t i = 0; i < shown.size(); ++i) {
            EXPECT_NEAR(shown[i].first, c.shown[i].first, 2.5);
            EXPECT_NEAR(shown[i].second, c.shown[i].second, 2.5);
        }
    }
}

}  // namespace
}  // namespace velnor::test
