#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <utility>

#include "gui/picture_match.h"

namespace velnor::test {
namespace {

constexpr qint64 kLargestLesson = 300 * 1024;
constexpr double kLeastShareNear = 0.9;
constexpr const char* kSize = "640x480";

struct Finished {
    int code = -1;
    QByteArray out;
    QString errors;
};

Finished Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

Finished RunCli(const QStringList& arguments) {
    return Run(QStringLiteral(VELNOR_CLI), arguments);
}

bool WriteScript(const QString& path, const QByteArray& lines) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(lines) == lines.size();
}

// The driver's report on the lesson, opened headless in Chromium.
QJsonObject OpenInBrowser(const QString& lesson, const QStringList& actions) {
    const Finished run =
        Run(QStringLiteral("node"),
            QStringList{QStringLiteral(VELNOR_TEST_TOOLS "/web_lesson_driver.mjs"), lesson,
                        QStringLiteral("--size"), QString::fromLatin1(kSize)} +
                actions);
    EXPECT_EQ(run.code, 0) << run.errors.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// {label: [x, y, z]} of the document's first page, as velnor-cli dump gives it; an unlabelled
// point is named "#" and its index, as the lesson names it.
QJsonObject DumpedVertices(const QString& document) {
    const Finished dump = RunCli({QStringLiteral("dump"), document});
    EXPECT_EQ(dump.code, 0) << dump.errors.toStdString();
    QJsonObject vertices;
    const QJsonObject page =
        QJsonDocument::fromJson(dump.out).object()[QStringLiteral("pages")].toArray()[0].toObject();
    for (const QJsonValue v : page[QStringLiteral("vertices")].toArray()) {
        const QJsonObject row = v.toObject();
        const QString label = row[QStringLiteral("label")].toString();
        const QString name =
            label.isEmpty() ? QStringLiteral("#%1").arg(row[QStringLiteral("index")].toInt()) : label;
        vertices[name] = QJsonArray{
            row[QStringLiteral("x")], row[QStringLiteral("y")], row[QStringLiteral("z")]};
    }
    return vertices;
}

void ExpectSamePoints(const QJsonObject& expected, const QJsonObject& seen) {
    ASSERT_EQ(expected.keys(), seen.keys());
    for (const QString& label : expected.keys()) {
        for (int k = 0; k < 3; ++k) {
            // The lesson rounds to a hundred-thousandth.
            EXPECT_NEAR(expected[label].toArray()[k].toDouble(),
                        seen[label].toArray()[k].toDouble(), 2e-5)
                << label.toStdString() << " coordinate " << k;
        }
    }
}

struct LessonCase {
    const char* name;
    // The document's file name in the examples; empty for one made by `script`, or with no
    // script for the dense page of the benchmark.
    const char* example;
    const char* script;
    int button;  // the key of the button clicked, 0 for the page's first
    int ticks;   // after the click
};

void PrintTo(const LessonCase& lesson, std::ostream* out) {
    *out << lesson.name;
}

// Solids the lesson lights as the program does.
constexpr const char* kMolecule = "组件 kind=13\nselect none\n";
constexpr const char* kTitle = "组件 kind=9\nselect none\n";
constexpr const char* kWiresUnderGlass = "组件 kind=15 x=-5\n组件 kind=24 x=5\nselect none\n";

const LessonCase kCases[] = {
    {"pyramid_volume", "三棱锥的体积", nullptr, 0, 30},
    {"skew_lines", "异面直线", nullptr, 0, 0},
    {"cube_angles", "正方体中的角", nullptr, 0, 20},
    {"sphere_points", "球面上的点", nullptr, 0, 60},
    {"dense_page", "", nullptr, 0, 0},
    // The cube's net folded by its serial button, halfway through and to the end.
    {"net_half_folded", "", "图元集 type=0 L=8\nselect faces 1 2 3 4 5 6\n展开图\nselect none\n",
     3031, 75},
    {"net_folded", "", "图元集 type=0 L=8\nselect faces 1 2 3 4 5 6\n展开图\nselect none\n", 3031,
     220},
    // Painted solids: the shapes' meshes, lit and blended by the preset they bring.
    {"painted_solids", "",
     "组件 kind=0 x=-8\n组件 kind=10\n组件 kind=12 x=8\n组件 kind=6 y=-8\n组件 kind=8 x=-8 y=-8 "
     "z=4\n"
     "组件 kind=7 x=8 y=8\n组件 kind=15 y=8\nselect none\n",
     0, 0},
    // The molecule, drawn as copies of one atom and one stick mesh.
    {"molecule", "", kMolecule, 0, 0},
    // The 3D title: its letters' flat fronts filled, holes and all.
    {"title_letters", "", kTitle, 0, 0},
    // Wire forms under the crystal preset: shaded point by point, with the two extra lights.
    {"lit_wires", "", kWiresUnderGlass, 0, 0},
    // A page component: the second page's prism drawn beside the first page's cube.
    {"page_component", "",
     "新建页\n图元集 type=2 L=6\n组装页\npage prev\n图元集 type=0 L=6\n"
     "组件 kind=26 component=1 x=9 y=-3\nselect none\n",
     0, 0},
};

class WebLessonTest : public testing::TestWithParam<LessonCase> {
protected:
    void SetUp() override {
        if (!GetParam().script) {
            return;
        }
        const QString script = dir.filePath(QStringLiteral("make.script"));
        ASSERT_TRUE(WriteScript(script, GetParam().script));
        const Finished made =
            RunCli({QStringLiteral("run"), script, QStringLiteral("-o"), Document()});
        ASSERT_EQ(made.code, 0) << made.errors.toStdString();
    }

    QString Document() const {
        if (GetParam().script) {
            return dir.filePath(QStringLiteral("made.plm"));
        }
        return QStringLiteral(VELNOR_EXAMPLES_DIR "/") + QString::fromUtf8(GetParam().example) +
               QStringLiteral(".plm");
    }
    bool IsDense() const { return GetParam().example[0] == '\0' && !GetParam().script; }
    QStringList Source() const {
        return IsDense() ? QStringList{QStringLiteral("--demo")} : QStringList{Document()};
    }

    QTemporaryDir dir;
    QString lesson = dir.filePath(QStringLiteral("lesson.html"));
};

// The browser's first frame is the program's picture of the page, no request leaves the file,
// and a click with ticks moves the points to where the program's own ticks move them.
TEST_P(WebLessonTest, OpensAsTheProgramDrawsAndAnimates) {
    const Finished exported = RunCli(QStringList{QStringLiteral("render")} + Source() +
                                     QStringList{QStringLiteral("-o"), lesson});
    ASSERT_EQ(exported.code, 0) << exported.errors.toStdString();
    // The examples and the dense page stay small; a page of many painted solids carries their
    // meshes and is larger.
    if (!GetParam().script) {
        EXPECT_LE(QFileInfo(lesson).size(), kLargestLesson);
    }

    const QString shot = QStringLiteral(VELNOR_SCREENSHOT_DIR "/web_") +
                         QString::fromLatin1(GetParam().name) + QStringLiteral(".png");
    const QJsonObject report = OpenInBrowser(lesson, {QStringLiteral("--shot"), shot});
    EXPECT_TRUE(report[QStringLiteral("webgl")].toBool());
    EXPECT_TRUE(report[QStringLiteral("requests")].toArray().isEmpty());
    EXPECT_TRUE(report[QStringLiteral("errors")].toArray().isEmpty())
        << QJsonDocument(report[QStringLiteral("errors")].toArray()).toJson().toStdString();

    const QString picture = dir.filePath(QStringLiteral("program.png"));
    const Finished rendered = RunCli(
        QStringList{QStringLiteral("render"), QStringLiteral("--page"), QStringLiteral("1")} +
        Source() +
        QStringList{QStringLiteral("--size"), QString::fromLatin1(kSize),
                    QStringLiteral("--projection"),
                    QString::number(report[QStringLiteral("projection")].toInt()),
                    QStringLiteral("-o"), picture});
    ASSERT_EQ(rendered.code, 0) << rendered.errors.toStdString();
    const QImage program(picture), browser(shot);
    ASSERT_EQ(program.size(), browser.size());
    EXPECT_GE(ShareNear(program, browser), kLeastShareNear);
    EXPECT_GE(ShareNear(browser, program), kLeastShareNear);

    const QJsonArray buttons = report[QStringLiteral("buttons")].toArray();
    if (buttons.isEmpty() || IsDense()) {
        return;
    }
    const QString key = QString::number(GetParam().button ? GetParam().button : buttons[0].toInt());
    const QString ticks = QString::number(GetParam().ticks);
    const QJsonObject pressed =
        OpenInBrowser(lesson, {QStringLiteral("--press"), key, QStringLiteral("--ticks"), ticks});
    const QString script = dir.filePath(QStringLiteral("press.script"));
    ASSERT_TRUE(
        WriteScript(script, QStringLiteral("press %1\ntick %2\n").arg(key, ticks).toUtf8()));
    const QString moved = dir.filePath(QStringLiteral("moved.plm"));
    const Finished run =
        RunCli({QStringLiteral("run"), Document(), script, QStringLiteral("-o"), moved});
    ASSERT_EQ(run.code, 0) << run.errors.toStdString();
    const QJsonObject expected = DumpedVertices(moved);
    EXPECT_NE(expected, report[QStringLiteral("vertices")].toObject())
        << "the button moved nothing";
    ExpectSamePoints(expected, pressed[QStringLiteral("pressedVertices")].toObject());
}

INSTANTIATE_TEST_SUITE_P(Examples, WebLessonTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The mean colour of the picture's pixels that are not black, the lit figures' background.
std::array<double, 3> MeanLitColour(const QImage& picture) {
    std::array<double, 3> sum{};
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qRed(p) + qGreen(p) + qBlue(p) > 0) {
                sum = {sum[0] + qRed(p), sum[1] + qGreen(p), sum[2] + qBlue(p)};
                ++count;
            }
        }
    }
    return {sum[0] / std::max(count, 1), sum[1] / std::max(count, 1), sum[2] / std::max(count, 1)};
}

