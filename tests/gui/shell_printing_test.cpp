#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

#include "commands/command_ids.h"
#include "geometry/solid_generators.h"
#include "model/document.h"
#include "model/page.h"
#include "shell/command_actions.h"
#include "shell/document_files.h"
#include "shell/frame_printing.h"
#include "shell/main_frame.h"
#include "shell/view_figure.h"
#include "view/demo_page.h"
#include "view/plom_view.h"

namespace velnor {
namespace {

struct TestProfile {
    TestProfile() { QStandardPaths::setTestModeEnabled(true); }
};

class ShellPrintingTest : public testing::Test, private TestProfile {
protected:
    ShellPrintingTest() {
        frame.resize(1400, 900);
        frame.show();
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

    // Makes `page` the current page of an unmodified document.
    CPlomDoc& ShowPage(std::unique_ptr<CGpage> page) {
        CPlomDoc& doc = frame.Document();
        doc.AppendPage(std::move(page));
        doc.ActivatePage(std::prev(doc.m_pages.end()));
        doc.SetModifiedFlag(false);
        return doc;
    }

    int PdfPages(const QString& path) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        info.waitForFinished(30000);
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    QTemporaryDir dir;
    CMainFrame frame;
};

TEST_F(ShellPrintingTest, PrintPreviewShowsTheCurrentPageOnASheet) {
    CPlomDoc& doc = frame.Document();
    doc.AppendPage(MakeDemoPage());
    doc.ActivatePage(std::prev(doc.m_pages.end()));
    bool shown = false;
    QTimer::singleShot(1500, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = true;
            dialog->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/print_preview.png"));
            dialog->reject();
        }
    });
    Trigger(cmd::kPrintPreview);
    EXPECT_TRUE(shown);
}

TEST_F(ShellPrintingTest, PrintingToAFileTakesTheCurrentPageOrAll) {
    Trigger(cmd::kNewPage);
    Trigger(cmd::kNewPage);
    ASSERT_EQ(frame.Document().m_pages.size(), 3u);
    FramePrinting printing(frame);
    const QString current = dir.filePath(QStringLiteral("current.pdf"));
    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    ASSERT_EQ(printing.PrintToFile(current, false), QString());
    ASSERT_EQ(printing.PrintToFile(all, true), QString());
    EXPECT_EQ(PdfPages(current), 1);
    EXPECT_EQ(PdfPages(all), 3);
}

TEST_F(ShellPrintingTest, TheFigureOfTheViewGoesToSvgPdfAndTikz) {
    const std::pair<const char*, QByteArray> files[] = {
        {"figure.svg", "<?xml"}, {"figure.pdf", "%PDF-"}, {"figure.tex", "% "}};
    for (const auto& [name, head] : files) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_EQ(ExportViewFigure(path, frame.Document(), frame.View()), QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(head));
    }
    EXPECT_FALSE(frame.Document().IsModified());
}

// 另存为 offers TikZ after SVG and PDF, then the models; choosing it writes the figure as a LaTeX
// document and leaves the document as it was.
TEST_F(ShellPrintingTest, SaveAsOffersTikzAfterSvgAndPdf) {
    CPlomDoc& doc = ShowPage(MakeDemoPage());
    const QString path = dir.filePath(QStringLiteral("figure.tex"));
    QStringList filters;
    QTimer::singleShot(1500, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        filters = dialog->nameFilters();
        dialog->selectNameFilter(QStringLiteral("TikZ图形 (*.tex)"));
        QApplication::processEvents();
        dialog->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/save_as_tikz.png"));
        // Typed into the name field, as a person would.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    Trigger(cmd::kSaveAs);
    ASSERT_GE(filters.size(), 7);
    EXPECT_EQ(filters.mid(filters.size() - 7),
              QStringList({QStringLiteral("SVG图形(*.svg)"), QStringLiteral("PDF文件(*.pdf)"),
                           QStringLiteral("TikZ图形 (*.tex)"), QStringLiteral("STL模型(*.stl)"),
                           QStringLiteral("OBJ模型(*.obj)"), QStringLiteral("glTF模型(*.glb)"),
                           QStringLiteral("网页 (*.html)")}));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().contains("\\begin{tikzpicture}"));
    EXPECT_FALSE(doc.IsModified());
}

