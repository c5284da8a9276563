#include "output/lesson_page_json.h"

#include <QJsonArray>

#include <algorithm>

#include "model/display_presets.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/button_replay.h"
#include "output/lesson_json.h"
#include "output/lesson_solid_json.h"
#include "view/camera_control.h"
#include "view/extra_lights.h"
#include "view/face_palette.h"

namespace velnor {

namespace {

// The projection the page is shown in when it becomes current: its preset's, or the view's
// first one.
int ProjectionOf(PresetProjection preset) {
    return preset == PresetProjection::kCentral ? 0 : 1;
}

QJsonObject CameraJson(const CGlModel& settings, int projection) {
    ViewCamera view = settings.m_camera;
    CameraControl camera(view);
    camera.InitialUpdate();
    camera.SetProjection(projection);
    return {{QStringLiteral("panX"), LessonNumber(view.m_fPanX)},
            {QStringLiteral("panY"), LessonNumber(view.m_fPanY)},
            {QStringLiteral("distance"), LessonNumber(view.m_fDistance)},
            {QStringLiteral("zoom"), LessonNumber(view.m_fZoom)},
            {QStringLiteral("angleX"), LessonNumber(view.m_fAngleX)},
            {QStringLiteral("angleAxis"), LessonNumber(view.m_fAngleAxis)},
            {QStringLiteral("axis"), LessonPoint(view.m_vAxis)}};
}

// The directions of the two extra lights when 辅助光源 is on, none when it is off.
QJsonArray ExtraLightsJson(const CGlModel& s) {
    QJsonArray lights;
    if (s.m_bExtraLights) {
        for (const auto& p : {kExtraLightLeft, kExtraLightRight}) {
            lights.append(LessonNumbers({p[0], p[1], p[2]}));
        }
    }
    return lights;
}

QJsonObject SceneJson(const CGlModel& s) {
    return {
        {QStringLiteral("background"), LessonColour(s.m_bgColor)},
        {QStringLiteral("line"), LessonColour(s.m_lineColor)},
        {QStringLiteral("label"), LessonColour(s.m_labelColor)},
        {QStringLiteral("select"), LessonColour(s.m_selectColor)},
        {QStringLiteral("component"), LessonColour(s.m_componentColor)},
        {QStringLiteral("dot"), LessonColour(s.m_newPointColor)},
        {QStringLiteral("text"), LessonColour(s.m_textColor)},
        {QStringLiteral("lineWidth"), LessonNumber(s.m_fLineWidth)},
        {QStringLiteral("lighting"), s.m_bLighting != 0},
        {QStringLiteral("blending"), s.m_bBlending != 0},
        {QStringLiteral("lightPosition"),
         LessonNumbers({s.m_lightPosition[0], s.m_lightPosition[1], s.m_lightPosition[2],
                        s.m_lightPosition[3]})},
        {QStringLiteral("lightAmbient"),
         LessonNumbers({s.m_lightAmbient[0], s.m_lightAmbient[1], s.m_lightAmbient[2]})},
        {QStringLiteral("lightDiffuse"),
         LessonNumbers({s.m_lightDiffuse[0], s.m_lightDiffuse[1], s.m_lightDiffuse[2]})},
        {QStringLiteral("extraLights"), ExtraLightsJson(s)},
        {QStringLiteral("extraDiffuse"),
         LessonNumbers({kExtraLightDiffuse[0], kExtraLightDiffuse[1], kExtraLightDiffuse[2]})},
    };
}

QJsonArray PointsJson(const CGpage& page) {
    QJsonArray points;
    for (int i = 0; i < page.m_nVertexCount; ++i) {
        points.append(
            QJsonObject{{QStringLiteral("at"), LessonPoint(page.m_pos[i])},
                        {QStringLiteral("label"), QString::fromStdString(page.m_label[i])},
                        {QStringLiteral("shown"), page.m_bShown[i] != 0}});
    }
    return points;
}

bool Contains(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool EndsOnPage(const CGpage& page, std::span<const uint8_t> verts) {
    return std::all_of(verts.begin(), verts.end(),
                       [&](uint8_t v) { return v < page.m_nVertexCount; });
}

QJsonArray LinesJson(const CGpage& page) {
    QJsonArray lines;
    for (const auto& [key, line] : page.m_lines) {
        const uint8_t ends[] = {line->m_nStart, line->m_nEnd};
        if (!EndsOnPage(page, ends)) {
            continue;
        }
        lines.append(QJsonObject{{QStringLiteral("key"), key},
                                 {QStringLiteral("ends"), QJsonArray{ends[0], ends[1]}},
                                 {QStringLiteral("kind"), line->m_nKind},
                                 {QStringLiteral("hidden"), line->m_bHidden != 0},
                                 {QStringLiteral("selected"), Contains(page.m_selLines, key)}});
    }
    return lines;
}

// In fill mode every face is painted in the palette by its place among the drawn faces; in line
// mode only the selected ones are, by their place in the selection.
QJsonArray FacesJson(const CGpage& page, const CGlModel& settings) {
    QJsonArray faces;
    int number = 0;
    for (const auto& [key, face] : page.m_faces) {
        const auto verts = face->Verts();
        if (verts.size() < 3 || !EndsOnPage(page, verts)) {
            continue;
        }
        QJsonArray corners;
        for (const uint8_t v : verts) {
            corners.append(v);
        }
        QJsonObject json{{QStringLiteral("key"), key},
                         {QStringLiteral("verts"), corners},
                         {QStringLiteral("hidden"), face->m_bHidden != 0}};
        const auto selected = std::find(page.m_selFaces.begin(), page.m_selFaces.end(), key);
        if (page.m_bFillFaces) {
            const PaletteColor& c = FacePaletteColor(face->m_bHidden ? number : number++);
            json[QStringLiteral("colour")] = QJsonArray{c[0], c[1], c[2]};
        } else if (selected != page.m_selFaces.end() && settings.m_nFillStipple != 0) {
            json[QStringLiteral("colour")] = LessonColour(settings.m_fillColor);
        } else if (selected != page.m_selFaces.end()) {
            const PaletteColor& c =
                FacePaletteColor(static_cast<int>(selected - page.m_selFaces.begin()));
            json[QStringLiteral("colour")] = QJsonArray{c[0], c[1], c[2]};
        }
        faces.append(json);
    }
    return faces;
}

QJsonArray TextsJson(const CGpage& page) {
    QJsonArray texts;
    for (const auto& [key, text] : page.m_texts) {
        texts.append(QJsonObject{{QStringLiteral("key"), key},
                                 {QStringLiteral("text"), QString::fromStdString(text->m_strText)},
                                 {QStringLiteral("x"), text->m_nPlaceX},
                                 {QStringLiteral("y"), text->m_nPlaceY},
                                 {QStringLiteral("hidden"), text->m_bHidden != 0}});
    }
    return texts;
}

QJsonArray Selected(const CGpage& page) {
    QJsonArray points;
    for (const int v : page.m_selPoints) {
        if (v >= 0 && v < page.m_nVertexCount) {
            points.append(v);
        }
    }
    return points;
}

}  // namespace

QJsonObject LessonPageJson(const CGpage& page, const CGlModel& settings,
                           std::span<const CGpage* const> pages) {
    CGlModel shown = settings;
    const int projection =
        ProjectionOf(ApplyDisplayPreset(shown, static_cast<int>(page.m_nScheme)));
    const LessonSolids solids = LessonSolidsJson(page, shown, pages);
    return {
        {QStringLiteral("name"), QString::fromStdString(page.m_strName)},
        {QStringLiteral("projection"), projection},
        {QStringLiteral("camera"), CameraJson(shown, projection)},
        {QStringLiteral("scene"), SceneJson(shown)},
        {QStringLiteral("fillFaces"), page.m_bFillFaces != 0},
        {QStringLiteral("showDots"), page.m_bShowDots != 0},
        {QStringLiteral("points"), PointsJson(page)},
        {QStringLiteral("selectedPoints"), Selected(page)},
        {QStringLiteral("lines"), LinesJson(page)},
        {QStringLiteral("faces"), FacesJson(page, shown)},
        {QStringLiteral("solids"), solids.solids},
        {QStringLiteral("shapes"), solids.shapes},
        {QStringLiteral("bitTexts"), LessonBitTextsJson(page)},
        {QStringLiteral("texts"), TextsJson(page)},
        {QStringLiteral("buttons"), ButtonRunsJson(page)},
    };
}

}  // namespace velnor
