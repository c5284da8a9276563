#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <fstream>
#include <vector>

#include "gui/render_fixture.h"
#include "persistence/document_file.h"

namespace velnor::test {
namespace {

// Runs velnor-cli with `arguments`; returns its exit code and what it wrote to stderr.
std::pair<int, QString> RunCli(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(VELNOR_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

class RenderCommandTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // Two pages: an empty one, then the cube.
        auto empty = std::make_unique<CGpage>();
        auto cube = MakeCubePage();
        const CGpage* pages[] = {empty.get(), cube.get()};
        const CGlModel settings;
        const std::vector<uint8_t> bytes = EncodeDocumentFile({settings, 3, {}, pages, ""});
        std::ofstream(file.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("cube.plm"));
    QString out = QStringLiteral(VELNOR_SCREENSHOT_DIR "/cli_cube.png");
};

TEST_F(RenderCommandTest, DrawsTheChosenPageOfAFile) {
    const auto [code, errors] =
        RunCli({"render", file, "--page", "2", "--size", "800x600", "-o", out});
    ASSERT_EQ(code, 0) << errors.toStdString();
    const QImage image(out);
    ASSERT_EQ(image.size(), QSize(800, 600));
    EXPECT_GT(CountIn(image, 0, 0, 800, 600, IsLineGreen), 2000);
    EXPECT_GT(CountIn(image, 0, 0, 800, 600, IsLabelMagenta), 300);
}

TEST_F(RenderCommandTest, EmptyPageGivesAnEmptyPicture) {
    const QString empty = dir.filePath(QStringLiteral("empty.png"));
    const auto [code, errors] =
        RunCli({"render", file, "--page", "1", "--size", "320x200", "-o", empty});
    ASSERT_EQ(code, 0) << errors.toStdString();
    const QImage image(empty);
    EXPECT_EQ(CountIn(image, 0, 0, 320, 200, [](Pixel p) { return !IsBlack(p); }), 0);
}

TEST_F(RenderCommandTest, ThreeViewsAndProjectionsAreOptions) {
    const QString three = QStringLiteral(VELNOR_SCREENSHOT_DIR "/cli_cube_three_views.png");
    const auto [code, errors] =
        RunCli({"render", file, "--page", "2", "--size", "800x600", "--three-view", "-o", three});
    ASSERT_EQ(code, 0) << errors.toStdString();
    const QImage image(three);
    EXPECT_GT(CountIn(image, 0, 0, 400, 300, IsLineGreen), 300);
    const QString central = QStringLiteral(VELNOR_SCREENSHOT_DIR "/cli_cube_central.png");
    EXPECT_EQ(RunCli({"render", file, "--page", "2", "--size", "800x600", "--projection", "0", "-o",
                      central})
                  .first,
              0);
    EXPECT_NE(QImage(central), QImage(out));
}

TEST_F(RenderCommandTest, RefusesAPageThatIsNotThere) {
    const auto [code, errors] =
        RunCli({"render", file, "--page", "3", "--size", "80x60", "-o", dir.filePath("never.png")});
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("2 pages")));
}

TEST_F(RenderCommandTest, RefusesADamagedFile) {
    const QString damaged = dir.filePath(QStringLiteral("damaged.plm"));
    std::ofstream(damaged.toStdString(), std::ios::binary) << "not a document";
    const QString image = dir.filePath(QStringLiteral("never.png"));
    const auto [code, errors] =
        RunCli({"render", damaged, "--page", "1", "--size", "80x60", "-o", image});
    EXPECT_EQ(code, 1);
    EXPECT_FALSE(errors.isEmpty());
    EXPECT_FALSE(QImage(image).width() > 0);
}

TEST_F(RenderCommandTest, RefusesBadArguments) {
    EXPECT_EQ(RunCli({"render", file, "--size", "0x60", "-o", out}).first, 2);
    EXPECT_EQ(RunCli({"render", file, "--size", "80x60"}).first, 2);
    EXPECT_EQ(RunCli({"render", file, "--size", "80x60", "--projection", "3", "-o", out}).first, 2);
    // A picture is only ever PNG: a .jpg would get PNG bytes under a JPEG name.
    const QString jpeg = dir.filePath(QStringLiteral("picture.jpg"));
    EXPECT_EQ(RunCli({"render", file, "--size", "80x60", "-o", jpeg}).first, 2);
    EXPECT_FALSE(QFileInfo::exists(jpeg));
}

TEST_F(RenderCommandTest, VectorFormsFollowTheExtension) {
    for (const char* name : {"cli_cube.svg", "cli_cube.pdf"}) {
        SCOPED_TRACE(name);
        const QString vector = QStringLiteral(VELNOR_SCREENSHOT_DIR "/") + QString::fromUtf8(name);
        const auto [code, errors] =
            RunCli({"render", file, "--page", "2", "--size", "800x600", "-o", vector});
        ASSERT_EQ(code, 0) << errors.toStdString();
        QFile written(vector);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray head = written.read(5);
        EXPECT_TRUE(head == "<?xml" || head == "%PDF-") << head.toStdString();
    }
}

}  // namespace
}  // namespace velnor::test
