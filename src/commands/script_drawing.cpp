#include "commands/script_drawing.h"

#include <algorithm>
#include <cmath>

#include "commands/command_error.h"
#include "commands/script_line.h"
#include "editing/record_additions.h"
#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

// Coordinates beyond this are no figure anyone can look at, and would overflow a float.
constexpr double kMaxCoordinate = 1.0e6;

int ReadVertex(const CGpage& page, const std::string& word) {
    if (page.m_nVertexCount == 0) {
        throw CommandError("the page has no vertex " + word);
    }
    return ReadInteger(word, "vertex", 0, page.m_nVertexCount - 1);
}

float ReadCoordinate(const std::string& word) {
    const double value = ReadNumber(word, "coordinate");
    if (std::fabs(value) > kMaxCoordinate) {
        throw CommandError("coordinate " + word + " is too large");
    }
    return static_cast<float>(value);
}

}  // namespace

void ScriptPoint(CPlomDoc& doc, const std::vector<std::string>& words) {
    if (words.size() != 4) {
        throw CommandError("usage: point X Y Z");
    }
    const float x = ReadCoordinate(words[1]);
    const float y = ReadCoordinate(words[2]);
    const float z = ReadCoordinate(words[3]);
    if (doc.CurrentPage().AddVertex(x, y, z)) {
        RecordAdditions(doc, "添加点", AddedCells{.points = 1});
        doc.Refresh(kHintVertices);
    }
}

void ScriptLine(CPlomDoc& doc, const std::vector<std::string>& words) {
    if (words.size() != 3) {
        throw CommandError("usage: line I J");
    }
    CGpage& page = doc.CurrentPage();
    const int start = ReadVertex(page, words[1]);
    const int end = ReadVertex(page, words[2]);
    if (start == end) {
        throw CommandError("a line needs two different vertices");
    }
    if (page.AddLine(static_cast<uint8_t>(start), static_cast<uint8_t>(end)) == 0) {
        return;
    }
    RecordAdditions(doc, "添加线", AddedCells{.lines = 1});
    doc.Refresh(kHintLines);
}

void ScriptFace(CPlomDoc& doc, const std::vector<std::string>& words) {
    CGpage& page = doc.CurrentPage();
    const size_t count = words.size() - 1;
    if (count < 3 || count > static_cast<size_t>(CFaceCell::kMaxVerts)) {
        throw CommandError("usage: face I J K ... (3 to 20 vertices)");
    }
    std::vector<int> vertices;
    for (size_t i = 1; i < words.size(); ++i) {
        const int vertex = ReadVertex(page, words[i]);
        if (std::find(vertices.begin(), vertices.end(), vertex) != vertices.end()) {
            throw CommandError("vertex " + words[i] + " appears twice in the face");
        }
        vertices.push_back(vertex);
    }
    if (!page.HasKeysFor({.faces = 1})) {
        ShowMessage(kPageFullMessage);
        return;
    }
    if (!page.AddFace(vertices)) {
        throw CommandError("the vertices of the face do not lie in one plane");
    }
    RecordAdditions(doc, "添加面", AddedCells{.faces = 1});
    doc.Refresh(kHintFaces);
}

}  // namespace velnor
