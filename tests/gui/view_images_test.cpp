#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "commands/script_interpreter.h"
#include "model/bit_text.h"
#include "model/display_presets.h"
#include "model/document.h"
#include "model/gl_model.h"
#include "shell/input_line.h"
#include "shell/main_frame.h"
#include "support/recording_messages.h"
#include "view/images/bitmap_from_pixels.h"
#include "view/images/clipboard_bitmap.h"
#include "view/images/image_files.h"
#include "view/plom_view.h"

namespace velnor::test {
namespace {

// A picture with distinct corners, so flips and channel swaps show.
QImage Corners(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 80, 120));
    image.setPixel(0, 0, qRgb(255, 0, 0));                   // top left red
    image.setPixel(0, height - 1, qRgb(0, 0, 255));          // bottom left blue
    image.setPixel(width - 1, height - 1, qRgb(0, 255, 0));  // bottom right green
    return image;
}

QImage Grey(int width, int height, int value) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(qRgb(value, value, value));
    return image;
}

struct FormatCase {
    const char* file;
    QImage image;
    bool exactColours;  // lossy formats only keep colours roughly
};

class ImageFilesTest : public testing::Test {
protected:
    QString Path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder;
    RecordingMessages messages;
};

TEST_F(ImageFilesTest, EveryReadableFormatLoadsBottomUpInRgbOrder) {
    const QImage corners = Corners(13, 7);
    const FormatCase cases[] = {
        {"a.bmp", corners, true},
        {"a.dib", corners, true},
        {"a.png", corners, true},
        {"a.tif", corners, true},
        {"a.jpg", Grey(13, 7, 128), false},
        {"palette.png", corners.convertToFormat(QImage::Format_Indexed8), true},
        {"palette.bmp", corners.convertToFormat(QImage::Format_Indexed8), true},
        {"grey.png", Grey(13, 7, 77), true},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = Path(c.file);
        const QByteArray format = QString(c.file).endsWith(".dib") ? "BMP" : QByteArray();
        ASSERT_TRUE(c.image.save(path, format.isEmpty() ? nullptr : format.constData()));
        const auto pixels = LoadImageFile(path);
        ASSERT_TRUE(pixels.has_value());
        EXPECT_EQ(pixels->width, 13);
        EXPECT_EQ(pixels->height, 7);
        EXPECT_EQ(pixels->bytes.size(), size_t(PixelBuffer::RowSize(13) * 7));
        const QRgb expected = c.image.pixel(0, 6);  // the bottom-left pixel is the first
        const uint8_t* first = pixels->Pixel(0, 0);
        if (c.exactColours) {
            EXPECT_EQ(qRgb(first[0], first[1], first[2]), expected | 0xff000000);
        } else {
            EXPECT_NEAR(first[0], qRed(expected), 8);
        }
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(ImageFilesTest, AGifWrittenByUsReadsBackWithItsColours) {
    const QString few = Path("few.gif");
    ASSERT_TRUE(SaveImageFile(Corners(20, 10), few));
    const QImage back(few);
    ASSERT_EQ(back.size(), QSize(20, 10));
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(back.pixel(19, 9), qRgb(0, 255, 0));
    EXPECT_EQ(back.pixel(5, 5), qRgb(40, 80, 120));

    // More colours than a palette holds: near enough.
    QImage gradient(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            gradient.setPixel(x, y, qRgb(x * 4, y * 4, 128));
        }
    }
    const QString many = Path("many.gif");
    ASSERT_TRUE(SaveImageFile(gradient, many));
    const QImage near(many);
    ASSERT_EQ(near.size(), QSize(64, 64));
    EXPECT_NEAR(qRed(near.pixel(40, 10)), 160, 24);
    EXPECT_NEAR(qGreen(near.pixel(40, 10)), 40, 24);
}

TEST_F(ImageFilesTest, DamagedFilesAreRefusedWithTheLoadMessage) {
    QFile file(Path("damaged.png"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n not really");
    file.close();
    EXPECT_FALSE(LoadImageFile(file.fileName()).has_value());
    EXPECT_FALSE(LoadImageFile(Path("missing.bmp")).has_value());
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_TRUE(messages.texts[0].starts_with("装入图象失败:\n"));
}

TEST_F(ImageFilesTest, AFailedSaveSaysSoAndKeepsTheOldFile) {
    EXPECT_FALSE(SaveImageFile(Corners(4, 4), Path("no/such/folder/a.png")));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].starts_with("Save image failed:\n"));
    // Then why, in the words of the rest of the program.
    EXPECT_TRUE(messages.texts[0].ends_with("a.png：文件或文件夹不存在"))
        << messages.texts[0];
}

TEST(BitmapFromPixelsTest, DarkPixelsBecomeSetBitsInPaddedRows) {
    struct Case {
        int grey;
        uint8_t fullByte;
    };
    for (const Case c : {Case{191, 0xff}, Case{192, 0x00}, Case{255, 0x00}, Case{0, 0xff}}) {
        SCOPED_TRACE(c.grey);
        const std::vector<uint8_t> bits = BitmapFromPixels(PixelsFromImage(Grey(33, 3, c.grey)));
        ASSERT_EQ(bits.size(), 8u * 3);  // 33 pixels take two 32-bit words a row
        for (int row = 0; row < 3; ++row) {
            const uint8_t* r = &bits[row * 8];
            EXPECT_TRUE(std::all_of(r, r + 4, [&](uint8_t b) { return b == c.fullByte; }));
            EXPECT_EQ(r[4], c.fullByte & 0x80);  // pixel 32 only
            EXPECT_TRUE(std::all_of(r + 5, r + 8, [](uint8_t b) { return b == 0; }));
        }
    }
}

TEST(ClipboardBitmapTest, OnlyThirtyTwoBitBitmapsArePasted) {
    RecordingMessages messages;
    QMimeData deep, shallow, text;
    deep.setImageData(Corners(6, 4).convertToFormat(QImage::Format_ARGB32));
    shallow.setImageData(Corners(6, 4).convertToFormat(QImage::Format_RGB888));
    text.setText(QStringLiteral("不是图"));
    QByteArray bmp24;
    QBuffer buffer(&bmp24);
    buffer.open(QIODevice::WriteOnly);
    Corners(6, 4).convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    QMimeData shallowBmp;
    shallowBmp.setData(QStringLiteral("image/bmp"), bmp24);

    const auto pasted = PasteBitmap(&deep);
    ASSERT_TRUE(pasted.has_value());
    EXPECT_EQ(pasted->width, 6);
    EXPECT_FALSE(PasteBitmap(&shallow).has_value());
    EXPECT_FALSE(PasteBitmap(&shallowBmp).has_value());
    EXPECT_FALSE(PasteBitmap(&text).has_value());
    EXPECT_FALSE(PasteBitmap(nullptr).has_value());
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"图象格式不合,不能完成粘贴!", "图象格式不合,不能完成粘贴!",
                                        "无法取得剪贴板数据,不能完成粘贴! ", "不能打开剪贴板!"}));
}

