#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "commands/command_execution.h"
#include "commands/command_table.h"
#include "commands/script_fixture.h"
#include "persistence/archive_error.h"
#include "persistence/document_io.h"
#include "support/recording_messages.h"

namespace velnor::test {
namespace {

// What goes wrong in saving the document and loading it back, or nothing. The reader refuses a
// line, face, text, button or selection that names a vertex the page lacks, so this checks the
// pages as well as the file.
std::string RoundTripProblem(const CPlomDoc& doc) {
    const std::vector<uint8_t> saved = SaveDocument(doc);
    CPlomDoc loaded;
    try {
        LoadDocument(loaded, saved);
    } catch (const ArchiveError& error) {
        return error.what();
    }
    return SaveDocument(loaded) == saved ? "" : "the document saves other bytes after loading";
}

template <typename Map>
std::vector<int> SomeKeys(const Map& map, std::mt19937& random, int count) {
    std::vector<int> keys;
    for (const auto& entry : map) {
        keys.push_back(entry.first);
    }
    std::shuffle(keys.begin(), keys.end(), random);
    keys.resize(std::min<size_t>(keys.size(), count));
    return keys;
}

// A selection such as a teacher's clicks leave: one or two kinds of cells, a few of each, so
// that the commands that want two lines, a point and a face, and so on, often find them.
void SelectAtRandom(CGpage& page, std::mt19937& random) {
    page.ClearSelection();
    const auto upTo = [&](int most) { return std::uniform_int_distribution(1, most)(random); };
    for (int kinds = upTo(2); kinds > 0; --kinds) {
        switch (std::uniform_int_distribution(0, 5)(random)) {
            case 0: {
                std::vector<int> vertices(page.m_nVertexCount);
                for (int i = 0; i < page.m_nVertexCount; ++i) {
                    vertices[i] = i;
                }
                std::shuffle(vertices.begin(), vertices.end(), random);
                vertices.resize(std::min<size_t>(vertices.size(), upTo(4)));
                page.m_selPoints = vertices;
                break;
            }
            case 1:
                page.m_selLines = SomeKeys(page.m_lines, random, upTo(2));
                break;
            case 2:
                page.m_selFaces = SomeKeys(page.m_faces, random, upTo(2));
                break;
            case 3:
                page.m_selSolids = SomeKeys(page.m_solids, random, 1);
                break;
            case 4:
                page.m_selButtons = SomeKeys(page.m_buttons, random, 1);
                break;
            default:
                page.m_selTexts = SomeKeys(page.m_texts, random, 1);
                break;
        }
    }
}

std::vector<const CommandEntry*> DocumentCommands() {
    std::vector<const CommandEntry*> commands;
    for (const CommandEntry& entry : CommandTable()) {
        if (entry.owner == CommandOwner::kDocument) {
            commands.push_back(&entry);
        }
    }
    return commands;
}

class RandomCommands : public ScriptTest {
protected:
    void StartFigure() {
        Run(kCubeScript);
        Run("几何球体\n组件 kind=6 x=6 y=0 z=0\nselect points 4 5 6 7\n定义平移向量 x=0 y=0 z=2\n"
            "33193\nselect none\nselect lines 9\n两点间距离\nselect none\n");
    }

    // Takes one random step and says what it was.
    std::string Step(std::mt19937& random, const std::vector<const CommandEntry*>& commands) {
        switch (std::uniform_int_distribution(0, 9)(random)) {
            case 0:
                Run("undo\n");
                return "undo";
            case 1:
                Run("redo\n");
                return "redo";
            case 2:
                if (Page().m_buttons.empty()) {
                    return "nothing";
                }
                Run("press " + std::to_string(Page().m_buttons.begin()->first) + "\ntick 7\n");
                return "press and tick";
            default: {
                SelectAtRandom(Page(), random);
                std::uniform_int_distribution<size_t> pick(0, commands.size() - 1);
                const CommandEntry& entry = *commands[pick(random)];
                ExecuteCommand(entry, doc, {});
                return entry.text;
            }
        }
    }
};

// Any command on any selection, with undo and redo and the buttons running in between, leaves
// a document that saves, loads back and saves the same bytes again.
TEST_F(RandomCommands, LeaveDocumentsThatSaveAndLoadBack) {
    RecordingMessages messages;
    const auto commands = DocumentCommands();
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        doc.OnNewDocument();
        StartFigure();
        std::mt19937 random(seed);
        for (int step = 0; step < 60; ++step) {
            const std::string what = Step(random, commands);
            ASSERT_EQ(RoundTripProblem(doc), "") << "after " << what << " at step " << step;
        }
    }
}

}  // namespace
}  // namespace velnor::test
