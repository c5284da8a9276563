#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "commands/script_interpreter.h"
#include "model/document.h"
#include "support/recording_button_windows.h"
#include "support/recording_document_views.h"

namespace velnor::test {

// A new document and an interpreter whose output the test reads.
class ScriptTest : public ::testing::Test {
protected:
    ScriptTest() { doc.OnNewDocument(); }

    // Runs the lines as one script and returns what it printed.
    std::string Run(const std::string& script) {
        output.str("");
        std::istringstream in(script);
        interpreter.Run(in);
        return output.str();
    }

    CGpage& Page() { return doc.CurrentPage(); }

    RecordingDocumentViews views;
    RecordingButtonWindows windows;
    CPlomDoc doc;
    std::ostringstream output;
    ScriptInterpreter interpreter{doc, output};
};

// The unit cube scaled by 2: A B C D at z = 0 and E F G H above them, its twelve edges (AB is line
// 1, AE line 9) and six faces (bottom ABCD is face 1, front ABFE face 2).
inline const char* kCubeScript = R"(# a cube of edge 2
point 0 0 0
point 2 0 0
point 2 2 0
point 0 2 0
point 0 0 2
point 2 0 2
point 2 2 2
point 0 2 2
line 0 1
line 1 2
line 2 3
line 3 0
line 4 5
line 5 6
line 6 7
line 7 4
line 0 4
line 1 5
line 2 6
line 3 7
face 0 1 2 3
face 0 1 5 4
face 1 2 6 5
face 2 3 7 6
face 3 0 4 7
face 4 5 6 7
select none
)";

}  // namespace velnor::test
