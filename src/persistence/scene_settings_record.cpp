#include "persistence/scene_settings_record.h"

#include <array>

namespace velnor {

namespace {

// The seven four-float vectors, interleaved component by component in the record.
template <typename Settings>
auto LightAndMaterial(Settings& s) {
    return std::array{&s.m_lightPosition,     &s.m_lightAmbient,     &s.m_lightDiffuse,
                      &s.m_lightSpecular,     &s.m_material.ambient, &s.m_material.diffuse,
                      &s.m_material.specular};
}

template <typename Settings>
auto Colors(Settings& s) {
    return std::array{&s.m_bgColor,        &s.m_lineColor,      &s.m_fillColor,
                      &s.m_labelColor,     &s.m_componentColor, &s.m_selectColor,
                      &s.m_newPointColor,  &s.m_textColor};
}

// The display switches in their stored order.
template <typename Settings>
auto Switches(Settings& s) {
    return std::array{&s.m_bSmoothColors, &s.m_bColorLines, &s.m_bLighting,
                      &s.m_bExtraLights,  &s.m_bTexturing,  &s.m_bBlending,
                      &s.m_bColorMaterial, &s.m_bSmoothLines};
}

template <typename Member>
auto Channel(Member rgb, int j) {
    return j == 0 ? &rgb->r : j == 1 ? &rgb->g : &rgb->b;
}

}  // namespace

void WriteSceneSettings(ArchiveWriter& out, const CGlModel& settings) {
    const auto vectors = LightAndMaterial(settings);
    for (int i = 0; i < 4; ++i) {
        for (const auto* vector : vectors) {
            out.Float((*vector)[i]);
        }
    }
    for (int j = 0; j < 3; ++j) {
        for (const auto* color : Colors(settings)) {
            out.Byte(*Channel(color, j));
        }
    }
    out.Float(settings.m_material.shininess);
    out.Long(settings.m_nTexture);
    out.Long(settings.m_nFillStipple);
    for (const auto* flag : Switches(settings)) {
        out.Byte(*flag);
    }
    out.String(settings.m_strTitle1);
    out.String(settings.m_strTitle2);

    const LogFont& font = settings.m_titleFont;
    out.Byte(font.lfCharSet);
    out.Byte(font.lfClipPrecision);
    out.Long(font.lfEscapement);
    out.Bytes(font.lfFaceName);
    out.Long(font.lfHeight);
    out.Byte(font.lfItalic);
    out.Long(font.lfOrientation);
    out.Byte(font.lfOutPrecision);
    out.Byte(font.lfPitchAndFamily);
    out.Byte(font.lfQuality);
    out.Byte(font.lfStrikeOut);
    out.Byte(font.lfUnderline);
    out.Long(font.lfWeight);
    out.Long(font.lfWidth);
}

void ReadSceneSettings(ArchiveReader& in, CGlModel& settings) {
    const auto vectors = LightAndMaterial(settings);
    for (int i = 0; i < 4; ++i) {
        for (auto* vector : vectors) {
            (*vector)[i] = in.Float();
        }
    }
    for (int j = 0; j < 3; ++j) {
        for (auto* color : Colors(settings)) {
            *Channel(color, j) = in.Byte();
        }
    }
    settings.m_material.shininess = in.Float();
    settings.m_nTexture = in.Long();
    settings.m_nFillStipple = in.Long();
    for (auto* flag : Switches(settings)) {
        *flag = in.Byte();
    }
    settings.m_strTitle1 = in.String();
    settings.m_strTitle2 = in.String();

    LogFont& font = settings.m_titleFont;
    font.lfCharSet = in.Byte();
    font.lfClipPrecision = in.Byte();
    font.lfEscapement = in.Long();
    const auto face = in.Bytes(font.lfFaceName.size());
    std::copy(face.begin(), face.end(), font.lfFaceName.begin());
    font.lfHeight = in.Long();
    font.lfItalic = in.Byte();
    font.lfOrientation = in.Long();
    font.lfOutPrecision = in.Byte();
    font.lfPitchAndFamily = in.Byte();
    font.lfQuality = in.Byte();
    font.lfStrikeOut = in.Byte();
    font.lfUnderline = in.Byte();
    font.lfWeight = in.Long();
    font.lfWidth = in.Long();
}

}  // namespace velnor