// The answer is kept between questions, so it must follow every change of the clipboard.
TEST(ClipboardBitmapTest, TheKeptAnswerFollowsTheClipboard) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("文字"));
    EXPECT_FALSE(ClipboardHoldsBitmap());
    clipboard.setImage(Corners(6, 4).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(ClipboardHoldsBitmap());
    EXPECT_TRUE(ClipboardHoldsBitmap());
    clipboard.clear();
    EXPECT_FALSE(ClipboardHoldsBitmap());
}

// The view with an image of its own, for what needs OpenGL and the mouse.
class ViewImageTest : public testing::Test {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        view = std::make_unique<CPlomView>(doc.Settings());
        view->resize(640, 480);
        view->Tools().SetDocument(&doc);
        view->SetPage(&doc.CurrentPage());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        ASSERT_TRUE(Corners(200, 100).save(folder.filePath("photo.png")));
        ASSERT_TRUE(images().Open(folder.filePath("photo.png")));
    }
    ImageCommands& images() { return view->Images(); }
    CViewImage& image() { return images().Image(); }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mousePress(view.get(), Qt::LeftButton, modifiers, from);
        QTest::mouseMove(view.get(), to);
        QTest::mouseRelease(view.get(), Qt::LeftButton, modifiers, to);
    }

    CPlomDoc doc;
    std::unique_ptr<CPlomView> view;
    QTemporaryDir folder;
    RecordingMessages messages;
};

TEST_F(ViewImageTest, AnOpenedImageIsCentredAndDrawnBehindTheScene) {
    EXPECT_TRUE(image().m_bShowImage);
    EXPECT_EQ(image().m_ptImg, QPoint(220, 190));
    const QImage frame = view->grabFramebuffer();
    frame.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/image_behind_scene.png"));
    EXPECT_EQ(frame.pixel(320, 240) & 0xffffff, qRgb(40, 80, 120) & 0xffffff);
    EXPECT_EQ(frame.pixel(220, 290 - 1) & 0xffffff, qRgb(0, 0, 255) & 0xffffff);
}

