#include "persistence/button_records.h"

#include <algorithm>
#include <string>

#include "persistence/cell_records.h"

namespace velnor {

namespace {

// A serial series stores this key when no member is due to start.
constexpr uint16_t kNoCurrentKey = 2000;

void WriteCommon(ArchiveWriter& out, const CBtCmd& button, int32_t tick) {
    out.Bool(button.m_bHidden != 0);
    out.Byte(button.m_nKind);
    out.Long(button.m_nState);
    out.Long(button.m_bRunning);
    out.Word(button.m_nKey);
    out.String(button.m_strCaption);
    out.Long(tick);
    out.Long(button.m_bTwoWay);
    out.Long(button.m_rect.left);
    out.Long(button.m_rect.top);
    out.Long(button.m_rect.right);
    out.Long(button.m_rect.bottom);
    out.Long(button.m_nTicksOneWay);
    out.Long(button.m_nTicksPerPress);
    out.IntList(button.m_targetVerts);
    out.IntList(button.m_targetLines);
    out.IntList(button.m_targetFaces);
    out.IntList(button.m_targetSolids);
}

void ReadCommon(ArchiveReader& in, CBtCmd& button) {
    button.m_bHidden = in.Bool() ? 1 : 0;
    const uint8_t kind = in.Byte();
    if (kind != button.m_nKind) {
        in.Fail("按钮 " + std::string(button.ClassName()) + " 的类型是 " + std::to_string(kind) +
                "，应为 " + std::to_string(button.m_nKind));
    }
    button.m_nState = in.Long();
    button.m_bRunning = in.Long();
    button.m_nKey = in.Word();
    button.m_strCaption = in.String();
    button.m_nTick = in.Long();
    button.m_bTwoWay = in.Long();
    button.m_rect.left = in.Long();
    button.m_rect.top = in.Long();
    button.m_rect.right = in.Long();
    button.m_rect.bottom = in.Long();
    button.m_nTicksOneWay = in.Long();
    button.m_nTicksPerPress = in.Long();
    button.m_targetVerts = in.IntList();
    button.m_targetLines = in.IntList();
    button.m_targetFaces = in.IntList();
    button.m_targetSolids = in.IntList();
}

// The saved arrays always hold one entry per target, whatever the button holds now.
template <typename T>
T SavedAt(const std::vector<T>& saved, size_t i) {
    return i < saved.size() ? saved[i] : T{};
}

void WriteFloat3(ArchiveWriter& out, const Float3& v) {
    for (float value : v) {
        out.Float(value);
    }
}

Float3 ReadFloat3(ArchiveReader& in) {
    Float3 v;
    for (float& value : v) {
        value = in.Float();
    }
    return v;
}

std::vector<Float3> ReadFloat3s(ArchiveReader& in, size_t count) {
    if (count > in.Remaining() / 12) {
        in.Fail("按钮保存的坐标超出了剩余的数据");
    }
    std::vector<Float3> values(count);
    for (Float3& v : values) {
        v = ReadFloat3(in);
    }
    return values;
}

void WriteTranslate(ArchiveWriter& out, const CBtnTranslate& button) {
    WriteFloat3(out, button.m_vector);
    for (size_t i = 0; i < button.m_targetVerts.size(); ++i) {
        WriteFloat3(out, SavedAt(button.m_savedVerts, i));
    }
    for (size_t i = 0; i < button.m_targetSolids.size(); ++i) {
        WriteFloat3(out, SavedAt(button.m_savedSolidPos, i));
    }
}

void ReadTranslate(ArchiveReader& in, CBtnTranslate& button) {
    button.m_vector = ReadFloat3(in);
    button.m_savedVerts = ReadFloat3s(in, button.m_targetVerts.size());
    button.m_savedSolidPos = ReadFloat3s(in, button.m_targetSolids.size());
}

void WriteRotate(ArchiveWriter& out, const CBtnRotatef& button) {
    for (int i = 0; i < 3; ++i) {
        out.Float(button.m_axisDir[i]);
        out.Float(button.m_axisPoint[i]);
    }
    out.Float(button.m_angle);
    for (size_t i = 0; i < button.m_targetVerts.size(); ++i) {
        WriteFloat3(out, SavedAt(button.m_savedVerts, i));
    }
    for (size_t s = 0; s < button.m_targetSolids.size(); ++s) {
        const Float3 position = SavedAt(button.m_savedSolidPos, s);
        const Float3 axis = SavedAt(button.m_savedSolidAxis, s);
        for (int i = 0; i < 3; ++i) {
            out.Float(position[i]);
            out.Float(axis[i]);
        }
        out.Float(SavedAt(button.m_savedSolidAngle, s));
    }
}

void ReadRotate(ArchiveReader& in, CBtnRotatef& button) {
    for (int i = 0; i < 3; ++i) {
        button.m_axisDir[i] = in.Float();
        button.m_axisPoint[i] = in.Float();
    }
    button.m_angle = in.Float();
    button.m_savedVerts = ReadFloat3s(in, button.m_targetVerts.size());
    const size_t solids = button.m_targetSolids.size();
    if (solids > in.Remaining() / 28) {
        in.Fail("按钮保存的组件位置超出了剩余的数据");
    }
    button.m_savedSolidPos.resize(solids);
    button.m_savedSolidAxis.resize(solids);
    button.m_savedSolidAngle.resize(solids);
    for (size_t s = 0; s < solids; ++s) {
        for (int i = 0; i < 3; ++i) {
            button.m_savedSolidPos[s][i] = in.Float();
            button.m_savedSolidAxis[s][i] = in.Float();
        }
        button.m_savedSolidAngle[s] = in.Float();
    }
}

void WriteSerial(ArchiveWriter& out, const CBtnSerues2& button, bool hasCurrent) {
    out.IntList(button.m_members);
    out.Word(hasCurrent ? static_cast<uint16_t>(button.m_members[button.m_posCurrent])
                        : kNoCurrentKey);
    out.Long(hasCurrent ? button.m_nNextStart : 0);
}

void ReadSerial(ArchiveReader& in, CBtnSerues2& button) {
    button.m_members = in.IntList();
    const uint16_t currentKey = in.Word();
    button.m_nNextStart = in.Long();
    const auto current = std::find(button.m_members.begin(), button.m_members.end(),
                                   static_cast<int>(currentKey));
    if (currentKey == kNoCurrentKey || current == button.m_members.end()) {
        button.m_posCurrent = CBtnSerues2::kNoCurrent;
        button.m_nTick = 0;
        button.m_nNextStart = 0;
    } else {
        button.m_posCurrent = static_cast<int>(current - button.m_members.begin());
    }
}

bool HasCurrentMember(const CBtnSerues2& button) {
    return button.m_posCurrent >= 0 &&
           static_cast<size_t>(button.m_posCurrent) < button.m_members.size();
}

std::unique_ptr<CBtCmd> NewButton(StoredClass storedClass) {
    switch (storedClass) {
        case StoredClass::kBtnShow: return std::make_unique<CBtnShow>();
        case StoredClass::kBtnTranslate: return std::make_unique<CBtnTranslate>();
        case StoredClass::kBtnRotatef: return std::make_unique<CBtnRotatef>();
        case StoredClass::kBtnSerues: return std::make_unique<CBtnSerues>();
        case StoredClass::kBtnSerues2: return std::make_unique<CBtnSerues2>();
        default: return nullptr;
    }
}

}  // namespace

void WriteButtonRecord(ArchiveWriter& out, const CBtCmd& button, StoredClass storedClass) {
    if (storedClass == StoredClass::kBtnSerues2) {
        // Reading a series with no current member resets its tick, so it is stored reset.
        const auto& serial = static_cast<const CBtnSerues2&>(button);
        const bool hasCurrent = HasCurrentMember(serial);
        WriteCommon(out, button, hasCurrent ? button.m_nTick : 0);
        WriteSerial(out, serial, hasCurrent);
        return;
    }
    WriteCommon(out, button, button.m_nTick);
    switch (storedClass) {
        case StoredClass::kBtnTranslate:
            WriteTranslate(out, static_cast<const CBtnTranslate&>(button));
            break;
        case StoredClass::kBtnRotatef:
            WriteRotate(out, static_cast<const CBtnRotatef&>(button));
            break;
        case StoredClass::kBtnSerues:
            out.IntList(static_cast<const CBtnSerues&>(button).m_members);
            break;
        default: break;
    }
}

std::unique_ptr<CBtCmd> ReadButtonRecord(ArchiveReader& in, StoredClass storedClass) {
    std::unique_ptr<CBtCmd> button = NewButton(storedClass);
    if (!button) {
        in.Fail("类 " + std::string(StoredClassName(storedClass)) + " 不是操作按钮");
    }
    ReadCommon(in, *button);
    switch (storedClass) {
        case StoredClass::kBtnTranslate:
            ReadTranslate(in, static_cast<CBtnTranslate&>(*button));
            break;
        case StoredClass::kBtnRotatef:
            ReadRotate(in, static_cast<CBtnRotatef&>(*button));
            break;
        case StoredClass::kBtnSerues:
            static_cast<CBtnSerues&>(*button).m_members = in.IntList();
            break;
        case StoredClass::kBtnSerues2:
            ReadSerial(in, static_cast<CBtnSerues2&>(*button));
            break;
        default: break;
    }
    return button;
}

StoredClass ButtonClassOfKind(ArchiveReader& in, uint8_t kind) {
    switch (kind) {
        case kButtonShow: return StoredClass::kBtnShow;
        case kButtonTranslate: return StoredClass::kBtnTranslate;
        case kButtonRotate: return StoredClass::kBtnRotatef;
        case kButtonParallel: return StoredClass::kBtnSerues;
        case kButtonSerial: return StoredClass::kBtnSerues2;
        default: in.Fail("未知的按钮类型 " + std::to_string(kind));
    }
}

}  // namespace velnor
