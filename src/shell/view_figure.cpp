#include "shell/view_figure.h"

#include "model/document.h"
#include "model/gl_model.h"
#include "output/figure_files.h"
#include "view/camera_control.h"
#include "view/plom_view.h"

namespace velnor {

VectorLayout ViewVectorLayout(const CPlomDoc& doc, const CPlomView& view) {
    VectorLayout layout;
    layout.width = std::max(1, view.width());
    layout.height = std::max(1, view.height());
    layout.projection = view.Control().m_nProjection;
    layout.viewports = view.Control().m_nViewports;
    layout.labelPixelSize = view.LabelPixelSize();
    layout.showAxes = view.AxesShown();
    for (const auto& page : doc.m_pages) {
        layout.componentPages.push_back(page.get());
    }
    return layout;
}

QString ExportViewFigure(const QString& path, const CPlomDoc& doc, const CPlomView& view) {
    return WriteVectorFigure(path, doc.CurrentPage(), doc.Settings(), ViewVectorLayout(doc, view));
}

}  // namespace velnor
