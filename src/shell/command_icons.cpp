#include "shell/command_icons.h"

#include <QString>

#include <map>

#include "commands/command_ids.h"

namespace velnor {

namespace {

// Every drawn icon, by the command it stands for; the files live in resources/icons.
const std::map<int, const char*>& IconFiles() {
    static const std::map<int, const char*> files = {
        {kCubeButton, "cube"},
        {kTetrahedronButton, "tetrahedron"},
        {cmd::kStartStop, "play"},
        {cmd::kFullScreen, "full-screen"},
        {cmd::kCycleProjection, "projection"},
        {cmd::kReset, "reset"},
        {cmd::kLineTool, "line"},
        {cmd::kPreviousPage, "page-previous"},
        {cmd::kNextPage, "page-next"},
        {cmd::kNewPage, "page-new"},
        {cmd::kLockSelection, "lock-selection"},
        {cmd::kFace, "plane"},
        {cmd::kMidpoint, "midpoint"},
        {cmd::kManagerBar, "manager"},
        {cmd::kSelectTool, "select"},
        {cmd::kIntersection, "intersection"},
        {cmd::kPerpendicular, "perpendicular"},
        {cmd::kCommonPerpendicular, "common-perpendicular"},
        {cmd::kProperties, "properties"},
        {cmd::kParallel, "parallel"},
        {cmd::kRotateZForward, "rotate-z-forward"},
        {cmd::kRotateZBackward, "rotate-z-backward"},
        {cmd::kRotateXForward, "rotate-x-forward"},
        {cmd::kRotateXBackward, "rotate-x-backward"},
        {cmd::kCurrentMaterial, "material-apply"},
        {cmd::kCircleThroughThreePoints, "circle"},
        {cmd::kFigureSet, "figure-set"},
        {cmd::kShowGrid, "axes"},
        {cmd::kComponent, "component"},
        {cmd::kRotateCustomAxis, "rotate-axis"},
        {cmd::kLiveMaterial, "material-live"},
        {cmd::kGeometricSphere, "sphere"},
        {cmd::kSelectRegion, "select-region"},
        {cmd::kThreeView, "three-view"},
        {cmd::kRandomMaterial, "material-random"},
        {cmd::kPencil, "pencil"},
        {cmd::kSmoothShading, "smooth-shading"},
        {cmd::kHideObjects, "hide"},
        {cmd::kZoomIn, "zoom-in"},
        {cmd::kZoomOut, "zoom-out"},
        {cmd::kAddText, "text"},
        {cmd::kSection, "section"},
        {cmd::kNet, "net"},
        {cmd::kNewFile, "file-new"},
        {cmd::kOpen, "file-open"},
        {cmd::kSave, "file-save"},
        {cmd::kClear, "edit-clear"},
        {cmd::kCopy, "edit-copy"},
        {cmd::kCut, "edit-cut"},
        {cmd::kPaste, "edit-paste"},
        {cmd::kUndo, "edit-undo"},
        {cmd::kRedo, "edit-redo"},
    };
    return files;
}

}  // namespace

QIcon CommandIcon(int id) {
    const auto found = IconFiles().find(id);
    if (found == IconFiles().end()) {
        return {};
    }
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromUtf8(found->second)));
}

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/app/velnor.svg"));
}

}  // namespace velnor
