#include <gtest/gtest.h>

#include <QImageReader>
#include <QTemporaryDir>

#include <gif_lib.h>

#include <vector>

#include "output/animation_files.h"

namespace velnor {
namespace {

// A square crossing a dark frame above a line that stays. Flat, it has three colours; shaded, each
// of its pixels changes colour from frame to frame, hundreds in all.
std::vector<QImage> SlidingSquare(int count, bool shaded) {
    std::vector<QImage> frames;
    for (int f = 0; f < count; ++f) {
        QImage frame(64, 48, QImage::Format_RGB32);
        frame.fill(qRgb(0, 0, 0));
        for (int x = 0; x < 64; ++x) {
            frame.setPixel(x, 40, qRgb(0, 255, 0));
        }
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 12; ++x) {
                frame.setPixel(10 + 4 * f + x, 10 + y,
                               shaded ? qRgb(40 + 15 * x, 10 * y + 30 * f, 200) : qRgb(200, 60, 60));
            }
        }
        frames.push_back(frame);
    }
    return frames;
}

int LargestChannelError(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

struct RoundTrip {
    const char* file;
    bool shaded;
    int largestError;  // 0: every frame comes back exactly
};

// Written, read back by Qt's own readers, which put each frame together over the one before.
TEST(AnimationFiles, FramesComeBackWholeFromAReader) {
    const RoundTrip cases[] = {
        {"flat.gif", false, 0},
        {"flat.webp", false, 0},
        {"shaded.WEBP", true, 0},  // lossless whatever the colours
        {"shaded.gif", true, 16},
    };
    const QTemporaryDir dir;
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<QImage> frames = SlidingSquare(6, c.shaded);
        const QString path = dir.filePath(c.file);
        ASSERT_TRUE(IsAnimationPath(path));
        ASSERT_EQ(WriteAnimationFile(path, frames, 40), QString());
        QImageReader reader(path);
        ASSERT_TRUE(reader.supportsAnimation()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.imageCount(), 6);
        for (const QImage& frame : frames) {
            const QImage read = reader.read();
            ASSERT_EQ(read.size(), frame.size()) << reader.errorString().toStdString();
            EXPECT_LE(LargestChannelError(read, frame), c.largestError);
            EXPECT_EQ(reader.nextImageDelay(), 40);
        }
    }
}

// Every frame after the first carries only the rectangle where the square moved; a frame that
// repeats the one before lengthens it instead.
TEST(AnimationFiles, GifFramesAfterTheFirstAreCutAndRepeatsJoined) {
    const QTemporaryDir dir;
    const QString path = dir.filePath("cut.gif");
    std::vector<QImage> frames = SlidingSquare(3, false);
    frames.insert(frames.begin() + 1, frames[1]);
    ASSERT_EQ(WriteAnimationFile(path, frames, 40), QString());
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    ASSERT_EQ(gif->ImageCount, 3);
    EXPECT_EQ(gif->SavedImages[0].ImageDesc.Width, 64);
    const int delays[] = {4, 8, 4};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        GraphicsControlBlock control;
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, delays[i]);
        if (i > 0) {
            const GifImageDesc& cut = gif->SavedImages[i].ImageDesc;
            EXPECT_EQ(QRect(cut.Left, cut.Top, cut.Width, cut.Height),
                      QRect(10 + 4 * (i - 1), 10, 16, 12));
        }
    }
    DGifCloseFile(gif, &error);
}

}  // namespace
}  // namespace velnor
