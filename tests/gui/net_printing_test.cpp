#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QStandardPaths>
#include <QTimer>

#include <functional>
#include <vector>

#include "commands/command_ids.h"
#include "geometry/solid_generators.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/main_frame.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

struct TestProfile {
    TestProfile() { QStandardPaths::setTestModeEnabled(true); }
};

class NetPrintingTest : public testing::Test, private TestProfile {
protected:
    NetPrintingTest() {
        frame.resize(1400, 900);
        frame.show();
        AddCube(frame.Document().CurrentPage(), {}, 5.0f);
        frame.Document().CurrentPage().ClearSelection();
        frame.Document().Refresh(kHintAll);
        QApplication::processEvents();
    }

    void Trigger(int id) {
        QAction* action = frame.Actions().Action(id);
        ASSERT_NE(action, nullptr) << id;
        frame.Actions().UpdateStates();
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
        QApplication::processEvents();
    }

    CMainFrame frame;
};

TEST_F(NetPrintingTest, TheNetLiesBesideTheCubeInAViewThatShowsBoth) {
    const ViewCamera before = frame.Document().Settings().m_camera;
    Trigger(cmd::kNet);
    EXPECT_LT(frame.Document().Settings().m_camera.m_fZoom, before.m_fZoom);
    frame.View().grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/net_beside_cube.png"));
    Trigger(cmd::kUndo);
    EXPECT_EQ(frame.Document().Settings().m_camera.m_fZoom, before.m_fZoom);
    EXPECT_EQ(frame.Document().CurrentPage().m_nVertexCount, 8);
}

// The dialog says how many sheets the scale takes; its OK opens the preview of the sheets.
TEST_F(NetPrintingTest, TheDialogCountsTheSheetsAndThePreviewShowsThem) {
    std::vector<QString> counts;
    bool previewed = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            return;
        }
        if (modal->objectName() == QStringLiteral("NetPaperDialog")) {
            auto* sheets = modal->findChild<QLabel*>(QStringLiteral("sheets"));
            auto* scale = modal->findChild<QDoubleSpinBox*>(QStringLiteral("scale"));
            counts.push_back(sheets->text());
            scale->setValue(3.0);
            counts.push_back(sheets->text());
            scale->setValue(1.0);
            modal->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/net_paper_dialog.png"));
            static_cast<QDialog*>(modal)->accept();
        } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
            watch.stop();
            previewed = true;
            QApplication::processEvents();
            preview->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/net_print_preview.png"));
            preview->reject();
        }
    });
    watch.start(200);
    Trigger(cmd::kPrintNet);
    ASSERT_EQ(counts.size(), 2u);
    EXPECT_EQ(counts[0], QStringLiteral("需要1张纸。"));
    EXPECT_TRUE(counts[1].startsWith(QStringLiteral("需要8张纸"))) << counts[1].toStdString();
    EXPECT_TRUE(previewed);
}

}  // namespace
}  // namespace velnor
