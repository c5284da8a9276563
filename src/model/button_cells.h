#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/rect.h"
#include "model/subassembly.h"

namespace velnor {

enum ButtonKind : uint8_t {
    kButtonShow = 1,
    kButtonTranslate = 2,
    kButtonRotate = 3,
    kButtonParallel = 4,
    kButtonSerial = 5,
};

// The data of an action button: a push button on a page that animates chosen cells when pressed.
// Its window is the windowing system's (see IButtonWindows); its stepping lives in buttons/.
class CBtCmd {
public:
    virtual ~CBtCmd() = default;

    // The class name under which the button is stored in a document ("CBtnShow", ...).
    virtual const char* ClassName() const = 0;

    // Compares the common part only; each button class compares the whole button.
    bool operator==(const CBtCmd&) const = default;

    // The caption its window shows: "复位" is appended while the motion has been carried out.
    std::string WindowCaption() const;

    uint8_t m_bHidden = 0;
    uint8_t m_nKind = 0;
    int32_t m_nState = 0;
    int32_t m_bRunning = 0;
    uint16_t m_nKey = 3024;
    std::string m_strCaption;
    int32_t m_nTick = 0;
    int32_t m_bTwoWay = 0;
    CRect m_rect{15, 10, 95, 25};
    int32_t m_nTicksOneWay = 52;
    int32_t m_nTicksPerPress = 52;
    std::vector<int> m_targetVerts;
    std::vector<int> m_targetLines;
    std::vector<int> m_targetFaces;
    std::vector<int> m_targetSolids;

protected:
    CBtCmd(uint8_t kind, std::string caption) : m_nKind(kind), m_strCaption(std::move(caption)) {}
    CBtCmd(const CBtCmd&) = default;
    CBtCmd& operator=(const CBtCmd&) = default;
};

class CBtnShow final : public CBtCmd {
public:
    CBtnShow() : CBtCmd(kButtonShow, "隐藏") { m_nTicksOneWay = m_nTicksPerPress = 2; }
    const char* ClassName() const override { return "CBtnShow"; }
    bool operator==(const CBtnShow&) const = default;
};

class CBtnTranslate final : public CBtCmd {
public:
    CBtnTranslate() : CBtCmd(kButtonTranslate, "平移") {}
    const char* ClassName() const override { return "CBtnTranslate"; }
    bool operator==(const CBtnTranslate&) const = default;

    // Sizes the saved arrays to the target lists.
    void ResizeSaved();

    Float3 m_vector{10.0f, 0.0f, 0.0f};
    std::vector<Float3> m_savedVerts;     // one per target vertex
    std::vector<Float3> m_savedSolidPos;  // one per target solid
};

class CBtnRotatef final : public CBtCmd {
public:
    CBtnRotatef() : CBtCmd(kButtonRotate, "旋转") {}
    const char* ClassName() const override { return "CBtnRotatef"; }
    bool operator==(const CBtnRotatef&) const = default;

    // Sizes the saved arrays to the target lists.
    void ResizeSaved();

    Float3 m_axisDir{0.0f, 1.0f, 0.0f};
    Float3 m_axisPoint{0.0f, 0.0f, 0.0f};
    float m_angle = 360.0f;
    std::vector<Float3> m_savedVerts;
    std::vector<Float3> m_savedSolidPos;
    std::vector<Float3> m_savedSolidAxis;
    std::vector<float> m_savedSolidAngle;
};

// Starts its member buttons together.
class CBtnSerues final : public CBtCmd {
public:
    CBtnSerues() : CBtCmd(kButtonParallel, "并行") {}
    const char* ClassName() const override { return "CBtnSerues"; }
    bool operator==(const CBtnSerues&) const = default;

    std::vector<int> m_members;  // button keys
};

// Starts its member buttons one after another.
class CBtnSerues2 final : public CBtCmd {
public:
    static constexpr int kNoCurrent = -1;

    CBtnSerues2() : CBtCmd(kButtonSerial, "串行") {}
    const char* ClassName() const override { return "CBtnSerues2"; }
    bool operator==(const CBtnSerues2&) const = default;

    std::vector<int> m_members;         // button keys
    int m_posCurrent = kNoCurrent;      // index into m_members of the next member to start
    int32_t m_nNextStart = 0;           // tick at which that member starts
};

// The keys of the buttons a parallel or serial button starts; null for the other kinds.
std::vector<int>* SeriesMembers(CBtCmd& button);
const std::vector<int>* SeriesMembers(const CBtCmd& button);

}  // namespace velnor
