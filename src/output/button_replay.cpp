#include "output/button_replay.h"

#include <QJsonObject>
#include <QString>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "buttons/button_press.h"
#include "buttons/button_tick.h"
#include "model/button_window_seam.h"
#include "model/page.h"
#include "output/lesson_json.h"
#include "output/solid_geometry.h"
#include "persistence/archive_reader.h"
#include "persistence/archive_writer.h"
#include "persistence/page_record.h"

namespace velnor {

namespace {

// Every run ends: the longest series of the largest page lasts a few thousand ticks. The bound
// only guards the export against a damaged button that would never stop.
constexpr int kLongestRun = 100000;

// The button windows of a page being played outside the document: their captions are recorded,
// and the windows of the page the program shows are left alone.
class CaptionRecorder final : public IButtonWindows {
public:
    CaptionRecorder() : m_previous(SetButtonWindows(this)) {}
    ~CaptionRecorder() override { SetButtonWindows(m_previous); }
    CaptionRecorder(const CaptionRecorder&) = delete;
    CaptionRecorder& operator=(const CaptionRecorder&) = delete;

    void Create(uint16_t, const std::string&, const CRect&) override {}
    void Destroy(uint16_t) override {}
    void Show(uint16_t, bool) override {}
    void Move(uint16_t, const CRect&) override {}
    void SetCaption(uint16_t key, const std::string& caption) override { m_changed[key] = caption; }

