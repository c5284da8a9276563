#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <vector>

#include "gui/picture_match.h"
#include "gui/render_fixture.h"
#include "model/page.h"
#include "persistence/document_file.h"

namespace velnor::test {
namespace {

struct ToolRun {
    int code;
    QString output;
};

// Runs a program in `folder`; its exit code (-1 when it would not start) and all it printed.
ToolRun RunTool(const QString& program, const QStringList& arguments, const QString& folder = {}) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit) {
        return {-1, process.errorString()};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

QString Screenshot(const QString& name) {
    return QDir(QStringLiteral(VELNOR_SCREENSHOT_DIR)).filePath(name);
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The cube with labels, A as A1, and a measurement text too long for its place at the right.
std::unique_ptr<CGpage> LabelledCube(const char* text) {
    auto page = MakeCubePage();
    page->m_label[0] = "A1";
    AddMeasureText(*page, text, 120, 40);
    return page;
}

class FigureExportTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QString WriteDocument(const CGpage& page, const QString& name) const {
        const CGpage* pages[] = {&page};
        const std::vector<uint8_t> bytes = EncodeDocumentFile({CGlModel(), 2, {}, pages, ""});
        const QString path = Path(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    // velnor-cli render of the document's first page into `out`, with `options` added.
    static void Render(const QString& document, const QString& out,
                       const QStringList& options = {}) {
        const ToolRun run =
            RunTool(QStringLiteral(VELNOR_CLI),
                    QStringList{"render", document, "--page", "1", "--size", "800x600", "-o", out} +
                        options);
        ASSERT_EQ(run.code, 0) << run.output.toStdString();
    }

    // Compiles the TeX file with the engine its first lines ask for and draws its page 800
    // pixels wide, as the view's picture it is compared with.
    static QImage CompiledPicture(const QString& tex, const QString& png) {
        const QString engine = ReadText(tex).contains(QStringLiteral("Compile with xelatex"))
                                   ? QStringLiteral("xelatex")
                                   : QStringLiteral("pdflatex");
        const QFileInfo info(tex);
        const ToolRun run =
            RunTool(engine, {"-interaction=nonstopmode", "-halt-on-error", info.fileName()},
                    info.absolutePath());
        EXPECT_EQ(run.code, 0) << run.output.right(3000).toStdString();
        const QString pdf = info.absolutePath() + '/' + info.completeBaseName() + ".pdf";
        EXPECT_EQ(RunTool(QStringLiteral("pdftoppm"), {"-png", "-singlefile", "-scale-to-x", "800",
                                                       "-scale-to-y", "600", pdf, png.chopped(4)})
                      .code,
                  0);
        return QImage(png);
    }

    static void ExpectAlike(const QImage& view, const QImage& drawing) {
        ASSERT_FALSE(drawing.isNull());
        EXPECT_GT(ShareNear(view, drawing), 0.9);
        EXPECT_GT(ShareNear(drawing, view), 0.9);
    }

    QTemporaryDir dir;
};

// The cube in each projection compiles with pdfLaTeX and draws what the view draws; its labels
// are math, its measurement text whole and its hidden edges dashed.
TEST_F(FigureExportTest, CubeAsTikzCompilesAndLooksAsInTheView) {
    const auto page = LabelledCube("< B1A1A , C1CD >=0.0000");
    const QString document = WriteDocument(*page, QStringLiteral("cube.plm"));
    for (const char* projection : {"0", "1", "2"}) {
        SCOPED_TRACE(projection);
        const QString name = QStringLiteral("tikz_cube_projection_") + projection;
        const QStringList options{"--projection", projection};
        Render(document, Screenshot(name + ".png"), options);
        const QString tex = Path(name + ".tex");
        Render(document, tex, options);
        const QString source = ReadText(tex);
        EXPECT_TRUE(source.contains(QStringLiteral("{$A_{1}$}")));
        EXPECT_TRUE(source.contains(QStringLiteral("\\begin{scope}[hidden]")));
        EXPECT_TRUE(source.contains(QStringLiteral("=0.0000}")));
        EXPECT_TRUE(source.contains(QStringLiteral("paperwidth=12cm")));
        ExpectAlike(QImage(Screenshot(name + ".png")),
                    CompiledPicture(tex, Screenshot(name + "_tex.png")));
    }
}

// --tikz-body writes the picture alone, which a worksheet inputs; --scale sets its size.
TEST_F(FigureExportTest, TikzBodyGoesIntoAWorksheet) {
    const auto page = LabelledCube("|AB|=12.0000");
    const QString document = WriteDocument(*page, QStringLiteral("cube.plm"));
    Render(document, Path(QStringLiteral("figure.tex")), {"--tikz-body", "--scale", "0.01"});
    const QString body = ReadText(Path(QStringLiteral("figure.tex")));
    EXPECT_TRUE(body.startsWith(QStringLiteral("\\begin{tikzpicture}")));
    EXPECT_FALSE(body.contains(QStringLiteral("\\documentclass")));
    EXPECT_TRUE(body.contains(QStringLiteral("rectangle (8,6)")));
    QFile worksheet(Path(QStringLiteral("worksheet.tex")));
    ASSERT_TRUE(worksheet.open(QIODevice::WriteOnly));
    worksheet.write(
        "\\documentclass{article}\n\\usepackage{tikz}\n\\begin{document}\n"
        "1. In the cube below, find $|AB|$.\n\n\\input{figure.tex}\n\\end{document}\n");
    worksheet.close();
    const ToolRun run =
        RunTool(QStringLiteral("pdflatex"),
                {"-interaction=nonstopmode", "-halt-on-error", "worksheet.tex"}, dir.path());
    EXPECT_EQ(run.code, 0) << run.output.right(3000).toStdString();
}

// A page with a Chinese text asks for XeLaTeX, compiles with it and looks as in the view, which
// draws the text's ASCII characters only.
TEST_F(FigureExportTest, ChineseTextsCompileWithXeLaTeX) {
    auto page = MakeDemoPage();
    AddMeasureText(*page, "|AG|=13.8564 对角线", 300, 40);
    const QString document = WriteDocument(*page, QStringLiteral("chinese.plm"));
    Render(document, Screenshot(QStringLiteral("tikz_chinese.png")));
    const QString tex = Path(QStringLiteral("chinese.tex"));
    Render(document, tex);
    const QString source = ReadText(tex);
    EXPECT_TRUE(source.startsWith(QStringLiteral("% 第一页\n% Compile with xelatex")));
    EXPECT_TRUE(source.contains(QStringLiteral("{ctex}")));
    EXPECT_TRUE(source.contains(QStringLiteral("=13.8564 \\textit{对角线}}")));
    ExpectAlike(QImage(Screenshot(QStringLiteral("tikz_chinese.png"))),
                CompiledPicture(tex, Screenshot(QStringLiteral("tikz_chinese_tex.png"))));
}

// Each example document as SVG passes xmllint and draws in rsvg-convert as the view draws it,
// and as TikZ compiles and looks the same.
TEST_F(FigureExportTest, EveryExampleAsSvgAndTikzLooksAsInTheView) {
    const QStringList examples =
        QDir(QStringLiteral(VELNOR_EXAMPLES_DIR)).entryList({QStringLiteral("*.plm")});
    ASSERT_FALSE(examples.isEmpty());
    for (int i = 0; i < examples.size(); ++i) {
        SCOPED_TRACE(examples[i].toStdString());
        const QString document = QStringLiteral(VELNOR_EXAMPLES_DIR "/") + examples[i];
        const QString name = QStringLiteral("example_%1").arg(i + 1);
        Render(document, Screenshot(name + ".png"));
        const QImage view(Screenshot(name + ".png"));

        const QString svg = Screenshot(name + ".svg");
        Render(document, svg);
        const ToolRun lint = RunTool(QStringLiteral("xmllint"), {"--noout", svg});
        EXPECT_EQ(lint.code, 0) << lint.output.toStdString();
        ASSERT_EQ(
            RunTool(QStringLiteral("rsvg-convert"),
                    {"--width", "800", "--height", "600", "-o", Screenshot(name + "_svg.png"), svg})
                .code,
            0);
        ExpectAlike(view, QImage(Screenshot(name + "_svg.png")));

        const QString tex = Path(name + ".tex");
        Render(document, tex);
        ExpectAlike(view, CompiledPicture(tex, Screenshot(name + "_tex.png")));
    }
}

}  // namespace
}  // namespace velnor::test
