#include "persistence/document_json.h"

#include <algorithm>
#include <string_view>

#include "encoding/cp936.h"
#include "model/bit_text.h"

namespace velnor {

namespace {

void Floats(JsonWriter& json, std::string_view key, std::span<const float> values) {
    json.NumberArray(key, values);
}

void Ints(JsonWriter& json, std::string_view key, const std::vector<int>& values) {
    json.NumberArray(key, std::span<const int>(values));
}

void Color(JsonWriter& json, std::string_view key, Rgb color) {
    const std::array<int, 3> channels{color.r, color.g, color.b};
    json.NumberArray(key, std::span<const int>(channels));
}

void MaterialJson(JsonWriter& json, const Material& material) {
    json.Key("material").BeginObject();
    Floats(json, "ambient", material.ambient);
    Floats(json, "diffuse", material.diffuse);
    Floats(json, "specular", material.specular);
    json.Field("shininess", material.shininess);
    json.EndObject();
}

void FontJson(JsonWriter& json, const LogFont& font) {
    json.Key("title_font").BeginObject();
    json.Field("height", font.lfHeight);
    json.Field("width", font.lfWidth);
    json.Field("escapement", font.lfEscapement);
    json.Field("orientation", font.lfOrientation);
    json.Field("weight", font.lfWeight);
    json.Field("italic", font.lfItalic);
    json.Field("underline", font.lfUnderline);
    json.Field("strike_out", font.lfStrikeOut);
    json.Field("char_set", font.lfCharSet);
    json.Field("out_precision", font.lfOutPrecision);
    json.Field("clip_precision", font.lfClipPrecision);
    json.Field("quality", font.lfQuality);
    json.Field("pitch_and_family", font.lfPitchAndFamily);
    const auto end = std::find(font.lfFaceName.begin(), font.lfFaceName.end(), 0);
    json.Field("face_name",
               Cp936ToUtf8(std::string_view(reinterpret_cast<const char*>(font.lfFaceName.data()),
                                            static_cast<size_t>(end - font.lfFaceName.begin()))));
    json.EndObject();
}

void VertexJson(JsonWriter& json, const CGpage& page, int i) {
    json.BeginObject();
    json.Field("index", i);
    json.Field("label", page.m_label[i]);
    json.Field("x", page.m_pos[i][0]);
    json.Field("y", page.m_pos[i][1]);
    json.Field("z", page.m_pos[i][2]);
    json.Field("r", page.m_color[i][0]);
    json.Field("g", page.m_color[i][1]);
    json.Field("b", page.m_color[i][2]);
    json.Field("shown", page.m_bShown[i]);
    json.EndObject();
}

// What every cell of the maps has.
void CommonJson(JsonWriter& json, const CGcell& cell) {
    json.Field("name", cell.m_strName);
    json.Field("hidden", cell.m_bHidden);
}

void LineJson(JsonWriter& json, const CLineCell& line) {
    CommonJson(json, line);
    json.Field("start", line.m_nStart);
    json.Field("end", line.m_nEnd);
    json.Field("kind", line.m_nKind);
}

void FaceJson(JsonWriter& json, const CFaceCell& face) {
    json.Field("class", face.ClassName());
    CommonJson(json, face);
    json.NumberArray("vertices", face.Verts());
}

void BitmapJson(JsonWriter& json, const CBitText& text) {
    json.Key("bitmap").BeginObject();
    json.Field("width", text.m_nWidth);
    json.Field("height", text.m_nHeight);
    Color(json, "color", text.m_color);
    json.Field("bytes", static_cast<int64_t>(text.m_bits.size()));
    json.EndObject();
    if (const auto* rich = dynamic_cast<const CBitRtfText*>(&text)) {
        json.Field("rtf", Cp936ToUtf8(rich->m_strRtf));
        const std::array<int, 2> extra{rich->m_nExtra1, rich->m_nExtra2};
        json.NumberArray("rtf_values", std::span<const int>(extra));
    }
}

void SolidJson(JsonWriter& json, const CSubassembly& solid) {
    json.Field("class", solid.ClassName());
    CommonJson(json, solid);
    json.Field("kind", solid.m_nKind);
    json.Field("component", solid.m_nComponent);
    Floats(json, "position", solid.m_position);
    Floats(json, "direction", solid.m_direction);
    json.Field("spin", solid.m_fSpin);
    Floats(json, "scale", solid.m_scale);
    json.Field("shape", solid.m_dShape);
    json.Field("clip_mode", solid.m_nClipMode);
    json.NumberArray("clip_plane1", std::span<const double>(solid.m_clipPlane1));
    json.NumberArray("clip_plane2", std::span<const double>(solid.m_clipPlane2));
    json.Field("texture", solid.m_nTexture);
    json.Field("own_material", solid.m_bOwnMaterial);
    MaterialJson(json, solid.m_material);
    if (const auto* text = dynamic_cast<const CBitText*>(&solid)) {
        BitmapJson(json, *text);
    }
}

void TextJson(JsonWriter& json, const CDTextCell& text) {
    CommonJson(json, text);
    json.Field("type", text.m_nType);
    json.NumberArray("vertices", text.Verts());
    json.Field("value", text.m_fValue);
    json.Field("text", text.m_strText);
    const std::array<int, 2> place{text.m_nPlaceX, text.m_nPlaceY};
    json.NumberArray("place", std::span<const int>(place));
}

void SavedJson(JsonWriter& json, std::string_view key, const std::vector<Float3>& saved) {
    json.Key(key).BeginArray(true);
    for (const Float3& v : saved) {
        json.BeginArray(true);
        for (float value : v) {
            json.Number(value);
        }
        json.EndArray();
    }
    json.EndArray();
}

void ButtonDetailsJson(JsonWriter& json, const CBtCmd& button) {
    if (const auto* translate = dynamic_cast<const CBtnTranslate*>(&button)) {
        Floats(json, "vector", translate->m_vector);
        SavedJson(json, "saved_vertices", translate->m_savedVerts);
        SavedJson(json, "saved_solid_positions", translate->m_savedSolidPos);
    } else if (const auto* rotate = dynamic_cast<const CBtnRotatef*>(&button)) {
        Floats(json, "axis_direction", rotate->m_axisDir);
        Floats(json, "axis_point", rotate->m_axisPoint);
        json.Field("angle", rotate->m_angle);
        SavedJson(json, "saved_vertices", rotate->m_savedVerts);
        SavedJson(json, "saved_solid_positions", rotate->m_savedSolidPos);
        SavedJson(json, "saved_solid_axes", rotate->m_savedSolidAxis);
        Floats(json, "saved_solid_angles", rotate->m_savedSolidAngle);
    } else if (const auto* parallel = dynamic_cast<const CBtnSerues*>(&button)) {
        Ints(json, "members", parallel->m_members);
    } else if (const auto* serial = dynamic_cast<const CBtnSerues2*>(&button)) {
        Ints(json, "members", serial->m_members);
        json.Field("current", serial->m_posCurrent);
        json.Field("next_start", serial->m_nNextStart);
    }
}

void ButtonJson(JsonWriter& json, const CBtCmd& button) {
    json.Field("class", button.ClassName());
    json.Field("kind", button.m_nKind);
    json.Field("caption", button.m_strCaption);
    json.Field("hidden", button.m_bHidden != 0);
    json.Field("state", button.m_nState);
    json.Field("running", button.m_bRunning);
    json.Field("tick", button.m_nTick);
    json.Field("two_way", button.m_bTwoWay);
    const std::array<int, 4> rect{button.m_rect.left, button.m_rect.top, button.m_rect.right,
                                  button.m_rect.bottom};
    json.NumberArray("rect", std::span<const int>(rect));
    json.Field("ticks_one_way", button.m_nTicksOneWay);
    json.Field("ticks_per_press", button.m_nTicksPerPress);
    Ints(json, "target_vertices", button.m_targetVerts);
    Ints(json, "target_lines", button.m_targetLines);
    Ints(json, "target_faces", button.m_targetFaces);
    Ints(json, "target_solids", button.m_targetSolids);
    ButtonDetailsJson(json, button);
}

// Each cell as an object that starts with its key.
template <typename Cell, typename WriteCell>
void MapJson(JsonWriter& json, std::string_view key, const CellMap<Cell>& map, WriteCell write) {
    json.Key(key).BeginArray();
    for (const auto& [cellKey, cell] : map) {
        json.BeginObject();
        json.Field("key", cellKey);
        write(json, *cell);
        json.EndObject();
    }
    json.EndArray();
}

}  // namespace

void WriteSettingsJson(JsonWriter& json, const CGlModel& settings) {
    json.BeginObject();
    Floats(json, "light_position", settings.m_lightPosition);
    Floats(json, "light_ambient", settings.m_lightAmbient);
    Floats(json, "light_diffuse", settings.m_lightDiffuse);
    Floats(json, "light_specular", settings.m_lightSpecular);
    MaterialJson(json, settings.m_material);
    json.Key("colors").BeginObject();
    Color(json, "background", settings.m_bgColor);
    Color(json, "line", settings.m_lineColor);
    Color(json, "fill", settings.m_fillColor);
    Color(json, "label", settings.m_labelColor);
    Color(json, "component", settings.m_componentColor);
    Color(json, "selection", settings.m_selectColor);
    Color(json, "new_point", settings.m_newPointColor);
    Color(json, "text", settings.m_textColor);
    json.EndObject();
    json.Field("texture", settings.m_nTexture);
    json.Field("fill_stipple", settings.m_nFillStipple);
    json.Key("switches").BeginObject();
    json.Field("smooth_colors", settings.m_bSmoothColors);
    json.Field("colored_lines", settings.m_bColorLines);
    json.Field("lighting", settings.m_bLighting);
    json.Field("extra_lights", settings.m_bExtraLights);
    json.Field("texturing", settings.m_bTexturing);
    json.Field("blending", settings.m_bBlending);
    json.Field("color_material", settings.m_bColorMaterial);
    json.Field("smooth_lines", settings.m_bSmoothLines);
    json.EndObject();
    json.Field("title1", settings.m_strTitle1);
    json.Field("title2", settings.m_strTitle2);
    FontJson(json, settings.m_titleFont);
    json.EndObject();
}

void WritePageJson(JsonWriter& json, const CGpage& page) {
    json.BeginObject();
    json.Field("id", page.m_nId);
    json.Field("name", page.m_strName);
    json.Field("fill_faces", page.m_bFillFaces);
    json.Field("scheme", page.m_nScheme);
    json.Field("persp_in_three_view", page.m_bPerspInThreeView);
    // One byte each, read as code page 936 like every stored string.
    json.Field("next_label",
               Cp936ToUtf8(std::string(1, page.m_chNextLabel == 0 ? ' ' : page.m_chNextLabel)));
    json.Field("label_suffix", page.m_chLabelSuffix == 0
                                   ? std::string()
                                   : Cp936ToUtf8(std::string(1, page.m_chLabelSuffix)));
    json.Key("next_keys").BeginObject();
    json.Field("line", page.m_nNextLineId);
    json.Field("face", page.m_nNextFaceId);
    json.Field("solid", page.m_nNextSolidId);
    json.Field("button", page.m_nNextButtonId);
    json.Field("text", page.m_nNextTextId);
    json.EndObject();
    json.Field("component", page.m_nComponentList);
    json.Field("clip", page.m_bClip);
    json.NumberArray("clip_plane", std::span<const double>(page.m_clipPlane));
    json.Key("vertices").BeginArray();
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        VertexJson(json, page, i);
    }
    json.EndArray();
    MapJson(json, "lines", page.m_lines, LineJson);
    MapJson(json, "faces", page.m_faces, FaceJson);
    MapJson(json, "solids", page.m_solids, SolidJson);
    MapJson(json, "texts", page.m_texts, TextJson);
    MapJson(json, "buttons", page.m_buttons, ButtonJson);
    json.Key("selection").BeginObject();
    Ints(json, "vertices", page.m_selPoints);
    Ints(json, "lines", page.m_selLines);
    Ints(json, "faces", page.m_selFaces);
    Ints(json, "solids", page.m_selSolids);
    json.EndObject();
    json.EndObject();
}

std::string DocumentToJson(const CPlomDoc& doc, const CGlModel& settings) {
    JsonWriter json;
    json.BeginObject();
    json.Key("settings");
    WriteSettingsJson(json, settings);
    json.Field("next_page_id", doc.m_nNextPageId);
    json.Key("components").BeginArray();
    for (int i = 1; i <= doc.m_nComponentCount; ++i) {
        json.String(doc.m_componentNames[i]);
    }
    json.EndArray();
    json.Key("pages").BeginArray();
    for (const auto& page : doc.m_pages) {
        WritePageJson(json, *page);
    }
    json.EndArray();
    json.Field("notes_rtf", Cp936ToUtf8(doc.NotesRtf()));
    json.EndObject();
    return json.Text();
}

}  // namespace velnor
