// Draws the three start-up textures of the view: Img1.jpg a wood grain, Img2.jpg a marble and
// Img3.jpg a brick wall. Run by the build; the pictures are ours, made from smooth noise.
#include <QCoreApplication>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

constexpr int kSize = 256;

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double Lattice(int x, int y, int seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 static_cast<uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xffffff) / double(0x1000000);
}

// Value noise that wraps around every `period` lattice cells, so the textures tile.
double Noise(double x, double y, int period, int seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const auto at = [&](int i, int j) {
        return Lattice(((i % period) + period) % period, ((j % period) + period) % period, seed);
    };
    const double top = std::lerp(at(x0, y0), at(x0 + 1, y0), smooth(fx));
    const double bottom = std::lerp(at(x0, y0 + 1), at(x0 + 1, y0 + 1), smooth(fx));
    return std::lerp(top, bottom, smooth(fy));
}

// Several octaves of noise, in [0, 1).
double Turbulence(double u, double v, int seed) {
    double sum = 0, weight = 0.5, total = 0;
    for (int octave = 0, period = 4; octave < 5; ++octave, period *= 2, weight /= 2) {
        sum += weight * Noise(u * period, v * period, period, seed + octave);
        total += weight;
    }
    return sum / total;
}

QRgb Mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return qRgb(static_cast<int>(std::lerp(qRed(a), qRed(b), t)),
                static_cast<int>(std::lerp(qGreen(a), qGreen(b), t)),
                static_cast<int>(std::lerp(qBlue(a), qBlue(b), t)));
}

// u and v run over [0, 1) across the picture.
QImage Paint(const std::function<QRgb(double u, double v)>& colourAt) {
    QImage image(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            image.setPixel(x, y, colourAt(double(x) / kSize, double(y) / kSize));
        }
    }
    return image;
}

QRgb Wood(double u, double v) {
    // Rings around an axis along v, bent by noise; fine streaks along the grain.
    const double bend = Turbulence(u, v, 11) * 0.6;
    const double rings = std::fmod((std::abs(u - 0.5) + bend) * 9.0, 1.0);
    const double streaks = Noise(u * 64, v * 4, 64, 17);
    const QRgb light = qRgb(222, 178, 120), dark = qRgb(150, 96, 52);
    return Mix(Mix(light, dark, std::pow(rings, 2.5)), dark, streaks * 0.25);
}

QRgb Marble(double u, double v) {
    const double veins = std::sin((u + v + Turbulence(u, v, 23) * 1.8) * 3.14159265 * 4.0);
    const double t = std::pow(1.0 - std::abs(veins), 6.0);
    return Mix(Mix(qRgb(238, 236, 230), qRgb(205, 205, 212), Turbulence(u, v, 29)),
               qRgb(90, 96, 110), t);
}

QRgb Brick(double u, double v) {
    constexpr int kRows = 8, kColumns = 4;
    constexpr double kMortar = 0.06;  // of a brick's height
    const double row = v * kRows;
    const int rowIndex = static_cast<int>(row);
    const double column = u * kColumns + (rowIndex % 2) * 0.5;
    const double inRow = row - rowIndex, inColumn = column - std::floor(column);
    const bool mortar = inRow < kMortar || inColumn < kMortar / 2;
    const double grain = Turbulence(u, v, 31);
    if (mortar) {
        return Mix(qRgb(200, 196, 186), qRgb(160, 156, 148), grain);
    }
    const double tone = Lattice(static_cast<int>(std::floor(column)) % kColumns, rowIndex, 37);
    return Mix(Mix(qRgb(176, 72, 48), qRgb(140, 52, 36), tone), qRgb(96, 40, 30), grain * 0.5);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_textures OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool written = Paint(Wood).save(folder + "/Img1.jpg", "JPEG", 90) &&
                         Paint(Marble).save(folder + "/Img2.jpg", "JPEG", 90) &&
                         Paint(Brick).save(folder + "/Img3.jpg", "JPEG", 90);
    if (!written) {
        std::fprintf(stderr, "make_textures: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