TEST_F(ViewImageTest, MovingTheImageIsClampedWhateverTheWindow) {
    images().ToggleMove();
    Drag({300, 300}, {300 + 2000, 300 + 50});
    EXPECT_EQ(image().m_ptImg, QPoint(CViewImage::kMaxX, 140));
    Drag({300, 300}, {300 - 3000, 300 - 3000});
    EXPECT_EQ(image().m_ptImg, QPoint(0, CViewImage::kMaxY));
}

TEST_F(ViewImageTest, TheRegionFollowsThePressAndTheDragAndKeepsTheAspectWithShift) {
    images().SetRegionSize(100, 60);
    EXPECT_TRUE(image().m_bRegion);
    EXPECT_EQ(image().Region().left, 270);
    EXPECT_EQ(image().Region().top, 210);
    QString status;
    images().SetRegionStatusSink([&](const QString& text) { status = text; });
    Drag({50, 40}, {130, 100});
    EXPECT_EQ(image().Region().left, 50);
    EXPECT_EQ(image().Region().right, 130);
    EXPECT_EQ(status, QStringLiteral("w =  80,h =  60"));
    images().SetAspectLock(true);
    EXPECT_EQ(image().Region().Width(), 120);  // the loaded image is twice as wide as high
    images().SetAspectLock(false);
    view->grabFramebuffer().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/image_region.png"));
}

TEST_F(ViewImageTest, ScalingFillsTheRegionAndCroppingDrawsOnlyInside) {
    images().SetRegionSize(100, 50);
    Drag({10, 20}, {110, 70});
    images().ScaleIntoRegion();
    EXPECT_EQ(image().Displayed().width, 100);
    EXPECT_EQ(image().Displayed().height, 50);
    EXPECT_EQ(image().m_ptImg, QPoint(10, 480 - 70));
    images().ToggleCrop();
    EXPECT_FALSE(image().m_bRegion);
    const QImage frame = view->grabFramebuffer();
    EXPECT_EQ(frame.pixel(60, 45) & 0xffffff, qRgb(40, 80, 120) & 0xffffff);
    EXPECT_EQ(frame.pixel(320, 240) & 0xffffff, 0u);  // outside the box nothing is drawn
    images().Restore();
    EXPECT_FALSE(image().m_bCrop);
    EXPECT_EQ(image().Displayed().width, 200);
}

TEST_F(ViewImageTest, TheRegionSavesInEveryFormatAtItsSize) {
    images().SetRegionSize(64, 48);
    for (const char* name : {"r.bmp", "r.jpg", "r.gif", "r.png"}) {
        SCOPED_TRACE(name);
        const QString path = folder.filePath(name);
        ASSERT_TRUE(images().SaveRegion(path));
        EXPECT_EQ(QImageReader(path).size(), QSize(64, 48));
    }
    EXPECT_TRUE(image().m_bRegion);  // switched off only while the picture was taken
}

TEST_F(ViewImageTest, ConvertingToABitmapAddsOneUndoableTextAndClosesTheImage) {
    images().ConvertToBitmap(doc);
    EXPECT_FALSE(image().HasImage());
    ASSERT_EQ(doc.CurrentPage().m_solids.size(), 1u);
    const auto* text =
        dynamic_cast<const CBitText*>(doc.CurrentPage().m_solids.begin()->second.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_nWidth, 200);
    EXPECT_EQ(text->m_nHeight, 100);
    ASSERT_NE(doc.CommandProcessor().Current(), nullptr);
    EXPECT_EQ(doc.CommandProcessor().Current()->GetName(), "添加文本");
    doc.CommandProcessor().Undo();
    EXPECT_TRUE(doc.CurrentPage().m_solids.empty());
    images().ConvertToBitmap(doc);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"请先打开或粘贴一幅图象!"});
}

TEST_F(ViewImageTest, ADamagedFileRemovesTheCurrentImage) {
    QFile file(folder.filePath("bad.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xff\xd8\xff garbage");
    file.close();
    EXPECT_FALSE(images().Open(file.fileName()));
    EXPECT_FALSE(image().HasImage());
    EXPECT_FALSE(image().m_bShowImage);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].starts_with("装入图象失败"));
}

