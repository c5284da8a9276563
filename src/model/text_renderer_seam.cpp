#include "model/text_renderer_seam.h"

namespace velnor {

namespace {
ITextRenderer* g_renderer = nullptr;
}

ITextRenderer* SetTextRenderer(ITextRenderer* renderer) {
    ITextRenderer* previous = g_renderer;
    g_renderer = renderer;
    return previous;
}

const ITextRenderer* TextRenderer() {
    return g_renderer;
}

}  // namespace velnor
