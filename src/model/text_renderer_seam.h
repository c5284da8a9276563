#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velnor {

// What the text editor hands over for a bitmap text: the typed text drawn as a one-bit bitmap
// (rows of CBitText::BytesPerRow(width) bytes, bottom row first, as glBitmap reads them), its RTF
// source, the plain text (UTF-8) and the editor's two values (the number of paragraphs and the
// number of characters).
struct EditedText {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bits;
    std::string rtf;
    std::string plainText;
    int32_t paragraphs = 0;
    int32_t characters = 0;
};

// Draws texts for the core, so that scripts can add texts as the editor does. The program and
// velnor-cli install one that lays the text out with Qt; without one, texts cannot be drawn.
class ITextRenderer {
public:
    virtual ~ITextRenderer() = default;
    // The UTF-8 text in the editor's default font, as the editor would return it.
    virtual EditedText RenderPlainText(std::string_view utf8) const = 0;
};

// Installs the renderer; nullptr removes it. Returns the previous one.
ITextRenderer* SetTextRenderer(ITextRenderer* renderer);

// The installed renderer, or null.
const ITextRenderer* TextRenderer();

}  // namespace velnor
