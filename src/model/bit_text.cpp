#include "model/bit_text.h"

#include <stdexcept>

namespace velnor {

CBitText::CBitText() {
    m_strName = "位图文本";
    m_nKind = kSolidBitmapText;
    m_position = {-8.0f, 0.0f, 6.0f};
}

CBitText::CBitText(int32_t width, int32_t height, std::vector<uint8_t> bits) : CBitText() {
    if (width < 0 || height < 0 ||
        bits.size() != static_cast<size_t>(BytesPerRow(width)) * static_cast<size_t>(height)) {
        throw std::invalid_argument("bitmap size does not match its width and height");
    }
    m_nWidth = width;
    m_nHeight = height;
    m_bits = std::move(bits);
}

}  // namespace velnor
