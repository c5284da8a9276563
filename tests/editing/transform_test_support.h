#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "geometry/measure_types.h"
#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"
#include "support/recording_messages.h"

namespace velnor::test {

// A new document whose first page holds vertices A(1, 0, 0) and B(2, 4, -6), a solid at
// (1, 2, 3) and a text showing the coordinates of A.
class TransformDocument : public ::testing::Test {
protected:
    TransformDocument() {
        doc.OnNewDocument();
        CGpage& page = Page();
        page.AddVertex(1, 0, 0);
        page.AddVertex(2, 4, -6);
        auto solid = std::make_unique<CSubassembly>();
        solid->m_position = {1, 2, 3};
        solid->m_direction = {0, 0, 1};
        solid->m_scale = {2, 2, 2};
        page.AddSolid(std::move(solid));
        auto text = std::make_unique<CDTextCell>(kPointCoordinates);
        text->m_strName = "A";
        text->m_nVertCount = 1;
        page.AddText(std::move(text));
        page.ClearSelection();
    }

    CGpage& Page() { return doc.CurrentPage(); }
    CSubassembly& Solid() { return *Page().m_solids.at(1); }

    // The text as last computed; a stale mark shows whether anything recomputed it since.
    const std::string& Text() { return Page().m_texts.at(1)->m_strText; }
    void MarkTextStale() { Page().m_texts.at(1)->m_strText = kStale; }
    static constexpr const char* kStale = "stale";

    RecordingMessages messages;
    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    CPlomDoc doc;
};

}  // namespace velnor::test
