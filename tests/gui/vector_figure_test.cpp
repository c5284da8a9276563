#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include "gui/render_fixture.h"
#include "gui/svg_strokes.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/figure_files.h"
#include "output/label_text.h"
#include "output/output_palette.h"
#include "output/page_sheets.h"
#include "output/vector_frame.h"
#include "view/demo_page.h"

namespace velnor::test {
namespace {

QString SvgOf(const CGpage& page, const CGlModel& settings, const VectorLayout& layout,
              const QString& path) {
    EXPECT_EQ(WriteFigureSvg(path, page, settings, layout), QString());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll());
}

// Draws an SVG file into a picture, for a person to look at.
void SaveSvgPicture(const QString& svgPath, const QString& pngName) {
    QSvgRenderer renderer(svgPath);
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/") + pngName);
}

std::pair<int, QString> RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

std::unique_ptr<CGpage> CubeWithMeasure() {
    auto page = MakeCubePage();
    AddMeasureText(*page, "|AB|=8.0000", 300, 40);
    page->m_strName = " 正方体 ";
    return page;
}

class VectorFigureTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    CGlModel settings;
};

TEST_F(VectorFigureTest, CubeShowsNineEdgesSolidThreeDashedAndItsTextsAsText) {
    const auto page = CubeWithMeasure();
    const QString path = QStringLiteral(VELNOR_SCREENSHOT_DIR "/vector_cube.svg");
    const SvgContent svg = ReadSvg(SvgOf(*page, settings, {}, path));
    EXPECT_EQ(svg.Count(false), 9);
    EXPECT_EQ(svg.Count(true), 3);
    for (const char* label : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
        EXPECT_TRUE(svg.texts.contains(QString::fromUtf8(label))) << label;
    }
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("|AB|=8.0000")));
    SaveSvgPicture(path, QStringLiteral("vector_cube_svg.png"));
}

