#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/color.h"
#include "model/subassembly.h"

namespace velnor {

// A picture of text hanging at a point of the scene; a solid of kind 30.
class CBitText : public CSubassembly {
public:
    CBitText();
    // Takes the bitmap rows as glBitmap reads them: BytesPerRow(width) bytes each, height rows.
    CBitText(int32_t width, int32_t height, std::vector<uint8_t> bits);

    const char* ClassName() const override { return "CBitText"; }
    bool operator==(const CBitText&) const = default;
    std::unique_ptr<CSubassembly> Clone() const override {
        return std::make_unique<CBitText>(*this);
    }

    // Rows are padded to whole 32-bit words.
    static int32_t BytesPerRow(int32_t width) { return (width + 31) / 32 * 4; }

    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    std::vector<uint8_t> m_bits;  // empty when there is no bitmap
    Rgb m_color{};
};

// A bitmap text typed in the rich-text editor: keeps its RTF source and the editor's two values.
class CBitRtfText final : public CBitText {
public:
    CBitRtfText() = default;
    CBitRtfText(int32_t width, int32_t height, std::vector<uint8_t> bits, std::string rtf,
                int32_t extra1, int32_t extra2)
        : CBitText(width, height, std::move(bits)),
          m_strRtf(std::move(rtf)),
          m_nExtra1(extra1),
          m_nExtra2(extra2) {}

    const char* ClassName() const override { return "CBitRtfText"; }
    bool operator==(const CBitRtfText&) const = default;
    std::unique_ptr<CSubassembly> Clone() const override {
        return std::make_unique<CBitRtfText>(*this);
    }

    std::string m_strRtf;  // kept as the code page 936 bytes it came with
    int32_t m_nExtra1 = 0;
    int32_t m_nExtra2 = 0;
};

}  // namespace velnor