    // The captions set since the last call.
    std::map<uint16_t, std::string> TakeChanges() { return std::exchange(m_changed, {}); }

private:
    IButtonWindows* m_previous;
    std::map<uint16_t, std::string> m_changed;
};

std::unique_ptr<CGpage> CopyOf(const CGpage& page) {
    ArchiveWriter out;
    WritePageRecord(out, page);
    const std::vector<uint8_t> bytes = out.Take();
    ArchiveReader in(bytes);
    std::unique_ptr<CGpage> copy = ReadPageRecord(in);
    copy->UseSettings(page.Settings());
    return copy;
}

// What a button run can change on a page.
struct PageState {
    std::vector<std::array<float, 3>> positions;
    std::vector<uint8_t> shown;
    std::map<uint16_t, bool> linesHidden, facesHidden, solidsHidden;
    std::map<uint16_t, QJsonArray> solidPlaces;
    std::map<uint16_t, std::string> texts;
};

template <typename Map>
std::map<uint16_t, bool> HiddenFlags(const Map& cells) {
    std::map<uint16_t, bool> hidden;
    for (const auto& [key, cell] : cells) {
        hidden[key] = cell->m_bHidden != 0;
    }
    return hidden;
}

PageState StateOf(const CGpage& page) {
    PageState state;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        state.positions.push_back(page.m_pos[i]);
        state.shown.push_back(page.m_bShown[i]);
    }
    state.linesHidden = HiddenFlags(page.m_lines);
    state.facesHidden = HiddenFlags(page.m_faces);
    state.solidsHidden = HiddenFlags(page.m_solids);
    for (const auto& [key, solid] : page.m_solids) {
        state.solidPlaces[key] = LessonMatrix(SolidOrientation(*solid) * SolidScale(*solid));
    }
    for (const auto& [key, text] : page.m_texts) {
        state.texts[key] = text->m_strText;
    }
    return state;
}

// [key, flag] for every cell whose flag changed.
QJsonArray ChangedFlags(const std::map<uint16_t, bool>& before,
                        const std::map<uint16_t, bool>& after) {
    QJsonArray changed;
    for (const auto& [key, hidden] : after) {
        if (before.at(key) != hidden) {
            changed.append(QJsonArray{key, hidden});
        }
    }
    return changed;
}

void PutIfAny(QJsonObject& tick, const char* name, const QJsonArray& changes) {
    if (!changes.isEmpty()) {
        tick[QLatin1String(name)] = changes;
    }
}

QJsonObject TickChanges(const PageState& before, const PageState& after,
                        const std::map<uint16_t, std::string>& captions) {
    QJsonArray moved, shown, places, texts, captionChanges;
    for (size_t i = 0; i < after.positions.size(); ++i) {
        if (before.positions[i] != after.positions[i]) {
            const auto& p = after.positions[i];
            moved.append(QJsonArray{static_cast<int>(i), LessonNumber(p[0]), LessonNumber(p[1]),
                                    LessonNumber(p[2])});
        }
        if (before.shown[i] != after.shown[i]) {
            shown.append(QJsonArray{static_cast<int>(i), after.shown[i] != 0});
        }
    }
    for (const auto& [key, place] : after.solidPlaces) {
        if (before.solidPlaces.at(key) != place) {
            places.append(QJsonArray{key, place});
        }
    }
    for (const auto& [key, text] : after.texts) {
        if (before.texts.at(key) != text) {
            texts.append(QJsonArray{key, QString::fromStdString(text)});
        }
    }
    for (const auto& [key, caption] : captions) {
        captionChanges.append(QJsonArray{key, QString::fromStdString(caption)});
    }
    QJsonObject tick;
    PutIfAny(tick, "points", moved);
    PutIfAny(tick, "shown", shown);
    PutIfAny(tick, "lines", ChangedFlags(before.linesHidden, after.linesHidden));
    PutIfAny(tick, "faces", ChangedFlags(before.facesHidden, after.facesHidden));
    PutIfAny(tick, "solids", ChangedFlags(before.solidsHidden, after.solidsHidden));
    PutIfAny(tick, "places", places);
    PutIfAny(tick, "texts", texts);
    PutIfAny(tick, "captions", captionChanges);
    return tick;
}

// Which of a button's two runs its next press plays: the second while it stands in its moved
// state, as a press then runs it back.
int NextRun(const CBtCmd& button) {
    return button.m_nState == 1 ? 1 : 0;
}

// One press and the ticks up to the tick on which no button runs any more.
QJsonObject RunOf(CGpage& page, uint16_t key, CaptionRecorder& captions) {
    PressButton(page, key);
    captions.TakeChanges();
    QJsonArray ticks;
    PageState before = StateOf(page);
    bool running = true;
    for (int tick = 0; tick < kLongestRun && running; ++tick) {
        running = TickButtonAnimation(page);
        PageState after = StateOf(page);
        ticks.append(TickChanges(before, after, captions.TakeChanges()));
        before = std::move(after);
    }
    QJsonArray next;
    for (const auto& [buttonKey, button] : page.m_buttons) {
        next.append(QJsonArray{buttonKey, NextRun(*button)});
    }
    return QJsonObject{{QStringLiteral("ticks"), ticks}, {QStringLiteral("next"), next}};
}

QJsonObject ButtonJson(const CGpage& page, const CBtCmd& button) {
    const CRect& r = button.m_rect;
    QJsonObject json{
        {QStringLiteral("key"), button.m_nKey},
        {QStringLiteral("caption"), QString::fromStdString(button.WindowCaption())},
        {QStringLiteral("rect"), QJsonArray{r.left, r.top, r.right, r.bottom}},
        {QStringLiteral("hidden"), button.m_bHidden != 0},
        {QStringLiteral("next"), NextRun(button)},
    };
    // The runs start from the state the button stands in on the page; a run that no press can
    // reach (the way back of a button that returns by itself) stays empty.
    const std::unique_ptr<CGpage> played = CopyOf(page);
    CaptionRecorder captions;
    std::array<QJsonObject, 2> runOf;
    const int first = NextRun(button);
    runOf[first] = RunOf(*played, button.m_nKey, captions);
    const int second = NextRun(*played->m_buttons.at(button.m_nKey));
    if (second != first) {
        runOf[second] = RunOf(*played, button.m_nKey, captions);
    }
    const QJsonArray runs{runOf[0], runOf[1]};
    json[QStringLiteral("runs")] = runs;
    return json;
}

}  // namespace

QJsonArray ButtonRunsJson(const CGpage& page) {
    QJsonArray buttons;
    for (const auto& [key, button] : page.m_buttons) {
        buttons.append(ButtonJson(page, *button));
    }
    return buttons;
}

}  // namespace velnor
