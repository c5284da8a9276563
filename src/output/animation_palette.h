#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace velnor {

// One palette for every frame of an animation, so that a colour never shifts from one frame to
// the next. Frames are QImage::Format_RGB32.
class AnimationPalette {
public:
    static constexpr int kMaxColours = 256;

    // The frames' own colours when all of them together have no more than 256, in the order they
    // first appear; otherwise a median cut of the colours of all frames.
    static AnimationPalette Build(std::span<const QImage> frames);

    const std::vector<QRgb>& Colours() const { return m_colours; }
    bool IsExact() const { return !m_exact.empty(); }

    // The frame as palette indices, row after row: each pixel's own colour when the palette is
    // exact, the nearest colour otherwise.
    std::vector<uint8_t> Indices(const QImage& frame) const;

private:
    uint8_t IndexOf(QRgb colour) const;

    std::vector<QRgb> m_colours;
    std::unordered_map<QRgb, uint8_t> m_exact;
    std::vector<uint8_t> m_nearestByBin;  // for a quantised palette: 5 bits a channel
};

}  // namespace velnor
