#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QStringList>
#include <QTemporaryDir>

namespace velnor::test {
namespace {

struct ProgramRun {
    int code = -1;
    QString output;  // standard output
    QString errors;  // standard error
};

ProgramRun RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000)) {
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Example(const char* name) {
    return QStringLiteral(VELNOR_EXAMPLES_DIR "/") + QString::fromUtf8(name) +
           QStringLiteral(".plm");
}

// What a reader nobody here wrote sees in an animation file.
struct Animation {
    int frames = 0;
    QSize canvas;
    int milliseconds = 0;  // the whole run, all frame durations together
};

// ImageMagick: one line per frame with the canvas and the delay in hundredths of a second.
Animation ReadGif(const QString& path) {
    const ProgramRun run =
        RunProgram(QStringLiteral("identify"), {QStringLiteral("-format"), "%W %H %T\n", path});
    Animation animation;
    for (const QString& line : run.output.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(' ');
        animation.canvas = QSize(fields[0].toInt(), fields[1].toInt());
        animation.milliseconds += fields[2].toInt() * 10;
        ++animation.frames;
    }
    return animation;
}

// webpmux: the canvas, the frame count, and a row per frame whose seventh column is its duration.
Animation ReadWebp(const QString& path) {
    const ProgramRun run = RunProgram(QStringLiteral("webpmux"), {QStringLiteral("-info"), path});
    Animation animation;
    const QRegularExpressionMatch canvas =
        QRegularExpression(QStringLiteral("Canvas size: (\\d+) x (\\d+)")).match(run.output);
    if (canvas.hasMatch()) {
        animation.canvas = QSize(canvas.captured(1).toInt(), canvas.captured(2).toInt());
    }
    animation.frames = QRegularExpression(QStringLiteral("Number of frames: (\\d+)"))
                           .match(run.output)
                           .captured(1)
                           .toInt();
    const QRegularExpression row(QStringLiteral("^\\s*\\d+:((\\s+\\S+){6})"),
                                 QRegularExpression::MultilineOption);
    for (auto match = row.globalMatch(run.output); match.hasNext();) {
        animation.milliseconds +=
            match.next().captured(1).split(' ', Qt::SkipEmptyParts).last().toInt();
    }
    return animation;
}

struct Format {
    const char* extension;
    Animation (*read)(const QString& path);
};

class AnimationRenderTest : public testing::TestWithParam<Format> {
protected:
    // Records into a file of the format; the file's path.
    QString Record(const QString& document, const char* name, const QStringList& options) {
        const QString path = dir.filePath(QString::fromUtf8(name) + "." + GetParam().extension);
        const ProgramRun run =
            RunProgram(QStringLiteral(VELNOR_CLI), QStringList{"render", document, "--page", "1"} +
                                                       options + QStringList{"-o", path});
        EXPECT_EQ(run.code, 0) << run.errors.toStdString();
        return path;
    }

    QTemporaryDir dir;
};

TEST_P(AnimationRenderTest, TicksGiveFramesOfTheProgramsTiming) {
    const Animation animation =
        GetParam().read(Record(Example("正方体中的角"), "cube",
                               {"--press", "3024", "--ticks", "10", "--size", "200x150"}));
    EXPECT_EQ(animation.canvas, QSize(200, 150));
    // The first frame as pressed and one a tick, 40 ms each; equal neighbours become one.
    EXPECT_EQ(animation.milliseconds, 11 * 40);
    EXPECT_GE(animation.frames, 9);
    EXPECT_LE(animation.frames, 11);
    const Animation slow = GetParam().read(
        Record(Example("正方体中的角"), "slow",
               {"--press", "3024", "--ticks", "10", "--fps", "10", "--size", "200x150"}));
    EXPECT_EQ(slow.milliseconds, 11 * 100);
    EXPECT_EQ(slow.frames, animation.frames);
}

TEST_P(AnimationRenderTest, AWholeRunEndsWhereTheButtonStops) {
    // The rotate button's run is 52 ticks.
    const Animation turn = GetParam().read(
        Record(Example("正方体中的角"), "turn", {"--press", "3024", "--size", "160x120"}));
    EXPECT_EQ(turn.milliseconds, 53 * 40);
    // Folding the net is a series of rounds, one after another.
    const Animation fold = GetParam().read(
        Record(Example("正方体的展开图"), "fold", {"--press", "3031", "--size", "320x240"}));
    EXPECT_EQ(fold.canvas, QSize(320, 240));
    EXPECT_GT(fold.milliseconds, turn.milliseconds);
    EXPECT_EQ(fold.milliseconds % 40, 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, AnimationRenderTest,
                         testing::Values(Format{"gif", ReadGif}, Format{"webp", ReadWebp}),
                         [](const auto& info) { return std::string(info.param.extension); });

TEST(AnimationRender, RefusalsExitWithTwoAndWriteNothing) {
    struct Refusal {
        const char* example;
        QStringList options;
        const char* says;  // part of the message; empty for the usage text
    };
    const Refusal refusals[] = {
        {"正方体中的角", {"--press", "3099", "--size", "80x60"}, "没有编号为 3099 的按钮"},
        {"异面直线", {"--press", "3024", "--size", "80x60"}, "没有按钮"},
        {"正方体中的角", {"--press", "3024", "--size", "80x0"}, ""},
        {"正方体中的角", {"--press", "3024", "--size", "80x60", "--ticks", "0"}, ""},
        {"正方体中的角", {"--size", "80x60"}, ""},  // an animation needs a press
    };
    const QTemporaryDir dir;
    for (const Refusal& refusal : refusals) {
        for (const char* name : {"never.gif", "never.webp"}) {
            SCOPED_TRACE(std::string(refusal.example) + " " + name + " " +
                         refusal.options.join(' ').toStdString());
            const QString path = dir.filePath(name);
            const ProgramRun run =
                RunProgram(QStringLiteral(VELNOR_CLI),
                           QStringList{"render", Example(refusal.example), "--page", "1"} +
                               refusal.options + QStringList{"-o", path});
            EXPECT_EQ(run.code, 2);
            EXPECT_TRUE(run.errors.contains(QString::fromUtf8(refusal.says)))
                << run.errors.toStdString();
            EXPECT_FALSE(QFileInfo::exists(path));
        }
    }
}

}  // namespace
}  // namespace velnor::test
