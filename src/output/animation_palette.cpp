#include "output/animation_palette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace velnor {

namespace {

// A quantised palette works on colours cut to 5 bits a channel: 32768 bins, each remembering how
// many pixels fell into it and the sum of their true colours.
constexpr int kBinBits = 5;
constexpr int kBins = 1 << (3 * kBinBits);

int BinOf(QRgb colour) {
    constexpr int drop = 8 - kBinBits;
    return ((qRed(colour) >> drop) << (2 * kBinBits)) | ((qGreen(colour) >> drop) << kBinBits) |
           (qBlue(colour) >> drop);
}

struct Bin {
    uint64_t count = 0;
    std::array<uint64_t, 3> sums{};

    int Mean(int channel) const { return static_cast<int>(sums[channel] / count); }
};

int Channel(QRgb colour, int channel) {
    return channel == 0 ? qRed(colour) : channel == 1 ? qGreen(colour) : qBlue(colour);
}

// Calls `visit` for each pixel of every frame, skipping repeats of the pixel before it: rendered
// frames are mostly long runs of background.
template <typename Visit>
bool ForEachColourRun(std::span<const QImage> frames, Visit visit) {
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            std::optional<QRgb> previous;
            for (int x = 0; x < frame.width(); ++x) {
                if (row[x] != previous) {
                    previous = row[x];
                    if (!visit(row[x])) {
                        return false;
                    }
                }
            }
        }
    }
    return true;
}

// The distinct colours of the frames, or nothing when there are more than a palette holds.
std::optional<std::vector<QRgb>> DistinctColours(std::span<const QImage> frames) {
    std::unordered_map<QRgb, bool> seen;
    std::vector<QRgb> colours;
    const bool fits = ForEachColourRun(frames, [&](QRgb colour) {
        const QRgb opaque = colour | 0xff000000u;
        if (seen.try_emplace(opaque, true).second) {
            colours.push_back(opaque);
        }
        return colours.size() <= AnimationPalette::kMaxColours;
    });
    return fits ? std::optional(colours) : std::nullopt;
}

std::vector<Bin> Histogram(std::span<const QImage> frames) {
    std::vector<Bin> bins(kBins);
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                Bin& bin = bins[BinOf(row[x])];
                ++bin.count;
                bin.sums[0] += qRed(row[x]);
                bin.sums[1] += qGreen(row[x]);
                bin.sums[2] += qBlue(row[x]);
            }
        }
    }
    return bins;
}

// A box of the median cut: the non-empty bins it holds.
using Box = std::vector<int>;

// The channel along which the box's colours spread most, and how far.
std::pair<int, int> WidestChannel(const Box& box, const std::vector<Bin>& bins) {
    std::pair<int, int> widest{0, -1};
    for (int channel = 0; channel < 3; ++channel) {
        const auto [low, high] = std::minmax_element(box.begin(), box.end(), [&](int a, int b) {
            return bins[a].Mean(channel) < bins[b].Mean(channel);
        });
        const int spread = bins[*high].Mean(channel) - bins[*low].Mean(channel);
        if (spread > widest.second) {
            widest = {channel, spread};
        }
    }
    return widest;
}

// Splits the box at the pixel-weighted median of its widest channel.
std::pair<Box, Box> Split(Box box, const std::vector<Bin>& bins) {
    const int channel = WidestChannel(box, bins).first;
    std::sort(box.begin(), box.end(),
              [&](int a, int b) { return bins[a].Mean(channel) < bins[b].Mean(channel); });
    uint64_t total = 0;
    for (int bin : box) {
        total += bins[bin].count;
    }
    uint64_t below = 0;
    size_t cut = 1;
    while (cut < box.size() - 1 && below + bins[box[cut - 1]].count < total / 2) {
        below += bins[box[cut - 1]].count;
        ++cut;
    }
    return {Box(box.begin(), box.begin() + static_cast<long>(cut)),
            Box(box.begin() + static_cast<long>(cut), box.end())};
}

// Median cut: the box with the widest spread splits until the palette is full or every box
// holds one bin.
std::vector<Box> MedianCut(const std::vector<Bin>& bins) {
    std::vector<Box> boxes(1);
    for (int bin = 0; bin < kBins; ++bin) {
        if (bins[bin].count > 0) {
            boxes[0].push_back(bin);
        }
    }
    while (boxes.size() < AnimationPalette::kMaxColours) {
        auto widest = boxes.end();
        int widestSpread = 0;
        for (auto box = boxes.begin(); box != boxes.end(); ++box) {
            if (box->size() > 1) {
                const int spread = WidestChannel(*box, bins).second;
                if (widest == boxes.end() || spread > widestSpread) {
                    widest = box;
                    widestSpread = spread;
                }
            }
        }
        if (widest == boxes.end()) {
            break;
        }
        auto [first, second] = Split(std::move(*widest), bins);
        *widest = std::move(first);
        boxes.push_back(std::move(second));
    }
    return boxes;
}

QRgb MeanColour(const Box& box, const std::vector<Bin>& bins) {
    Bin sum;
    for (int bin : box) {
        sum.count += bins[bin].count;
        for (int channel = 0; channel < 3; ++channel) {
            sum.sums[channel] += bins[bin].sums[channel];
        }
    }
    return qRgb(sum.Mean(0), sum.Mean(1), sum.Mean(2));
}

int DistanceSquared(QRgb a, const Bin& bin) {
    int distance = 0;
    for (int channel = 0; channel < 3; ++channel) {
        const int d = Channel(a, channel) - bin.Mean(channel);
        distance += d * d;
    }
    return distance;
}

uint8_t Nearest(const std::vector<QRgb>& colours, const Bin& bin) {
    int best = 0, bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < colours.size(); ++i) {
        const int distance = DistanceSquared(colours[i], bin);
        if (distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return static_cast<uint8_t>(best);
}

}  // namespace

AnimationPalette AnimationPalette::Build(std::span<const QImage> frames) {
    AnimationPalette palette;
    if (std::optional<std::vector<QRgb>> distinct = DistinctColours(frames)) {
        palette.m_colours = std::move(*distinct);
        for (size_t i = 0; i < palette.m_colours.size(); ++i) {
            palette.m_exact[palette.m_colours[i]] = static_cast<uint8_t>(i);
        }
        return palette;
    }
    const std::vector<Bin> bins = Histogram(frames);
    for (const Box& box : MedianCut(bins)) {
        palette.m_colours.push_back(MeanColour(box, bins));
    }
    palette.m_nearestByBin.resize(kBins);
    for (int bin = 0; bin < kBins; ++bin) {
        if (bins[bin].count > 0) {
            palette.m_nearestByBin[bin] = Nearest(palette.m_colours, bins[bin]);
        }
    }
    return palette;
}

uint8_t AnimationPalette::IndexOf(QRgb colour) const {
    if (m_exact.empty()) {
        return m_nearestByBin[BinOf(colour)];
    }
    return m_exact.at(colour | 0xff000000u);
}

std::vector<uint8_t> AnimationPalette::Indices(const QImage& frame) const {
    std::vector<uint8_t> indices(static_cast<size_t>(frame.width()) * frame.height());
    auto index = indices.begin();
    for (int y = 0; y < frame.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        std::optional<QRgb> previous;
        uint8_t previousIndex = 0;
        for (int x = 0; x < frame.width(); ++x, ++index) {
            if (row[x] != previous) {
                previous = row[x];
                previousIndex = IndexOf(row[x]);
            }
            *index = previousIndex;
        }
    }
    return indices;
}

}  // namespace velnor
