#pragma once

#include <QString>

#include <span>

class QPagedPaintDevice;

namespace velnor {

class CGlModel;
class CGpage;
struct VectorLayout;

// Prints each page on a sheet of its own: the page name as heading, the figure below it as
// vectors, scaled to fit inside a margin, on white, with the colours of paper. Returns whether
// the device took the drawing.
bool PrintSheets(QPagedPaintDevice& device, std::span<const CGpage* const> pages,
                 const CGlModel& settings, const VectorLayout& layout);

// The same into a PDF file, without a dialog; an empty string, or why it failed. The old file
// stays untouched until the new one is complete.
QString PrintSheetsToPdf(const QString& path, std::span<const CGpage* const> pages,
                         const CGlModel& settings, const VectorLayout& layout);

}  // namespace velnor
