#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "buttons/button_factory.h"
#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "model/subassembly.h"
#include "output/button_replay.h"
#include "output/web_lesson.h"
#include "shapes/molecule.h"

namespace velnor {
namespace {

// Four points A..D of a square in z = 0, with one button made from a selection of them.
struct ButtonCase {
    const char* name;
    // Makes the page's buttons; the first made is the one pressed.
    std::function<uint16_t(CGpage&)> make;
    int firstRunTicks;
    int secondRunTicks;  // 0: the button comes back by itself and has no second run
};

void Select(CGpage& page, std::vector<int> points) {
    page.ClearSelection();
    page.m_selPoints = std::move(points);
}

uint16_t Translate(CGpage& page, std::vector<int> points) {
    Select(page, std::move(points));
    page.m_translation = {10.0f, 0.0f, 0.0f};
    return CreateButton(page, kButtonTranslate);
}

const ButtonCase kButtonCases[] = {
    {"translate",
     [](CGpage& page) {
         return Translate(page, {0, 1});
     },
     52, 52},
    {"rotate two ways",
     [](CGpage& page) {
         Select(page, {2, 3});
         page.m_axisDir = {0.0f, 0.0f, 1.0f};
         page.m_fAngle = 90.0f;
         const uint16_t key = CreateButton(page, kButtonRotate);
         page.m_buttons.at(key)->m_bTwoWay = 1;
         return key;
     },
     104, 0},
    {"show and hide",
     [](CGpage& page) {
         Select(page, {1});
         return CreateButton(page, kButtonShow);
     },
     2, 2},
    {"serial series",
     [](CGpage& page) {
         const uint16_t first = Translate(page, {0});
         const uint16_t second = Translate(page, {3});
         page.ClearSelection();
         page.m_selButtons = {first, second};
         return CreateButton(page, kButtonSerial);
     },
     107, 107},
};

std::unique_ptr<CGpage> SquarePage() {
    auto page = std::make_unique<CGpage>();
    for (const auto& [x, y] : std::vector<std::array<float, 2>>{{0, 0}, {4, 0}, {4, 4}, {0, 4}}) {
        page->AddVertex(x, y, 0.0f);
    }
    page->ClearSelection();
    return page;
}

QJsonObject ButtonOf(const QJsonArray& buttons, uint16_t key) {
    for (const QJsonValue b : buttons) {
        if (b.toObject()[QStringLiteral("key")].toInt() == key) {
            return b.toObject();
        }
    }
    return {};
}

// The points as the lesson's viewer holds them: the page's, changed tick by tick.
struct Replayed {
    std::vector<std::array<double, 3>> positions;
    std::vector<bool> shown;

    explicit Replayed(const CGpage& page) {
        for (int i = 0; i < page.m_nVertexCount; ++i) {
            positions.push_back({page.m_pos[i][0], page.m_pos[i][1], page.m_pos[i][2]});
            shown.push_back(page.m_bShown[i] != 0);
        }
    }

    void Apply(const QJsonObject& tick) {
        for (const QJsonValue p : tick[QStringLiteral("points")].toArray()) {
            const QJsonArray a = p.toArray();
            positions[a[0].toInt()] = {a[1].toDouble(), a[2].toDouble(), a[3].toDouble()};
        }
        for (const QJsonValue s : tick[QStringLiteral("shown")].toArray()) {
            shown[s.toArray()[0].toInt()] = s.toArray()[1].toBool();
        }
    }

    void ExpectSameAs(const CGpage& page, int tick) const {
        for (size_t i = 0; i < positions.size(); ++i) {
            SCOPED_TRACE("tick " + std::to_string(tick) + ", point " + std::to_string(i));
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(positions[i][k], page.m_pos[i][k], 1e-5);
            }
            EXPECT_EQ(shown[i], page.m_bShown[i] != 0);
        }
    }
};

// Plays one run of the lesson beside the program's own press and ticks on the page: after every
// tick the points stand where the program puts them.
void ExpectRunFollowsTheProgram(CGpage& page, uint16_t key, const QJsonObject& run, int ticks) {
    const QJsonArray recorded = run[QStringLiteral("ticks")].toArray();
    ASSERT_EQ(recorded.size(), ticks);
    Replayed replayed(page);
    PressButton(page, key);
    for (int t = 0; t < ticks; ++t) {
        TickButtonAnimation(page);
        replayed.Apply(recorded[t].toObject());
        replayed.ExpectSameAs(page, t + 1);
    }
}

class ButtonReplayTest : public testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonReplayTest, RunsAreTheProgramsOwnTicks) {
    std::unique_ptr<CGpage> page = SquarePage();
    const uint16_t key = GetParam().make(*page);
    const auto before = page->m_pos;

