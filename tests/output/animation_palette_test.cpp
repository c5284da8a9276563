#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <functional>
#include <vector>

#include "output/animation_palette.h"
#include "output/frame_change.h"

namespace velnor {
namespace {

// Frames of 16 × 16 pixels painted by `colourAt(frame, x, y)`.
std::vector<QImage> PaintFrames(int count, const std::function<QRgb(int, int, int)>& colourAt) {
    std::vector<QImage> frames;
    for (int f = 0; f < count; ++f) {
        QImage frame(16, 16, QImage::Format_RGB32);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                frame.setPixel(x, y, colourAt(f, x, y));
            }
        }
        frames.push_back(frame);
    }
    return frames;
}

int LargestChannelError(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

struct PaletteCase {
    const char* name;
    int frames;
    std::function<QRgb(int, int, int)> colourAt;
    bool exact;
    int largestError;  // how far a pixel may move to its palette colour
};

const PaletteCase kPaletteCases[] = {
    {"one colour", 3, [](int, int, int) { return qRgb(10, 20, 30); }, true, 0},
    // 256 distinct colours only when the frames are taken together.
    {"256 colours over two frames", 2,
     [](int f, int x, int y) { return qRgb(f * 128 + y % 8 * 16, x * 16, 7); }, true, 0},
    {"257 colours", 2,
     [](int f, int x, int y) {
         return f == 1 && x == 0 && y == 0 ? qRgb(255, 255, 255) : qRgb(y * 8, x * 16, 7);
     },
     false, 8},
    // A smooth shading of 768 greys and blues, as lit faces give.
    {"shaded", 3, [](int f, int x, int y) { return qRgb(x * 16, y * 16, f * 100); }, false, 24},
};

TEST(AnimationPalette, IsExactUpTo256ColoursAndCloseBeyond) {
    for (const PaletteCase& c : kPaletteCases) {
        SCOPED_TRACE(c.name);
        const std::vector<QImage> frames = PaintFrames(c.frames, c.colourAt);
        const AnimationPalette palette = AnimationPalette::Build(frames);
        EXPECT_EQ(palette.IsExact(), c.exact);
        ASSERT_LE(palette.Colours().size(), size_t{AnimationPalette::kMaxColours});
        int largestError = 0;
        for (const QImage& frame : frames) {
            const std::vector<uint8_t> indices = palette.Indices(frame);
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const QRgb shown = palette.Colours().at(indices[y * 16 + x]);
                    largestError =
                        std::max(largestError, LargestChannelError(shown, frame.pixel(x, y)));
                }
            }
        }
        EXPECT_LE(largestError, c.largestError);
    }
}

TEST(AnimationPalette, ARareColourKeepsASlotOfItsOwn) {
    // A label of a few pixels in a sea of shading must not turn into the shading.
    const std::vector<QImage> frames = PaintFrames(4, [](int f, int x, int y) {
        return f == 0 && x == 3 && y == 3 ? qRgb(255, 0, 255) : qRgb(x * 16, y * 16, f * 60);
    });
    const AnimationPalette palette = AnimationPalette::Build(frames);
    ASSERT_FALSE(palette.IsExact());
    const QRgb shown = palette.Colours().at(palette.Indices(frames[0])[3 * 16 + 3]);
    EXPECT_EQ(shown, qRgb(255, 0, 255));
}

struct ChangeCase {
    const char* name;
    std::vector<std::pair<int, int>> changed;  // pixels (x, y) of a 5 × 4 frame
    QRect rect;
};

TEST(FrameChange, TheRectangleHoldsEveryChangedPixelAndNoMore) {
    const ChangeCase cases[] = {
        {"no change", {}, QRect()},
        {"top left corner", {{0, 0}}, QRect(0, 0, 1, 1)},
        {"bottom right corner", {{4, 3}}, QRect(4, 3, 1, 1)},
        {"two far pixels", {{3, 0}, {1, 2}}, QRect(1, 0, 3, 3)},
        {"a whole row", {{0, 1}, {4, 1}}, QRect(0, 1, 5, 1)},
        {"first and last row", {{2, 0}, {2, 3}}, QRect(2, 0, 1, 4)},
    };
    const std::vector<uint8_t> before(20, 0);
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> after = before;
        for (const auto& [x, y] : c.changed) {
            after[y * 5 + x] = 9;
        }
        const QRect rect = ChangedRect(before, after, 5);
        EXPECT_EQ(rect.isEmpty(), c.rect.isEmpty());
        if (!c.rect.isEmpty()) {
            EXPECT_EQ(rect, c.rect);
        }
    }
}

}  // namespace
}  // namespace velnor
