#pragma once

#include <QString>

#include "output/net_sheets.h"

namespace velnor {
class CGpage;
}

namespace velnor::cli {

// How a net goes on paper: centimetres for a unit of the page, and the paper.
struct NetPaperOptions {
    double scale = 1.0;
    PaperKind paper = PaperKind::kA4;
};

// Writes the net of the solid that the face `faceKey` belongs to as PDF sheets or an SVG, by
// the path's extension; an empty string, or why not.
QString WriteNetOfFace(const QString& path, const CGpage& page, int faceKey,
                       const NetPaperOptions& options);

}  // namespace velnor::cli