    const QJsonArray buttons = ButtonRunsJson(*page);
    EXPECT_EQ(page->m_pos, before) << "the export moved the page";
    EXPECT_EQ(page->m_buttons.at(key)->m_nState, 0);
    const QJsonObject button = ButtonOf(buttons, key);
    const QJsonArray runs = button[QStringLiteral("runs")].toArray();
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(button[QStringLiteral("next")].toInt(), 0);

    ExpectRunFollowsTheProgram(*page, key, runs[0].toObject(), GetParam().firstRunTicks);
    if (GetParam().secondRunTicks == 0) {
        EXPECT_TRUE(runs[1].toObject().isEmpty());
        EXPECT_EQ(page->m_pos, before) << "a two-way run comes back";
        return;
    }
    ExpectRunFollowsTheProgram(*page, key, runs[1].toObject(), GetParam().secondRunTicks);
    EXPECT_EQ(page->m_pos, before) << "the way back restores the points exactly";
}

INSTANTIATE_TEST_SUITE_P(Kinds, ButtonReplayTest, testing::ValuesIn(kButtonCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

// A caption changes in the tick that changes it: the translate button reads 平移复位 after its run,
// and the lesson's next press runs it back.
TEST(ButtonReplayTest, CaptionsAndNextRunFollowTheState) {
    std::unique_ptr<CGpage> page = SquarePage();
    const uint16_t key = Translate(*page, {0});
    const QJsonArray runs = ButtonOf(ButtonRunsJson(*page), key)[QStringLiteral("runs")].toArray();
    const QJsonArray forward = runs[0].toObject()[QStringLiteral("ticks")].toArray();
    EXPECT_EQ(forward.last().toObject()[QStringLiteral("captions")].toArray(),
              QJsonArray({QJsonArray{key, QStringLiteral("平移复位")}}));
    EXPECT_EQ(runs[0].toObject()[QStringLiteral("next")].toArray(),
              QJsonArray({QJsonArray{key, 1}}));
    EXPECT_EQ(runs[1].toObject()[QStringLiteral("next")].toArray(),
              QJsonArray({QJsonArray{key, 0}}));
}

QJsonObject LessonData(const QByteArray& html) {
    const QByteArray open = "<script type=\"application/json\" id=\"lesson-data\">";
    const qsizetype start = html.indexOf(open) + open.size();
    const qsizetype end = html.indexOf("</script>", start);
    return QJsonDocument::fromJson(html.mid(start, end - start)).object();
}

// A page whose name could end the data's script element or looks like a place holder of the
// page comes back as it was, and the page loads nothing from elsewhere.
TEST(WebLessonHtmlTest, NamesThatLookLikeMarkupStayText) {
    std::unique_ptr<CGpage> page = SquarePage();
    page->m_strName = "<!--<script></script><script>alert(1)</script>{{SCRIPTS}}";
    const CGpage* pages[] = {page.get()};
    const CGlModel settings;
    const QByteArray html = WebLessonHtml({settings, pages, QStringLiteral("<b>课</b>")});

    EXPECT_TRUE(html.contains("<title>&lt;b&gt;课&lt;/b&gt;</title>"));
    EXPECT_EQ(html.count("<script"), 2) << "the data and the viewer, nothing a name brought";
    const QJsonObject data = LessonData(html);
    ASSERT_EQ(data[QStringLiteral("pages")].toArray().size(), 1);
    EXPECT_EQ(data[QStringLiteral("pages")][0][QStringLiteral("name")].toString(),
              QString::fromStdString(page->m_strName));
    EXPECT_EQ(data[QStringLiteral("pages")][0][QStringLiteral("points")].toArray().size(), 4);
    EXPECT_EQ(html.count("var VelnorLesson = VelnorLesson || {};"), 6) << "each script once";
    for (const char* remote : {"http:", "https:", "//cdn", "src=\""}) {
        EXPECT_FALSE(html.contains(remote)) << remote;
    }
}

// A page component names the page it shows: the last one compiled under its number. Kinds past
// it but the bitmap text show one as well; one whose page was never compiled is left out.
TEST(WebLessonHtmlTest, PageComponentsNameThePageTheyShow) {
    struct Case {
        uint8_t kind;
        uint8_t number;
        int shows;  // the page's index in the lesson, -1 when the solid is left out
    };
    const Case cases[] = {{26, 1, 3}, {26, 2, 2}, {28, 1, 3}, {31, 2, 2}, {26, 3, -1}, {26, 0, -1}};
    std::unique_ptr<CGpage> shown[] = {SquarePage(), SquarePage(), SquarePage()};
    shown[1]->m_nComponentList = 2;
    // Two pages compiled under number 1: the later one is what the view shows.
    shown[0]->m_nComponentList = 1;
    shown[2]->m_nComponentList = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << int(c.kind) << " number " << int(c.number));
        std::unique_ptr<CGpage> page = SquarePage();
        auto solid = std::make_unique<CSubassembly>();
        solid->m_nKind = c.kind;
        solid->m_nComponent = c.number;
        solid->m_position = {3.0f, 0.0f, 0.0f};
        page->m_solids[7] = std::move(solid);
        const CGpage* pages[] = {shown[0].get(), page.get(), shown[1].get(), shown[2].get()};
        const CGlModel settings;
        const QJsonArray solids = LessonData(WebLessonHtml(
            {settings, pages, QString()}))[QStringLiteral("pages")][1][QStringLiteral("solids")]
                                      .toArray();
        if (c.shows < 0) {
            EXPECT_TRUE(solids.isEmpty());
            continue;
        }
        ASSERT_EQ(solids.size(), 1);
        const QJsonObject json = solids[0].toObject();
        EXPECT_EQ(json[QStringLiteral("shows")].toInt(-1), c.shows);
        EXPECT_FALSE(json.contains(QStringLiteral("shape")));
        EXPECT_EQ(json[QStringLiteral("place")][12].toDouble(), 3.0) << "moved by its position";
    }
}

