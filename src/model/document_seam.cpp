#include "model/document_seam.h"

namespace velnor {

namespace {

class NoDocumentViews final : public IDocumentViews {
public:
    void ModifiedChanged(bool) override {}
    void Refresh(int) override {}
    void PageChanged(const CGpage&, bool) override {}
    void PageListChanged() override {}
    void CompileComponent(const CGpage&, uint16_t) override {}
    void Redraw() override {}
};

NoDocumentViews g_noDocumentViews;
IDocumentViews* g_views = nullptr;

}  // namespace

IDocumentViews* SetDocumentViews(IDocumentViews* views) {
    IDocumentViews* previous = g_views;
    g_views = views;
    return previous;
}

IDocumentViews& DocumentViews() { return g_views ? *g_views : g_noDocumentViews; }

}  // namespace velnor
