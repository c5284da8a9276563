#pragma once

#include "model/text_renderer_seam.h"

namespace velnor {

// Lays texts out with Qt for the core. Needs a QGuiApplication.
class QtTextRenderer final : public ITextRenderer {
public:
    EditedText RenderPlainText(std::string_view utf8) const override;
};

}  // namespace velnor