// The molecule goes as one stick mesh and one atom mesh with the matrices of their copies: placed
// by them, the meshes are the molecule the program draws, and the lesson stays small.
TEST(WebLessonHtmlTest, MoleculeIsCopiesOfTwoMeshes) {
    std::unique_ptr<CGpage> page = SquarePage();
    auto molecule = std::make_unique<CSubassembly>();
    molecule->m_nKind = kSolidC60;
    page->m_solids[1] = std::move(molecule);
    const CGpage* pages[] = {page.get()};
    const CGlModel settings;
    const QByteArray html = WebLessonHtml({settings, pages, QString()});
    EXPECT_LE(html.size(), 300 * 1024);

    const QJsonArray surfaces =
        LessonData(html)[QStringLiteral("pages")][0][QStringLiteral("shapes")][0]
                        [QStringLiteral("surfaces")]
                            .toArray();
    const std::vector<Surface> drawn = MoleculeSurfaces();
    ASSERT_EQ(surfaces.size(), static_cast<qsizetype>(drawn.size()));
    for (size_t part = 0; part < drawn.size(); ++part) {
        SCOPED_TRACE(testing::Message() << "part " << part);
        const QJsonObject surface = surfaces[static_cast<qsizetype>(part)].toObject();
        const QJsonArray unit = surface[QStringLiteral("positions")].toArray();
        const QJsonArray copies = surface[QStringLiteral("copies")].toArray();
        const qsizetype corners = unit.size() / 3;
        ASSERT_EQ(static_cast<size_t>(copies.size() * corners), drawn[part].vertices.size());
        for (qsizetype c = 0; c < copies.size(); ++c) {
            const QJsonArray m = copies[c].toArray();
            for (qsizetype v = 0; v < corners; ++v) {
                const Vec3& expected =
                    drawn[part].vertices[static_cast<size_t>(c * corners + v)].position;
                const float want[] = {expected.x, expected.y, expected.z};
                for (int row = 0; row < 3; ++row) {
                    double placed = m[12 + row].toDouble();
                    for (int k = 0; k < 3; ++k) {
                        placed += m[4 * k + row].toDouble() * unit[3 * v + k].toDouble();
                    }
                    ASSERT_NEAR(placed, want[row], 2e-4) << "copy " << c << " corner " << v;
                }
            }
        }
    }
}

TEST(WebLessonHtmlTest, PathsEndingInHtmlAreLessons) {
    const std::pair<const char*, bool> cases[] = {
        {"lesson.html", true}, {"LESSON.HTM", true}, {"a.b/lesson.Html", true},
        {"lesson.plm", false}, {"html", false},      {"lesson.html.png", false},
    };
    for (const auto& [path, lesson] : cases) {
        EXPECT_EQ(IsWebLessonPath(QString::fromUtf8(path)), lesson) << path;
    }
}

}  // namespace
}  // namespace velnor
