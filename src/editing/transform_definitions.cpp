#include "editing/transform_definitions.h"

#include <cmath>

#include "model/document.h"
#include "model/message_seam.h"

namespace velnor {

namespace {

constexpr const char* kBadAxis = "旋转轴方程不正确,未作改动";

}  // namespace

std::optional<Float3> NormalizeDirection(const Float3& direction) {
    const float length = std::sqrt(direction[0] * direction[0] + direction[1] * direction[1] +
                                   direction[2] * direction[2]);
    if (!(length > 0.0f) || !std::isfinite(length)) {
        return std::nullopt;
    }
    return Float3{direction[0] / length, direction[1] / length, direction[2] / length};
}

DefineOutcome DefineTranslationFromSelection(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const auto vector = page.TranslationFromSelection();
    if (!vector) {
        return DefineOutcome::kNeedsDialog;
    }
    page.m_translation = *vector;
    doc.SetModifiedFlag();
    return DefineOutcome::kDefined;
}

DefineOutcome DefineAxisFromSelection(CPlomDoc& doc) {
    CGpage& page = doc.CurrentPage();
    const bool oneLine =
        page.m_selPoints.empty() && page.m_selLines.size() == 1 && page.m_selFaces.empty();
    if (!oneLine) {
        return DefineOutcome::kNeedsDialog;
    }
    const auto axis = page.AxisFromSelection();
    if (!axis) {
        ShowMessage(kBadAxis);
        return DefineOutcome::kRefused;
    }
    page.m_axisPoint = axis->point;
    page.m_axisDir = axis->direction;
    doc.SetModifiedFlag();
    return DefineOutcome::kDefined;
}

void SetTranslation(CPlomDoc& doc, const Float3& vector) {
    doc.CurrentPage().m_translation = vector;
    doc.SetModifiedFlag();
}

bool SetRotationAxis(CPlomDoc& doc, const Float3& point, const Float3& direction) {
    CGpage& page = doc.CurrentPage();
    const auto unit = NormalizeDirection(direction);
    if (unit) {
        page.m_axisPoint = point;
        page.m_axisDir = *unit;
    } else {
        ShowMessage(kBadAxis);
    }
    doc.SetModifiedFlag();
    return unit.has_value();
}

void SetRotationAngle(CPlomDoc& doc, float degrees) {
    doc.CurrentPage().m_fAngle = degrees;
    doc.SetModifiedFlag();
}

void SetScaleFactors(CPlomDoc& doc, const Float3& factors) {
    doc.CurrentPage().m_scaleFactors = factors;
    doc.SetModifiedFlag();
}

}  // namespace velnor
