#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "model/document.h"
#include "model/dynamic_text_updater.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"
#include "support/recording_messages.h"

namespace velnor::test {

// A new document whose first page holds vertices A(1, 0, 0) and B(2, 4, -6), a solid at
// (1, 2, 3) and a measurement text; it counts how often the texts are recomputed.
class TransformDocument : public ::testing::Test {
protected:
    TransformDocument() : m_previousUpdater(SetDynamicTextUpdater(&CountUpdate)) {
        doc.OnNewDocument();
        CGpage& page = Page();
        page.AddVertex(1, 0, 0);
        page.AddVertex(2, 4, -6);
        auto solid = std::make_unique<CSubassembly>();
        solid->m_position = {1, 2, 3};
        solid->m_direction = {0, 0, 1};
        solid->m_scale = {2, 2, 2};
        page.AddSolid(std::move(solid));
        page.AddText(std::make_unique<CDTextCell>());
        page.ClearSelection();
        s_updates = 0;
    }
    ~TransformDocument() override { SetDynamicTextUpdater(m_previousUpdater); }

    CGpage& Page() { return doc.CurrentPage(); }
    CSubassembly& Solid() { return *Page().m_solids.at(1); }

    static void CountUpdate(const CGpage&, CDTextCell&) { ++s_updates; }
    static inline int s_updates = 0;

    RecordingMessages messages;
    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    CPlomDoc doc;

private:
    DynamicTextUpdater m_previousUpdater;
};

}  // namespace velnor::test
