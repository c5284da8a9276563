#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMatrix4x4>
#include <QMouseEvent>
#include <QTest>

#include <memory>
#include <string>

#include "model/document.h"
#include "model/gl_model.h"
#include "view/plom_view.h"
#include "view/projection.h"

namespace velnor::test {

// Where a world point shows in the view: the orthographic or oblique projection of the window,
// the camera's distance and its two rotations, computed here with Qt's matrices. `area` is the
// part of the view drawn into (x, y from the view's upper left, width, height): the whole view by
// default, a quadrant in the three-view layout.
inline QPoint WindowPosition(const CPlomView& view, const ViewCamera& camera, QVector3D p,
                             QRect area = {}) {
    const float w = static_cast<float>(view.width()), h = static_cast<float>(view.height());
    const float a = w / h;
    QMatrix4x4 projection;
    if (view.Control().m_nProjection == kOblique) {
        const float l = 17.675f - 12 * a, r = 17.675f + 12 * a, b = 5.675f, t = 29.675f;
        const float n = 0, f = 220;
        projection = QMatrix4x4(2 / (r - l), 0, -0.70710678f / (r - l), -(r + l) / (r - l),  //
                                0, 2 / (t - b), -0.70710678f / (t - b), -(t + b) / (t - b),  //
                                0, 0, -2 / (f - n), -(f + n) / (f - n),                      //
                                0, 0, 0, 1);
    } else {
        projection.ortho(-12 * a, 12 * a, -12, 12, 0, 220);
    }
    QMatrix4x4 modelView;
    modelView.translate(camera.m_fPanX, camera.m_fPanY, camera.m_fDistance);
    modelView.rotate(camera.m_fAngleX, 1, 0, 0);
    modelView.rotate(camera.m_fAngleAxis, camera.m_vAxis[0], camera.m_vAxis[1], camera.m_vAxis[2]);
    const QVector3D ndc = (projection * modelView).map(p);
    if (area.isNull()) {
        area = QRect(0, 0, view.width(), view.height());
    }
    return {area.x() + qRound((ndc.x() + 1) / 2 * area.width()),
            area.y() + qRound(area.height() - (ndc.y() + 1) / 2 * area.height())};
}

class PickingTest : public testing::Test {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        BuildPage(doc.CurrentPage());
        view = std::make_unique<CPlomView>(settings);
        view->resize(800, 600);
        view->Tools().SetDocument(&doc);
        view->SetPage(&doc.CurrentPage());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    }

    // A segment AB, a triangle CDE, a sphere high above, and nothing selected.
    static void BuildPage(CGpage& page) {
        page.AddVertex(-8, 0, 0);
        page.AddVertex(-2, 0, 0);
        page.AddVertex(2, -4, 0);
        page.AddVertex(8, -4, 0);
        page.AddVertex(5, 4, 0);
        page.AddLine(0, 1, kSegment);
        const int triangle[] = {2, 3, 4};
        page.AddFace(triangle);
        page.AddSolid(std::make_unique<CSubassembly>(kSolidSphere, 0, Float3{0, 8, 6}, 0.0f,
                                                     Float3{0, 0, 1}, Float3{1.5f, 1.5f, 1.5f}, 0.5,
                                                     0, Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
        page.ClearSelection();
    }

    QPoint At(QVector3D p) const { return WindowPosition(*view, settings.m_camera, p); }
    QPoint AtVertex(int v) const {
        const Float3& p = Page().m_pos[v];
        return At({p[0], p[1], p[2]});
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, held,
                          modifiers);
        QApplication::sendEvent(view.get(), &event);
    }
    void MoveTo(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
    void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void DragTo(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
    void Click(QPoint at) {
        MoveTo(at);
        Press(at);
        Release(at);
    }

    const CGpage& Page() const { return doc.CurrentPage(); }
    std::string UndoName() const {
        const CCmd* current = doc.CommandProcessor().Current();
        return current ? current->GetName() : std::string();
    }

    CGlModel settings;
    CPlomDoc doc;
    std::unique_ptr<CPlomView> view;
};

}  // namespace velnor::test
