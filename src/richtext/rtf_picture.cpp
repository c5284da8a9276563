#include "richtext/rtf_picture.h"

#include <QImage>

#include <algorithm>

#include "richtext/inserted_image.h"
#include "richtext/rtf_state.h"

namespace velnor {

namespace {

constexpr long long kMaxGoal = 31680 * 100;
constexpr double kMaxPixels = 10000.0;

double Pixels(int goal, int scale, int natural) {
    const double pixels = goal > 0 ? goal / kTwipsPerPixel * scale / 100.0 : natural;
    return std::clamp(pixels, 1.0, kMaxPixels);
}

}  // namespace

void RtfPicture::ApplyWord(std::string_view word, long long number) {
    const int value = static_cast<int>(std::clamp(number, 0LL, kMaxGoal));
    if (word == "pngblip") {
        m_format = "PNG";
    } else if (word == "jpegblip") {
        m_format = "JPG";
    } else if (word == "picwgoal") {
        m_nGoalWidth = value;
    } else if (word == "pichgoal") {
        m_nGoalHeight = value;
    } else if (word == "picscalex") {
        m_nScaleX = value;
    } else if (word == "picscaley") {
        m_nScaleY = value;
    }
}

void RtfPicture::AddHexDigit(int digit) {
    if (m_nNibble < 0) {
        m_nNibble = digit;
    } else {
        m_data.append(static_cast<char>(m_nNibble * 16 + digit));
        m_nNibble = -1;
    }
}

void RtfPicture::AddBytes(const char* bytes, size_t length) {
    m_data.append(bytes, static_cast<qsizetype>(length));
}

bool RtfPicture::InsertAt(QTextCursor& cursor) const {
    QImage image;
    if (m_format == nullptr || !image.loadFromData(m_data, m_format)) {
        return false;
    }
    InsertImage(cursor, image, Pixels(m_nGoalWidth, m_nScaleX, image.width()),
                Pixels(m_nGoalHeight, m_nScaleY, image.height()));
    return true;
}

}  // namespace velnor
