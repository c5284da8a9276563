#include "persistence/sample_pages.h"

#include <cmath>
#include <limits>

#include "model/bit_text.h"

namespace velnor::test {

std::unique_ptr<CGpage> EmptyFirstPage() {
    auto page = std::make_unique<CGpage>();
    page->m_nId = 1;
    page->m_strName = " 第一页 ";
    return page;
}

std::unique_ptr<CGpage> PageWithEveryRecordKind(uint16_t id) {
    auto page = std::make_unique<CGpage>();
    page->m_nId = id;
    page->m_strName = "立体几何 " + std::to_string(id);
    page->m_bFillFaces = 1;
    page->m_nScheme = 3;
    page->m_bPerspInThreeView = 0;
    for (int i = 0; i < 8; ++i) {
        page->AddVertex(1.5f * i, -2.25f * i, std::ldexp(1.0f, -i));
    }
    page->m_label[7] = "顶点P";
    page->m_bShown[6] = 0;
    page->m_pos[5][0] = std::numeric_limits<float>::denorm_min();
    page->m_chLabelSuffix = '1';

    page->AddLine(0, 1, kSegment);
    page->AddLine(1, 2, kRay);
    page->AddLine(2, 7, kVector);
    page->m_lines.at(2)->m_bHidden = true;
    const int tri[] = {0, 1, 2};
    const int quad[] = {0, 1, 3, 2};
    page->AddFace(tri);
    page->AddFace(quad);
    auto hexagon = std::make_unique<CFacen>(std::vector<uint8_t>{0, 1, 2, 3, 4, 5});
    hexagon->m_strName = "ABCDE...";
    page->m_faces[page->m_nNextFaceId++] = std::move(hexagon);

    auto sphere = std::make_unique<CSubassembly>(kSolidSphere, 0, Float3{1, 2, 3}, 30.0f,
                                                 Float3{0, 0, -1}, Float3{2, 2, 2}, 0.25, 3,
                                                 Plane{1, 0, 0, 0.5}, Plane{0, 1, 0, -0.5});
    sphere->m_strName = "球";
    sphere->m_bOwnMaterial = 1;
    sphere->m_material.diffuse = {0.1f, 0.2f, 0.3f, 0.4f};
    page->AddSolid(std::move(sphere));
    auto component = std::make_unique<CSubassembly>();
    component->m_nKind = kSolidPageComponent;
    component->m_nComponent = 2;
    page->AddSolid(std::move(component));
    auto bitText = std::make_unique<CBitText>(33, 2, std::vector<uint8_t>(16, 0xA5));
    bitText->m_color = {1, 2, 3};
    page->AddSolid(std::move(bitText));
    page->AddSolid(std::make_unique<CBitRtfText>(
        8, 1, std::vector<uint8_t>{0x81, 0, 0, 0}, "{\\rtf1 \\'c4\\'e3}", 7, -9));

    auto show = std::make_unique<CBtnShow>();
    show->m_targetVerts = {0, 1};
    show->m_targetLines = {1};
    show->m_targetFaces = {2};
    show->m_targetSolids = {1};
    show->m_bTwoWay = 1;
    page->AddButton(std::move(show));
    auto translate = std::make_unique<CBtnTranslate>();
    translate->m_targetVerts = {2, 3};
    translate->m_targetSolids = {1};
    translate->ResizeSaved();
    translate->m_savedVerts[1] = {4, 5, 6};
    translate->m_nState = 1;
    translate->m_strCaption = "平移三角形";
    page->AddButton(std::move(translate));
    auto rotate = std::make_unique<CBtnRotatef>();
    rotate->m_targetVerts = {4};
    rotate->m_targetSolids = {1, 2};
    rotate->ResizeSaved();
    rotate->m_savedSolidAxis[1] = {0, 0, 1};
    rotate->m_savedSolidAngle[0] = 45.0f;
    rotate->m_angle = -360.0f;
    page->AddButton(std::move(rotate));
    auto parallel = std::make_unique<CBtnSerues>();
    parallel->m_members = {3024, 3025};
    page->AddButton(std::move(parallel));
    auto serial = std::make_unique<CBtnSerues2>();
    serial->m_members = {3025, 3026};
    serial->m_posCurrent = 1;
    serial->m_nTick = 54;
    serial->m_nNextStart = 60;
    serial->m_bRunning = 1;
    page->AddButton(std::move(serial));
    auto idleSerial = std::make_unique<CBtnSerues2>();
    idleSerial->m_members = {3024, 3026};
    idleSerial->m_bHidden = 1;
    page->AddButton(std::move(idleSerial));

    auto distance = std::make_unique<CDTextCell>(3);
    distance->m_strName = "距离AB";
    distance->m_strText = "距离AB=1.0000";
    distance->m_nVertCount = 2;
    distance->m_verts[0] = 0;
    distance->m_verts[1] = 1;
    distance->m_fValue = 1.0f;
    distance->m_nPlaceX = 200;
    distance->m_nPlaceY = 40;
    page->AddText(std::move(distance));
    auto volume = std::make_unique<CDTextCell>(9);
    volume->m_nVertCount = 6;
    volume->m_verts = {0, 1, 2, 3, 4, 5};
    page->AddText(std::move(volume));

    page->m_selPoints = {7, 2};
    page->m_selLines = {3};
    page->m_selFaces = {1, 2};
    page->m_selSolids = {4};
    page->m_bClip = 1;
    page->m_clipPlane = {0.5, -0.25, 1e300, -0.0};
    page->m_nComponentList = 2;
    return page;
}

}  // namespace velnor::test
