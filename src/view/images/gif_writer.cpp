#include "view/images/gif_writer.h"

#include <QIODevice>

#include <gif_lib.h>

#include <unordered_map>
#include <vector>

namespace velnor {

namespace {

constexpr int kColours = 256;

int WriteToDevice(GifFileType* gif, const GifByteType* bytes, int count) {
    auto* device = static_cast<QIODevice*>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char*>(bytes), count));
}

GifFailure GifFailureOf(int code) {
    const char* text = GifErrorString(code);
    return {code, text ? text : "GIF error"};
}

// The picture's own colours when it has no more than a palette holds: figures of lines and flat
// faces keep their exact colours then.
bool ExactPalette(const QImage& rgb, std::vector<GifByteType>& indices,
                  std::vector<GifColorType>& palette) {
    std::unordered_map<QRgb, GifByteType> indexOf;
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = qRgb(row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
            auto [slot, added] =
                indexOf.try_emplace(colour, static_cast<GifByteType>(indexOf.size()));
            if (added) {
                if (indexOf.size() > kColours) {
                    return false;
                }
                palette[slot->second] = {static_cast<GifByteType>(qRed(colour)),
                                         static_cast<GifByteType>(qGreen(colour)),
                                         static_cast<GifByteType>(qBlue(colour))};
            }
            indices[static_cast<size_t>(y) * rgb.width() + x] = slot->second;
        }
    }
    return true;
}

// Any other picture gets a median-cut palette.
bool QuantizedPalette(const QImage& rgb, std::vector<GifByteType>& indices,
                      std::vector<GifColorType>& palette) {
    const size_t count = indices.size();
    std::vector<GifByteType> red(count), green(count), blue(count);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const size_t i = static_cast<size_t>(y) * rgb.width() + x;
            red[i] = row[x * 3];
            green[i] = row[x * 3 + 1];
            blue[i] = row[x * 3 + 2];
        }
    }
    int colours = kColours;
    return GifQuantizeBuffer(rgb.width(), rgb.height(), &colours, red.data(), green.data(),
                             blue.data(), indices.data(), palette.data()) != GIF_ERROR;
}

}  // namespace

GifFailure WriteGifWith(QIODevice& device, const std::function<bool(GifFileType*)>& put) {
    int error = 0;
    GifFileType* gif = EGifOpen(&device, WriteToDevice, &error);
    if (!gif) {
        return GifFailureOf(error);
    }
    const int failure = put(gif) ? 0 : (gif->Error ? gif->Error : E_GIF_ERR_WRITE_FAILED);
    if (EGifCloseFile(gif, &error) == GIF_ERROR && failure == 0) {
        return GifFailureOf(error);
    }
    return failure == 0 ? GifFailure{} : GifFailureOf(failure);
}

GifFailure WriteGif(const QImage& image, QIODevice& device) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width(), height = rgb.height();
    std::vector<GifByteType> indices(static_cast<size_t>(width) * height);
    std::vector<GifColorType> palette(kColours);
    if (!ExactPalette(rgb, indices, palette) && !QuantizedPalette(rgb, indices, palette)) {
        return GifFailureOf(E_GIF_ERR_NOT_ENOUGH_MEM);
    }
    return WriteGifWith(device, [&](GifFileType* gif) {
        ColorMapObject* map = GifMakeMapObject(kColours, palette.data());
        bool written = map && EGifPutScreenDesc(gif, width, height, 8, 0, map) != GIF_ERROR &&
                       EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
        GifFreeMapObject(map);
        for (int y = 0; written && y < height; ++y) {
            written =
                EGifPutLine(gif, &indices[static_cast<size_t>(y) * width], width) != GIF_ERROR;
        }
        return written;
    });
}

}  // namespace velnor
