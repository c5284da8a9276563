#pragma once

#include <gtest/gtest.h>

#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"
#include "support/recording_messages.h"

namespace velnor::test {

// A new document with vertices A(0, 0, 0) and B(1, 0, 0) on its first page, nothing selected.
class ButtonDocument : public ::testing::Test {
protected:
    ButtonDocument() {
        doc.OnNewDocument();
        Page().AddVertex(0, 0, 0);
        Page().AddVertex(1, 0, 0);
        Page().ClearSelection();
    }

    CGpage& Page() { return doc.CurrentPage(); }
    CCmdProcessor& History() { return doc.CommandProcessor(); }
    std::string LastCommandName() { return History().Current()->GetName(); }

    RecordingMessages messages;
    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    CPlomDoc doc;
};

}  // namespace velnor::test