// 另存为 writes the whole document as one web page and leaves the document as it was.
TEST_F(ShellPrintingTest, SaveAsWritesAWebLesson) {
    CPlomDoc& doc = ShowPage(MakeDemoPage());
    const QString path = dir.filePath(QStringLiteral("lesson.html"));
    QTimer::singleShot(1500, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        dialog->selectNameFilter(QStringLiteral("网页 (*.html)"));
        QApplication::processEvents();
        dialog->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/save_as_web_lesson.png"));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    Trigger(cmd::kSaveAs);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray html = written.readAll();
    EXPECT_TRUE(html.contains("id=\"lesson-data\""));
    EXPECT_TRUE(html.contains("\"pages\":[{"));
    EXPECT_FALSE(doc.IsModified());
}

// 另存为 writes the page as a model of the chosen type and leaves the document as it was; a page
// with nothing that has a surface is refused with a message and no file.
TEST_F(ShellPrintingTest, SaveAsWritesModelsAndRefusesAPageWithoutSurfaces) {
    CPlomDoc& doc = ShowPage(MakeDemoPage());
    const QString path = dir.filePath(QStringLiteral("model.stl"));
    QTimer::singleShot(1500, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        dialog->selectNameFilter(QStringLiteral("STL模型(*.stl)"));
        QApplication::processEvents();
        dialog->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/save_as_model.png"));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    });
    // The model's options come next; they stay as they are.
    QTimer options;
    QObject::connect(&options, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QStringLiteral("ModelOptionsDialog")) {
            options.stop();
            static_cast<QDialog*>(modal)->accept();
        }
    });
    options.start(20);
    Trigger(cmd::kSaveAs);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_GT(written.size(), 84);
    EXPECT_FALSE(doc.IsModified());

    ShowPage(std::make_unique<CGpage>());
    QString message;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            watch.stop();
            message = box->text();
            box->grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/model_refused.png"));
            box->accept();
        }
    });
    watch.start(20);
    const QString empty = dir.filePath(QStringLiteral("empty.glb"));
    EXPECT_FALSE(frame.Files().SaveAs(empty));
    EXPECT_TRUE(message.contains(QStringLiteral("没有可以导出为模型的面或立体")))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(empty));
}

// A cube of edge 5, nothing selected.
void AddCubeToPrint(CMainFrame& frame) {
    AddCube(frame.Document().CurrentPage(), {}, 5.0f);
    frame.Document().CurrentPage().ClearSelection();
    frame.Document().Refresh(kHintAll);
    QApplication::processEvents();
}

TEST_F(ShellPrintingTest, TheNetLiesBesideTheCubeInAViewThatShowsBoth) {
    AddCubeToPrint(frame);
    const ViewCamera before = frame.Document().Settings().m_camera;
    Trigger(cmd::kNet);
    EXPECT_LT(frame.Document().Settings().m_camera.m_fZoom, before.m_fZoom);
    frame.View().grab().save(QStringLiteral(VELNOR_SCREENSHOT_DIR "/net_beside_cube.png"));
    Trigger(cmd::kUndo);
    EXPECT_EQ(frame.Document().Settings().m_camera.m_fZoom, before.m_fZoom);
    EXPECT_EQ(frame.Document().CurrentPage().m_nVertexCount, 8);
}

// The dialog says how many sheets the scale takes; its OK opens the preview of the sheets.
TEST_F(ShellPrintingTest, TheNetDialogCountsTheSheetsAndThePreviewShowsThem) {
    AddCubeToPrint(frame);
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

int BluePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > 150 && c.red() < 90 && c.green() < 90 ? 1 : 0;
        }
    }
    return count;
}

// The teapot of the figure is read from an OpenGL context of its own; the view's context is
// current again afterwards and draws as before, and the figure shows the teapot as the view does.
TEST_F(ShellPrintingTest, ATeapotGoesToTheFigureAndTheViewDrawsOn) {
    frame.Document().CurrentPage().AddSolid(std::make_unique<CSubassembly>(
        kSolidTeapot, 0, Float3{0, 0, 0}, 0.0f, Float3{0, 0, 1}, Float3{4, 4, 4}, 0.5, 0,
        Plane{0, 0, 1, 0}, Plane{0, 0, -1, 0}));
    frame.View().update();
    QApplication::processEvents();
    const QImage view = frame.View().grabFramebuffer();
    const int before = BluePixels(view);
    ASSERT_GT(before, 1000);
    const QString path = dir.filePath(QStringLiteral("teapot.svg"));
    ASSERT_EQ(ExportViewFigure(path, frame.Document(), frame.View()), QString());
    QSvgRenderer svg(path);
    QImage figure(view.size(), QImage::Format_RGB32);
    figure.fill(Qt::black);
    QPainter painter(&figure);
    svg.render(&painter);
    painter.end();
    EXPECT_NEAR(BluePixels(figure), before, before / 20);
    frame.View().update();
    QApplication::processEvents();
    EXPECT_NEAR(BluePixels(frame.View().grabFramebuffer()), before, before / 20);
}

}  // namespace
}  // namespace velnor
