#include "output/gif_animation.h"

#include <QRect>

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "output/animation_palette.h"
#include "output/frame_change.h"

namespace velnor {

namespace {

// Readers show delays under 2 hundredths of a second as 10; faster animations are slowed to 50
// frames a second instead.
constexpr int kShortestDelay = 2;

// The palette padded to the 256 entries of an 8-bit colour table.
ColorMapObject* MakeColourMap(const std::vector<QRgb>& colours) {
    std::vector<GifColorType> table(AnimationPalette::kMaxColours);
    for (size_t i = 0; i < colours.size(); ++i) {
        table[i] = {static_cast<GifByteType>(qRed(colours[i])),
                    static_cast<GifByteType>(qGreen(colours[i])),
                    static_cast<GifByteType>(qBlue(colours[i]))};
    }
    return GifMakeMapObject(AnimationPalette::kMaxColours, table.data());
}

// The application extension that makes readers repeat the animation for ever.
bool PutLoopForEver(GifFileType* gif) {
    const GifByteType loops[] = {1, 0, 0};  // sub-block 1, count 0: no end
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") != GIF_ERROR &&
           EGifPutExtensionBlock(gif, 3, loops) != GIF_ERROR &&
           EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

// Each frame is drawn over the one before (no disposal), so what lies outside its rectangle or
// under its transparent pixels stays as it was.
bool PutFrameControl(GifFileType* gif, int delay, int transparentIndex) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delay;
    control.TransparentColor = transparentIndex;
    GifByteType bytes[4];
    const size_t length = EGifGCBToExtension(&control, bytes);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), bytes) !=
           GIF_ERROR;
}

// The rectangle of `indices` (a frame `width` pixels wide), pixels equal to those of `previous`
// replaced by the transparent index when there is one.
std::vector<GifByteType> CutOut(const std::vector<uint8_t>& indices,
                                const std::vector<uint8_t>* previous, int width, QRect rect,
                                int transparentIndex) {
    std::vector<GifByteType> pixels;
    pixels.reserve(static_cast<size_t>(rect.width()) * rect.height());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            const bool unchanged = previous && (*previous)[i] == indices[i];
            pixels.push_back(unchanged && transparentIndex != NO_TRANSPARENT_COLOR
                                 ? static_cast<GifByteType>(transparentIndex)
                                 : indices[i]);
        }
    }
    return pixels;
}

bool PutFrame(GifFileType* gif, const std::vector<GifByteType>& pixels, QRect rect) {
    if (EGifPutImageDesc(gif, rect.left(), rect.top(), rect.width(), rect.height(), false,
                         nullptr) == GIF_ERROR) {
        return false;
    }
    for (int y = 0; y < rect.height(); ++y) {
        auto* row = const_cast<GifByteType*>(&pixels[static_cast<size_t>(y) * rect.width()]);
        if (EGifPutLine(gif, row, rect.width()) == GIF_ERROR) {
            return false;
        }
    }
    return true;
}

// Hundredths of a second for a frame shown `milliseconds`.
int DelayOf(int milliseconds) {
    return std::max(kShortestDelay, static_cast<int>(std::lround(milliseconds / 10.0)));
}

// Puts `current` over `previous` (empty for the first frame), cut to where they differ.
bool PutChange(GifFileType* gif, const std::vector<uint8_t>& previous,
               const std::vector<uint8_t>& current, int width, int milliseconds,
               int transparentIndex) {
    if (previous.empty()) {
        const QRect whole(0, 0, width, static_cast<int>(current.size()) / width);
        return PutFrameControl(gif, DelayOf(milliseconds), NO_TRANSPARENT_COLOR) &&
               PutFrame(gif, CutOut(current, nullptr, width, whole, NO_TRANSPARENT_COLOR), whole);
    }
    const QRect rect = ChangedRect(previous, current, width);
    return PutFrameControl(gif, DelayOf(milliseconds), transparentIndex) &&
           PutFrame(gif, CutOut(current, &previous, width, rect, transparentIndex), rect);
}

// A run of equal frames goes out as one frame shown as long as the run lasts, as animated WebP
// does too.
bool PutFrames(GifFileType* gif, std::span<const QImage> frames, const AnimationPalette& palette,
               int frameMilliseconds) {
    const int width = frames.front().width();
    // A palette with a free entry lends it to the pixels a frame leaves as they were.
    const int transparentIndex = palette.Colours().size() < AnimationPalette::kMaxColours
                                     ? static_cast<int>(palette.Colours().size())
                                     : NO_TRANSPARENT_COLOR;
    std::vector<uint8_t> shown;
    std::vector<uint8_t> current = palette.Indices(frames.front());
    int milliseconds = frameMilliseconds;
    for (const QImage& frame : frames.subspan(1)) {
        std::vector<uint8_t> next = palette.Indices(frame);
        if (next == current) {
            milliseconds += frameMilliseconds;
            continue;
        }
        if (!PutChange(gif, shown, current, width, milliseconds, transparentIndex)) {
            return false;
        }
        shown = std::exchange(current, std::move(next));
        milliseconds = frameMilliseconds;
    }
    return PutChange(gif, shown, current, width, milliseconds, transparentIndex);
}

}  // namespace

GifFailure WriteGifAnimation(std::span<const QImage> frames, int frameMilliseconds,
                             QIODevice& device) {
    const AnimationPalette palette = AnimationPalette::Build(frames);
    return WriteGifWith(device, [&](GifFileType* gif) {
        EGifSetGifVersion(gif, true);
        ColorMapObject* map = MakeColourMap(palette.Colours());
        const bool screen =
            map && EGifPutScreenDesc(gif, frames.front().width(), frames.front().height(), 8, 0,
                                     map) != GIF_ERROR;
        GifFreeMapObject(map);
        return screen && PutLoopForEver(gif) && PutFrames(gif, frames, palette, frameMilliseconds);
    });
}

}  // namespace velnor