TEST_F(ViewImageTest, StartingAnAnimationEndsTheRegionSelection) {
    images().ToggleRegion();
    view->StartStop();
    EXPECT_FALSE(image().m_bRegion);
    view->StartStop();
}

}  // namespace
}  // namespace velnor::test

namespace velnor::test {
namespace {

// A landscape with a sky, a sun and hills, standing in for a photo from a textbook.
QImage Landscape(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double hill =
                height * (0.62 + 0.08 * std::sin(x * 0.018) + 0.04 * std::sin(x * 0.05));
            const double sun = std::hypot(x - width * 0.78, y - height * 0.22);
            QRgb colour = qRgb(90 + y * 100 / height, 150 + y * 80 / height, 230);
            if (sun < height * 0.08) {
                colour = qRgb(255, 230, 120);
            }
            if (y > hill) {
                colour = qRgb(60, 120 + (y * 7 + x) % 30, 50);
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// The window with a cube figure and solids, a photo behind them, a selected region and textured
// solids, saved for a person to look at.
TEST(ImageScreenshots, PhotoBehindACubeRegionAndTexturedSolids) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    frame.resize(1600, 1000);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    std::ostringstream out;
    ScriptInterpreter script(frame.Document(), out);
    std::istringstream lines(
        "图元集 type=0 L=8\n组件 kind=0 x=9 y=0 z=3 sx=3 sy=3 sz=3\n"
        "组件 kind=6 x=-9 y=0 z=0 sx=2 sy=2 sz=5\n");
    script.Run(lines);
    QTemporaryDir folder;
    ASSERT_TRUE(Landscape(900, 600).save(folder.filePath("photo.jpg")));
    CPlomView& view = frame.View();
    ASSERT_TRUE(view.Images().Open(folder.filePath("photo.jpg")));
    QTest::qWait(100);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/image_photo_behind_cube.png"));

    view.Images().SetRegionSize(400, 300);
    QTest::qWait(50);
    frame.grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/image_selected_region.png"));
    view.Images().Close();

    view.ApplyPreset(kPresetTextured);
    QTest::qWait(100);
    const QImage textured = view.grabFramebuffer();
    textured.save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/image_textured_solids.png"));
    EXPECT_EQ(out.str().find("message:"), std::string::npos) << out.str();
}

}  // namespace
}  // namespace velnor::test

namespace velnor::test {
namespace {

// The image commands take the values of a typed or scripted line in place of their dialogs.
TEST(ImageScriptValues, FilesAndTheRegionSizeComeFromTheLine) {
    QStandardPaths::setTestModeEnabled(true);
    CMainFrame frame;
    frame.resize(1400, 900);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QTemporaryDir folder;
    ASSERT_TRUE(Corners(300, 200).save(folder.filePath("photo.png")));
    const auto enter = [&](const QString& text) {
        frame.Input().Edit().setText(text);
        QTest::keyClick(&frame.Input().Edit(), Qt::Key_Return);
        QApplication::processEvents();
        return !frame.Input().NoteIsError();
    };
    const CViewImage& image = frame.View().Images().Image();

    EXPECT_TRUE(enter("打开图象 file=" + folder.filePath("photo.png")));
    EXPECT_EQ(image.Loaded().width, 300);
    EXPECT_TRUE(enter("设置区域 width=120 height=90"));
    EXPECT_TRUE(image.m_bRegion);
    EXPECT_TRUE(enter("保存截图 file=" + folder.filePath("cut")));
    EXPECT_EQ(QImageReader(folder.filePath("cut.bmp")).size(), QSize(120, 90));
    EXPECT_TRUE(enter("另存为 file=" + folder.filePath("view.png")));
    EXPECT_EQ(QImageReader(folder.filePath("view.png")).size(), frame.View().size());
    EXPECT_TRUE(enter("打印 file=" + folder.filePath("sheet.pdf")));
    EXPECT_TRUE(QFileInfo(folder.filePath("sheet.pdf")).size() > 0);

    EXPECT_FALSE(enter("设置区域 width=0 height=90"));
    EXPECT_TRUE(frame.Input().Note().contains(QStringLiteral("介于 1 和 8192 之间")));
    EXPECT_FALSE(enter("打开图象 file=" + folder.filePath("missing.png")));
    EXPECT_FALSE(image.HasImage());
}

}  // namespace
}  // namespace velnor::test
