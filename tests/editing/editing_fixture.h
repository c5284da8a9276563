#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "commands/command_ids.h"
#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"
#include "support/recording_menu_items.h"
#include "support/recording_messages.h"

namespace velnor::test {

// Fills every free line key of the page, as 65,535 lines would, so that no new line fits.
inline void TakeEveryLineKey(CGpage& page) {
    for (int key = 1; key <= UINT16_MAX; ++key) {
        page.m_lines.try_emplace(static_cast<uint16_t>(key), std::make_unique<CLineCell>(0, 1, 0));
    }
}

// A new document with every seam recorded.
class EditingTest : public ::testing::Test {
protected:
    EditingTest() {
        doc.OnNewDocument();
        doc.CommandProcessor().SetMenuTarget(&MenuItems(), cmd::kUndo, cmd::kRedo);
        views.Forget();
    }

    CGpage& Page() { return doc.CurrentPage(); }
    CCmdProcessor& History() { return doc.CommandProcessor(); }
    const std::string& UndoText() { return menu.items[cmd::kUndo].text; }

    RecordingMessages messages;
    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    RecordingMenuItems menu;
    CPlomDoc doc;
};

}  // namespace velnor::test
