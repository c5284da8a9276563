#include "shell/animation_recorder.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

#include "buttons/button_tick.h"
#include "model/document.h"
#include "output/animation_files.h"
#include "output/animation_recording.h"
#include "persistence/clipboard_payload.h"
#include "shell/dialogs/record_animation_dialog.h"
#include "shell/document_files.h"
#include "shell/main_frame.h"
#include "view/offscreen_renderer.h"
#include "view/plom_view.h"

namespace velnor {

namespace {

// The page as it stands, to be pressed and ticked without touching the document.
std::unique_ptr<CGpage> CopyOfPage(const CGpage& page) {
    return DecodeClipboard(EncodePageClipboard(page)).page;
}

// The buttons the teacher sees on the page; hidden ones are parts of a series.
std::vector<RecordableButton> ButtonsOf(const CGpage& page) {
    std::vector<RecordableButton> buttons;
    for (const auto& [key, button] : page.m_buttons) {
        if (button->m_bHidden == 0) {
            buttons.push_back({key, QString::fromStdString(button->m_strCaption)});
        }
    }
    return buttons;
}

// Beside the document, named after it; in the home folder for a document never saved.
QString ProposedPath(const QString& documentPath) {
    if (documentPath.isEmpty()) {
        return QDir::home().filePath(QStringLiteral("动画.gif"));
    }
    const QFileInfo document(documentPath);
    return document.dir().filePath(document.completeBaseName() + QStringLiteral(".gif"));
}

// Records the request on a copy of the current page with the view's camera and speed.
QString Record(CMainFrame& frame, const AnimationRequest& request,
               const std::function<bool(int)>& progress) {
    CPlomView& view = frame.View();
    CPlomDoc& doc = frame.Document();
    CGlModel settings = view.Settings();
    OffscreenRenderer renderer(settings, view.LabelPixelSize());
    FrameLayout layout = view.Layout();
    for (const auto& page : doc.m_pages) {
        if (page->m_nComponentList != 0) {
            renderer.CompileComponent(*page, page->m_nComponentList, layout.positionsAsColors);
        }
    }
    layout.width = request.size.width();
    layout.height = request.size.height();
    // The mouse tool's feedback and the background image belong to the window, not the figure.
    layout.toolFeedback = {};
    layout.image = nullptr;
    const std::unique_ptr<CGpage> page = CopyOfPage(doc.CurrentPage());
    const Recording recording =
        RecordAnimation(*page, renderer, layout, {request.pressKey, request.ticks}, progress);
    if (recording.cancelled || !recording.error.isEmpty()) {
        return recording.error;
    }
    return WriteAnimationFile(request.path, recording.frames, view.Control().m_nInterval);
}

}  // namespace

void RecordViewAnimation(CMainFrame& frame) {
    const CGpage& page = frame.Document().CurrentPage();
    RecordAnimationDialog dialog(
        ButtonsOf(page), AnyButtonRuns(page), frame.View().size(),
        ProposedPath(frame.Files().Path()),
        [&frame](const AnimationRequest& request, const std::function<bool(int)>& progress) {
            return Record(frame, request, progress);
        },
        &frame);
    dialog.exec();
}

}  // namespace velnor