// Lit solids take the colours the program's light gives them: the extra lights, the shading of
// wire forms point by point and the glass preset's adding of what lies behind.
TEST(WebLessonLightTest, LitSolidsHaveTheProgramsColours) {
    const std::pair<const char*, const char*> cases[] = {
        {"wire forms under glass", kWiresUnderGlass},
        {"molecule with the extra lights", kMolecule},
        {"title letters", kTitle},
    };
    constexpr double kLargestChannelGap = 16.0;
    for (const auto& [name, lines] : cases) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("make.script"));
        const QString document = dir.filePath(QStringLiteral("made.plm"));
        const QString lesson = dir.filePath(QStringLiteral("lesson.html"));
        const QString shot = dir.filePath(QStringLiteral("browser.png"));
        const QString picture = dir.filePath(QStringLiteral("program.png"));
        ASSERT_TRUE(WriteScript(script, lines));
        ASSERT_EQ(RunCli({QStringLiteral("run"), script, QStringLiteral("-o"), document}).code, 0);
        ASSERT_EQ(RunCli({QStringLiteral("render"), document, QStringLiteral("-o"), lesson}).code,
                  0);
        const QJsonObject report = OpenInBrowser(lesson, {QStringLiteral("--shot"), shot});
        ASSERT_EQ(RunCli({QStringLiteral("render"), document, QStringLiteral("--size"),
                          QString::fromLatin1(kSize), QStringLiteral("--projection"),
                          QString::number(report[QStringLiteral("projection")].toInt()),
                          QStringLiteral("-o"), picture})
                      .code,
                  0);
        const std::array<double, 3> browser = MeanLitColour(QImage(shot));
        const std::array<double, 3> program = MeanLitColour(QImage(picture));
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(browser[k], program[k], kLargestChannelGap) << "channel " << k;
        }
    }
}

