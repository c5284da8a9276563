#pragma once

#include <vector>

#include "shapes/mesh.h"

namespace velnor {

// One character of the 3D title: its outlines in units of an em, y upwards, and how far along
// the next character starts.
struct GlyphOutline {
    std::vector<std::vector<Point2>> contours;
    double advance = 0.0;
};

// A line of the title and where it starts in the solid's frame.
struct TitleLineOutline {
    std::vector<GlyphOutline> glyphs;
    Point2 start{};
};

// The title's letters need a font, which the shape module has none of: the view and the vector
// figure hand them in through this.
class ITitleOutlines {
public:
    virtual ~ITitleOutlines() = default;
    virtual std::vector<TitleLineOutline> TitleLines() const = 0;
};

// How deep the letters are, back from their front at z = 0.
inline constexpr double kTitleDepth = 0.15;

}  // namespace velnor