// The SVG is valid XML for any label, sized in millimetres at 96 dpi, titled with the page's
// name, one group per layer, and each label and text one element, whole.
TEST_F(VectorFigureTest, SvgIsMadeForAPersonToEdit) {
    auto page = CubeWithMeasure();
    page->m_label[0] = "A1";
    page->m_label[1] = "B\x01\x02<&>\x1f";
    page->m_strName = "正方体 & <立方>";
    const std::string measure = "< B1A1A , C1CD >=0.0000";
    page->m_texts.begin()->second->m_strText = measure;
    page->m_texts.begin()->second->m_nPlaceX = 120;
    const QString path = Path("edit.svg");
    const QString text = SvgOf(*page, settings, {}, path);

    const auto [code, errors] =
        RunTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    EXPECT_EQ(code, 0) << errors.toStdString();
    EXPECT_TRUE(text.contains(
        QStringLiteral(R"(width="211.6667mm" height="158.75mm" viewBox="0 0 800 600")")));
    EXPECT_TRUE(text.contains(QStringLiteral("<title>正方体 &amp; &lt;立方&gt;</title>")));
    for (const char* layer : {"visible-lines", "hidden-lines", "labels", "texts"}) {
        EXPECT_EQ(text.count(QStringLiteral(R"(<g id="%1")").arg(QString::fromUtf8(layer))), 1)
            << layer;
    }
    EXPECT_TRUE(text.contains(
        QStringLiteral(R"(<g id="hidden-lines" class="hidden-lines" stroke-dasharray="10 6")")));
    const SvgContent svg = ReadSvg(text);
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("A1")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("B&lt;&amp;&gt;")));
    EXPECT_TRUE(svg.texts.contains(QString::fromStdString(measure).toHtmlEscaped()));

    // Moved in from the right edge as the view moves it, the text ends inside the frame.
    static const QRegularExpression measureX(
        QStringLiteral(R"re(<text x="([^"]*)"[^>]*><tspan[^>]*>&lt;)re"));
    const auto found = measureX.match(text);
    ASSERT_TRUE(found.hasMatch());
    const double width = LabelFont(26).Layout({}, measure, Qt::white, false).width;
    EXPECT_LE(found.captured(1).toDouble() + width, 800.5);
}

// Seen from above, a painted sphere hides the label of a point below it, as the view's solids
// cover labels; the label of a point above it stays.
TEST_F(VectorFigureTest, LabelsBehindAPaintedSolidAreHidden) {
    settings.m_camera.m_fAngleX = 0.0f;
    settings.m_camera.m_fAngleAxis = 0.0f;
    CGpage page;
    page.m_bFillFaces = 0;
    page.AddVertex(0, 0, -8);
    page.AddVertex(0, 0, 8);
    page.m_label[0] = "Below";
    page.m_label[1] = "Above";
    page.AddSolid(MakeSolid(kSolidSphere, {0, 0, 0}, 3));
    const SvgContent svg = ReadSvg(SvgOf(page, settings, {}, Path("covered.svg")));
    EXPECT_FALSE(svg.texts.contains(QStringLiteral("Below")));
    EXPECT_TRUE(svg.texts.contains(QStringLiteral("Above")));
}

// Seen from above, a line from (-8, 0, 1) to (8, 0, -1) passes down through the square face
// z = 0, |x|, |y| <= 4, at x = 0 and leaves its shadow at x = 4: dashed between, solid outside.
TEST_F(VectorFigureTest, LinePartlyBehindAFaceIsSplitWhereItPassesThrough) {
    CGpage page;
    for (const Float3& p :
         {Float3{-4, -4, 0}, Float3{4, -4, 0}, Float3{4, 4, 0}, Float3{-4, 4, 0}}) {
        page.AddVertex(p[0], p[1], p[2]);
    }
    page.AddVertex(-8, 0, 1);
    page.AddVertex(8, 0, -1);
    page.AddFace(std::array<int, 4>{0, 1, 2, 3});
    page.AddLine(4, 5, kSegment);
    std::fill(page.m_bShown.begin(), page.m_bShown.end(), 0);
    settings.m_camera.m_fAngleX = 0.0f;
    settings.m_camera.m_fAngleAxis = 0.0f;
    const SvgContent svg = ReadSvg(SvgOf(page, settings, {}, Path("split.svg")));

    // 24 units fill the 600 pixels of the height: 25 pixels a unit, the origin at (400, 300).
    ASSERT_EQ(svg.strokes.size(), 3u);
    std::vector<std::pair<double, double>> solid;
    for (const Stroke& s : svg.strokes) {
        const auto [left, right] = std::minmax({s.a.x(), s.b.x()});
        EXPECT_NEAR(s.a.y(), 300.0, 0.01);
        if (s.dashed) {
            EXPECT_NEAR(left, 400.0, 0.5);
            EXPECT_NEAR(right, 500.0, 0.5);
        } else {
            solid.emplace_back(left, right);
        }
    }
    std::sort(solid.begin(), solid.end());
    ASSERT_EQ(solid.size(), 2u);
    EXPECT_NEAR(solid[0].first, 200.0, 0.5);
    EXPECT_NEAR(solid[0].second, 400.0, 0.5);
    EXPECT_NEAR(solid[1].first, 500.0, 0.5);
    EXPECT_NEAR(solid[1].second, 600.0, 0.5);
}

void AddSolid(CGpage& page, uint8_t kind, const Float3& position, const Float3& scale) {
    page.AddSolid(std::make_unique<CSubassembly>(kind, 0, position, 0.0f, Float3{0, 0, 1}, scale,
                                                 0.5, 0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
}

// Seen from above, a line at y = 0.5, z = -6 passes under a sphere of radius 3 at the origin
// (25 pixels a unit, the centre at x = 400): a painted sphere covers the middle, one cut by the
// plane x = 0 only its right half, and an outline sphere lets the line show dashed (its body is
// 0.99 as large).
TEST_F(VectorFigureTest, SolidsCoverOrDashTheLinesBehindThem) {
    constexpr double kLineY = 300.0 - 0.5 * 25;
    const double chord = std::sqrt(9.0 - 0.25) * 25;
    const double shrunkChord = std::sqrt(2.97 * 2.97 - 0.25) * 25;
    struct Case {
        uint8_t kind;
        uint32_t clipMode;
        double hiddenFrom, hiddenTo;
        bool dashed;
    };
    const Case cases[] = {{kSolidSphere, 0, 400 - chord, 400 + chord, false},
                          {kSolidSphere, 1, 400, 400 + chord, false},
                          {kSolidSphereOutline, 0, 400 - shrunkChord, 400 + shrunkChord, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int{c.kind} << " clip " << c.clipMode);
        CGpage page;
        page.AddVertex(-8, 0.5f, -6);
        page.AddVertex(8, 0.5f, -6);
        page.AddLine(0, 1, kSegment);
        std::fill(page.m_bShown.begin(), page.m_bShown.end(), 0);
        AddSolid(page, c.kind, {0, 0, 0}, {3, 3, 3});
        page.m_solids.begin()->second->m_nClipMode = c.clipMode;
        page.m_solids.begin()->second->m_clipPlane1 = {1, 0, 0, 0};
        settings.m_camera.m_fAngleX = 0.0f;
        settings.m_camera.m_fAngleAxis = 0.0f;
        const SvgContent svg = ReadSvg(SvgOf(page, settings, {}, Path("solid.svg")));
        std::vector<std::pair<double, double>> solid, dashed;
        for (const Stroke& s : svg.strokes) {
            if (std::fabs(s.a.y() - kLineY) < 0.01 && std::fabs(s.b.y() - kLineY) < 0.01) {
                (s.dashed ? dashed : solid).push_back(std::minmax({s.a.x(), s.b.x()}));
            }
        }
        std::sort(solid.begin(), solid.end());
        ASSERT_EQ(solid.size(), 2u);
        EXPECT_NEAR(solid[0].first, 200.0, 0.5);
        EXPECT_NEAR(solid[0].second, c.hiddenFrom, 1.5);
        EXPECT_NEAR(solid[1].first, c.hiddenTo, 1.5);
        EXPECT_NEAR(solid[1].second, 600.0, 0.5);
        ASSERT_EQ(dashed.size(), c.dashed ? 1u : 0u);
        if (c.dashed) {
            EXPECT_NEAR(dashed[0].first, c.hiddenFrom, 1.5);
            EXPECT_NEAR(dashed[0].second, c.hiddenTo, 1.5);
        }
    }
}

TEST_F(VectorFigureTest, SolidsOfEveryVectorKindLookAsInTheView) {
    auto page = MakeDemoPage();
    AddSolid(*page, kSolidSphere, {0, -11, 0}, {2, 2, 2});
    AddSolid(*page, kSolidCube, {-11, -8, 0}, {1.5f, 1.5f, 1.5f});
    AddSolid(*page, kSolidCylinder, {11, -8, -2}, {1.5f, 1.5f, 4});
    AddSolid(*page, kSolidCone, {0, 0, 6}, {1.5f, 1.5f, 3});
    AddSolid(*page, kSolidSphereWire, {-11, 8, 0}, {2, 2, 2});
    AddSolid(*page, kSolidCircleOutline, {11, 8, 0}, {2, 2, 2});
    settings.m_bLighting = 1;
    const QString path = QStringLiteral(VELNOR_SCREENSHOT_DIR "/vector_solids.svg");
    const SvgContent svg = ReadSvg(SvgOf(*page, settings, {}, path));
    EXPECT_GT(svg.Count(true), 3);
    EXPECT_GT(svg.Count(false), 40);
    SaveSvgPicture(path, QStringLiteral("vector_solids_svg.png"));
}

TEST_F(VectorFigureTest, AxesAndGridComeWithTheirLetters) {
    VectorLayout layout;
    layout.showAxes = true;
    const CGpage empty;
    const QString path = QStringLiteral(VELNOR_SCREENSHOT_DIR "/vector_axes.svg");
    const SvgContent svg = ReadSvg(SvgOf(empty, settings, layout, path));
    // Three squares of four sides, 21 grid lines each way, three axes.
    EXPECT_EQ(svg.Count(false), 12 + 42 + 3);
    for (const char* letter : {"O", "X", "Y", "Z"}) {
        EXPECT_TRUE(svg.texts.contains(QString::fromUtf8(letter))) << letter;
    }
    SaveSvgPicture(path, QStringLiteral("vector_axes_svg.png"));
}

TEST_F(VectorFigureTest, PdfHoldsTheSameTexts) {
    const auto page = CubeWithMeasure();
    const QString path = QStringLiteral(VELNOR_SCREENSHOT_DIR "/vector_cube.pdf");
    ASSERT_EQ(WriteFigurePdf(path, *page, settings, {}), QString());
    const auto [code, text] = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_EQ(code, 0);
    for (const char* expected : {"A", "B", "C", "D", "E", "F", "G", "H", "|AB|=8.0000"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    }
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                         QStringLiteral("72"), QStringLiteral("-singlefile"), path,
                                         QStringLiteral(VELNOR_SCREENSHOT_DIR "/vector_cube_pdf")});
}

TEST_F(VectorFigureTest, PrintingToPdfMakesOneSheetPerPage) {
    const auto first = CubeWithMeasure();
    const auto second = MakeDemoPage();
    const auto third = MakeCubePage();
    third->m_strName = " 第三页 ";
    const std::vector<const CGpage*> pages{first.get(), second.get(), third.get()};
    for (size_t count : {1u, 3u}) {
        SCOPED_TRACE(count);
        const QString path = QStringLiteral(VELNOR_SCREENSHOT_DIR "/printed_sheets.pdf");
        ASSERT_EQ(PrintSheetsToPdf(path, std::span(pages).first(count), settings, {}), QString());
        const auto [code, info] = RunTool(QStringLiteral("pdfinfo"), {path});
        ASSERT_EQ(code, 0);
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\b").arg(count))))
            << info.toStdString();
        const auto [textCode, text] =
            RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        EXPECT_TRUE(text.contains(QStringLiteral("正方体")));
    }
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
             QStringLiteral(VELNOR_SCREENSHOT_DIR "/printed_sheets.pdf"),
             QStringLiteral(VELNOR_SCREENSHOT_DIR "/printed_sheet")});
}

TEST_F(VectorFigureTest, AFileThatCannotBeWrittenIsReported) {
    const auto page = MakeCubePage();
    const QString missingFolder = Path("no/such/folder/figure.svg");
    EXPECT_NE(WriteFigureSvg(missingFolder, *page, settings, {}), QString());
}

TEST(OutputPaletteTest, PaperDarkensWhatWouldVanishOnWhite) {
    CGlModel settings;
    const OutputPalette paper = OutputPalette::Paper(settings);
    EXPECT_EQ(paper.Background(), QColor(Qt::white));
    struct Case {
        QColor color;
        bool kept;
    };
    const Case cases[] = {{Qt::white, false},           {QColor(250, 250, 245), false},
                          {QColor(255, 255, 0), false}, {QColor(255, 0, 255), true},
                          {QColor(0, 0, 255), true},    {QColor(0, 255, 0), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color.name().toStdString());
        const QColor ink = paper.Ink(c.color);
        EXPECT_EQ(ink == c.color, c.kept);
        EXPECT_LT(ink.lightnessF(), 0.6);
    }
    EXPECT_EQ(OutputPalette::Screen(settings).Ink(QColor(Qt::white)), QColor(Qt::white));

    settings.m_bgColor = {255, 255, 255};
    settings.m_lineColor = settings.m_labelColor = settings.m_textColor = {0, 0, 0};
    settings.m_selectColor = {0, 0, 255};
    const OutputPalette blackAndWhite = OutputPalette::Paper(settings);
    for (const Case& c : cases) {
        EXPECT_EQ(blackAndWhite.Ink(c.color), QColor(Qt::black));
    }
}

}  // namespace
}  // namespace velnor::test