// 下一页 shows the next page: its name and its points.
TEST(WebLessonPagingTest, NextShowsTheSecondPage) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("pages.script"));
    ASSERT_TRUE(WriteScript(script, "新建页\n图元集 type=0 L=8\n"));
    const QString document = dir.filePath(QStringLiteral("two.plm"));
    const QString lesson = dir.filePath(QStringLiteral("two.html"));
    ASSERT_EQ(
        RunCli({QStringLiteral("run"), QStringLiteral(VELNOR_EXAMPLES_DIR "/三棱锥的体积.plm"),
                script, QStringLiteral("-o"), document})
            .code,
        0);
    ASSERT_EQ(RunCli({QStringLiteral("render"), document, QStringLiteral("-o"), lesson}).code, 0);

    const QJsonObject report = OpenInBrowser(lesson, {QStringLiteral("--next")});
    EXPECT_EQ(report[QStringLiteral("pageCount")].toInt(), 2);
    EXPECT_TRUE(report[QStringLiteral("vertices")].toObject().contains(QStringLiteral("P")));
    const QJsonObject next = report[QStringLiteral("afterNext")].toObject();
    EXPECT_EQ(next[QStringLiteral("page")].toInt(), 2);
    EXPECT_EQ(next[QStringLiteral("shownName")].toString(), QStringLiteral(" 第二页 "));
    const QJsonObject vertices = next[QStringLiteral("vertices")].toObject();
    EXPECT_TRUE(vertices.contains(QStringLiteral("A1")));
    EXPECT_FALSE(vertices.contains(QStringLiteral("P")));
}

// A browser without WebGL says so in Chinese instead of showing an empty page.
TEST(WebLessonNoWebGlTest, SaysWhyNothingIsDrawn) {
    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("lesson.html"));
    ASSERT_EQ(
        RunCli({QStringLiteral("render"), QStringLiteral(VELNOR_EXAMPLES_DIR "/正方体中的角.plm"),
                QStringLiteral("-o"), lesson})
            .code,
        0);
    const QJsonObject report = OpenInBrowser(lesson, {QStringLiteral("--no-webgl")});
    EXPECT_FALSE(report[QStringLiteral("webgl")].toBool());
    EXPECT_EQ(report[QStringLiteral("message")].toString(),
              QStringLiteral("此浏览器不支持 WebGL，无法显示图形。"));
    EXPECT_TRUE(report[QStringLiteral("errors")].toArray().isEmpty());
}

}  // namespace
}  // namespace velnor::test
