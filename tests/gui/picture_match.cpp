#include "gui/picture_match.h"

#include <QHash>

#include <cstdlib>
#include <vector>

namespace velnor::test {

namespace {

QRgb MostCommonColour(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y) | 0xff000000u];
        }
    }
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return most;
}

// Row by row, whether each pixel is drawn.
class DrawnPixels {
public:
    explicit DrawnPixels(const QImage& image)
        : m_width(image.width()),
          m_height(image.height()),
          m_drawn(static_cast<size_t>(m_width * m_height)) {
        const QRgb background = MostCommonColour(image);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const QRgb p = image.pixel(x, y);
                const int difference = std::abs(qRed(p) - qRed(background)) +
                                       std::abs(qGreen(p) - qGreen(background)) +
                                       std::abs(qBlue(p) - qBlue(background));
                m_drawn[static_cast<size_t>(y * m_width + x)] = difference > 60;
            }
        }
    }

    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height &&
               m_drawn[static_cast<size_t>(y * m_width + x)];
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    int m_width, m_height;
    std::vector<bool> m_drawn;
};

}  // namespace

double ShareNear(const QImage& a, const QImage& b) {
    const DrawnPixels inA(a), inB(b);
    int drawn = 0, near = 0;
    for (int y = 2; y < inA.Height() - 2; ++y) {
        for (int x = 2; x < inA.Width() - 2; ++x) {
            if (!inA.At(x, y)) {
                continue;
            }
            ++drawn;
            bool found = false;
            for (int dy = -2; dy <= 2 && !found; ++dy) {
                for (int dx = -2; dx <= 2 && !found; ++dx) {
                    found = inB.At(x + dx, y + dy);
                }
            }
            near += found ? 1 : 0;
        }
    }
    return drawn == 0 ? 0.0 : static_cast<double>(near) / drawn;
}

}  // namespace velnor::test
