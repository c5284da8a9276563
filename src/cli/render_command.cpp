#include "cli/render_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "cli/net_render.h"
#include "model/display_presets.h"
#include "model/gl_model.h"
#include "model/page.h"
#include "output/animation_files.h"
#include "output/animation_recording.h"
#include "output/figure_files.h"
#include "output/model_files.h"
#include "output/page_model.h"
#include "output/paper_net.h"
#include "output/vector_frame.h"
#include "output/web_lesson.h"
#include "persistence/archive_error.h"
#include "persistence/document_file.h"
#include "persistence/document_io.h"
#include "view/camera_control.h"
#include "view/demo_page.h"
#include "view/gl_setup.h"
#include "view/offscreen_renderer.h"
#include "view/private_display.h"

namespace velnor::cli {

namespace {

constexpr const char* kUsage =
    "usage: velnor-cli render (FILE --page N | --demo) --size WxH [--projection 0|1|2] "
    "[--three-view] [--scale CM_PER_PIXEL] [--tikz-body] -o OUT.png|OUT.svg|OUT.pdf|OUT.tex\n"
    "       velnor-cli render FILE --page N [--tubes R] [--balls R] [--units mm|cm|m|in] "
    "[--scale S] -o OUT.stl|OUT.obj|OUT.glb\n"
    "       velnor-cli render FILE --page N --press KEY [--ticks N] [--fps F] --size WxH "
    "[--projection 0|1|2] [--three-view] -o OUT.gif|OUT.webp\n"
    "       velnor-cli render (FILE | --demo) -o LESSON.html\n"
    "       velnor-cli render FILE [--page N] --net FACE_KEY [--scale CM_PER_UNIT] "
    "[--paper A4|A3|Letter] -o OUT.pdf|OUT.svg\n";

struct RenderOptions {
    std::string file;
    bool demo = false;
    int page = 1;
    int width = 0;
    int height = 0;
    int projection = 1;
    bool threeView = false;
    double scale = 0.0;  // 0: not given
    TikzOptions tikz;
    ModelOptions model;
    std::optional<int> netFace;
    NetPaperOptions net;
    RecordingPlan recording;
    double framesPerSecond = 1000.0 / kIntervalMedium;  // one frame a tick, at the usual speed
    std::string output;
};

bool ParseInt(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 0 || parsed > 100000) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

// A number from `low` to `high`, the whole argument.
bool ParseNumber(const char* text, double low, double high, double& value) {
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    if (end == text || *end != '\0' || !(parsed >= low && parsed <= high)) {
        return false;
    }
    value = parsed;
    return true;
}

// A figure's scale goes from a hundredth of a millimetre to ten centimetres for a pixel of the
// view.
constexpr double kLowestFigureScale = 0.001, kHighestFigureScale = 10.0;
// From one frame in ten seconds to the fastest timer's hundred a second.
constexpr double kSlowestFrameRate = 0.1, kFastestFrameRate = 100.0;

bool ParseKey(const char* text, std::optional<uint16_t>& key) {
    int value = 0;
    if (!ParseInt(text, value) || value > UINT16_MAX) {
        return false;
    }
    key = static_cast<uint16_t>(value);
    return true;
}

bool ParseUnit(const char* text, ModelUnit& unit) {
    const std::optional<ModelUnit> named = ModelUnitNamed(text);
    if (named) {
        unit = *named;
    }
    return named.has_value();
}

// The scale given on the command line, read for the kind of output; false when out of range.
bool ApplyScale(RenderOptions& o) {
    if (o.scale == 0.0) {
        return true;
    }
    if (o.netFace) {
        o.net.scale = o.scale;
        return o.scale >= kLeastNetScale && o.scale <= kMostNetScale;
    }
    if (IsModelPath(QString::fromStdString(o.output))) {
        o.model.scale = o.scale;
        return o.scale >= kLowestModelScale && o.scale <= kHighestModelScale;
    }
    o.tikz.centimetresPerPixel = o.scale;
    return o.scale >= kLowestFigureScale && o.scale <= kHighestFigureScale;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x).c_str(), width) &&
           ParseInt(text.substr(x + 1).c_str(), height) && width > 0 && height > 0 &&
           width <= 8192 && height <= 8192;
}

// A picture goes out as PNG, a drawing as SVG, PDF or TikZ; any other name would get bytes of
// another kind than it says.
bool IsKnownOutput(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    return suffix == QStringLiteral("png") || IsVectorFigurePath(QString::fromStdString(path)) ||
           IsModelPath(QString::fromStdString(path)) ||
           IsWebLessonPath(QString::fromStdString(path)) ||
           IsAnimationPath(QString::fromStdString(path));
}

bool ParsePaper(const char* text, PaperKind& paper) {
    const std::optional<PaperKind> named = PaperNamed(text);
    if (named) {
        paper = *named;
    }
    return named.has_value();
}

// A net goes on paper as PDF sheets or one SVG drawing.
bool IsNetOutput(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    return suffix == QStringLiteral("pdf") || suffix == QStringLiteral("svg");
}

// Returns the options, or nothing after printing what is wrong.
std::optional<RenderOptions> Parse(int argc, char** argv) {
    RenderOptions o;
    int key = 0;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--page" && hasValue && ParseInt(argv[i + 1], o.page) && o.page >= 1) {
            ++i;
        } else if (arg == "--size" && hasValue && ParseSize(argv[i + 1], o.width, o.height)) {
            ++i;
        } else if (arg == "--projection" && hasValue && ParseInt(argv[i + 1], o.projection) &&
                   o.projection <= 2) {
            ++i;
        } else if (arg == "--scale" && hasValue &&
                   ParseNumber(argv[i + 1], kLowestModelScale, kHighestModelScale, o.scale)) {
            ++i;
        } else if (arg == "--tubes" && hasValue &&
                   ParseNumber(argv[i + 1], 0.0, kLargestModelRadius, o.model.tubeRadius)) {
            ++i;
        } else if (arg == "--balls" && hasValue &&
                   ParseNumber(argv[i + 1], 0.0, kLargestModelRadius, o.model.ballRadius)) {
            ++i;
        } else if (arg == "--units" && hasValue && ParseUnit(argv[i + 1], o.model.unit)) {
            ++i;
        } else if (arg == "--net" && hasValue && ParseInt(argv[i + 1], key) && key >= 1 &&
                   key <= UINT16_MAX) {
            o.netFace = key;
            ++i;
        } else if (arg == "--paper" && hasValue && ParsePaper(argv[i + 1], o.net.paper)) {
            ++i;
        } else if (arg == "--press" && hasValue && ParseKey(argv[i + 1], o.recording.pressKey)) {
            ++i;
        } else if (arg == "--ticks" && hasValue && ParseInt(argv[i + 1], o.recording.maxTicks) &&
                   o.recording.maxTicks >= 1 && o.recording.maxTicks <= kLongestRecording) {
            ++i;
        } else if (arg == "--fps" && hasValue &&
                   ParseNumber(argv[i + 1], kSlowestFrameRate, kFastestFrameRate,
                               o.framesPerSecond)) {
            ++i;
        } else if (arg == "--tikz-body") {
            o.tikz.pictureOnly = true;
        } else if (arg == "-o" && hasValue) {
            o.output = argv[++i];
        } else if (arg == "--three-view") {
            o.threeView = true;
        } else if (arg == "--demo") {
            o.demo = true;
        } else if (!arg.starts_with("-") && o.file.empty()) {
            o.file = arg;
        } else {
            std::fprintf(stderr, "velnor-cli render: bad argument '%s'\n%s", arg.c_str(), kUsage);
            return std::nullopt;
        }
    }
    // Models, lessons and nets have no picture size: a lesson fills the browser's window, a net
    // is drawn at its true size. A button is pressed only to record it, and an animation needs one.
    const QString output = QString::fromStdString(o.output);
    const bool sized = o.width > 0 || IsModelPath(output) || IsWebLessonPath(output) || o.netFace;
    const bool known = o.netFace ? IsNetOutput(o.output) && !o.demo : IsKnownOutput(o.output);
    const bool animation = IsAnimationPath(output);
    if (!sized || !known || o.demo == !o.file.empty() || !ApplyScale(o) ||
        animation != o.recording.pressKey.has_value()) {
        std::fprintf(stderr, "%s", kUsage);
        return std::nullopt;
    }
    return o;
}

// The pages to draw with the scene settings they come with; nothing after printing why not.
std::optional<DocumentFileContent> LoadPages(const RenderOptions& o) {
    if (o.demo) {
        DocumentFileContent content;
        content.pages.push_back(MakeDemoPage());
        return content;
    }
    try {
        return DecodeDocumentFile(ReadWholeFile(o.file), kDefaultSceneSettings);
    } catch (const ArchiveError& e) {
        std::fprintf(stderr, "velnor-cli render: %s: %s\n", o.file.c_str(), e.what());
        return std::nullopt;
    }
}

// The camera of the options on the settings of the page's file, with the page's display preset.
CameraControl PrepareCamera(CGlModel& settings, const CGpage& page, const RenderOptions& o) {
    // The command line chooses the projection; the page's preset brings lights and switches.
    ApplyDisplayPreset(settings, static_cast<int>(page.m_nScheme));
    CameraControl camera(settings.m_camera);
    camera.InitialUpdate();
    camera.SetProjection(o.projection);
    if (o.threeView) {
        camera.ToggleThreeView();
    }
    return camera;
}

// Readies the renderer to draw the page the options name, with the settings of its file and its
// display preset, and returns the layout to draw it with.
FrameLayout PrepareRenderer(OffscreenRenderer& renderer, DocumentFileContent& content,
                            const RenderOptions& o) {
    CGpage& page = *content.pages[static_cast<size_t>(o.page - 1)];
    const CameraControl camera = PrepareCamera(content.settings, page, o);
    const bool positionsAsColors = page.m_nScheme == kPresetCamouflage;
    for (const auto& other : content.pages) {
        if (other->m_nComponentList != 0) {
            renderer.CompileComponent(*other, other->m_nComponentList, positionsAsColors);
        }
    }
    FrameLayout layout;
    layout.width = o.width;
    layout.height = o.height;
    layout.projection = camera.m_nProjection;
    layout.viewports = camera.m_nViewports;
    layout.positionsAsColors = positionsAsColors;
    return layout;
}

QImage RenderPage(DocumentFileContent& content, const RenderOptions& o) {
    OffscreenRenderer renderer(content.settings);
    const FrameLayout layout = PrepareRenderer(renderer, content, o);
    return renderer.Render(content.pages[static_cast<size_t>(o.page - 1)].get(), layout);
}

// Presses the button and writes what the page does as an animation; false after saying why not.
bool RecordPage(DocumentFileContent& content, const RenderOptions& o) {
    OffscreenRenderer renderer(content.settings);
    const FrameLayout layout = PrepareRenderer(renderer, content, o);
    CGpage& page = *content.pages[static_cast<size_t>(o.page - 1)];
    const Recording recording = RecordAnimation(page, renderer, layout, o.recording);
    QString error = recording.error;
    if (error.isEmpty()) {
        const int frameMilliseconds = static_cast<int>(std::lround(1000.0 / o.framesPerSecond));
        error = WriteAnimationFile(QString::fromStdString(o.output), recording.frames,
                                   frameMilliseconds);
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velnor-cli render: %s\n", error.toUtf8().constData());
    }
    return error.isEmpty();
}

// Writes the page as an SVG, PDF or TikZ drawing; an empty string, or why not.
QString DrawVectorPage(DocumentFileContent& content, const RenderOptions& o) {
    CGpage& page = *content.pages[static_cast<size_t>(o.page - 1)];
    const CameraControl camera = PrepareCamera(content.settings, page, o);
    VectorLayout layout;
    layout.width = o.width;
    layout.height = o.height;
    layout.projection = camera.m_nProjection;
    layout.viewports = camera.m_nViewports;
    for (const auto& other : content.pages) {
        layout.componentPages.push_back(other.get());
    }
    return WriteVectorFigure(QString::fromStdString(o.output), page, content.settings, layout,
                             o.tikz);
}

// Writes the page as a 3D model; a note on an open face set goes to the error stream, as the
// file is still written.
bool WriteModel(DocumentFileContent& content, const RenderOptions& o) {
    const CGpage& page = *content.pages[static_cast<size_t>(o.page - 1)];
    const ModelExport result =
        WriteModelFile(QString::fromStdString(o.output), page, content.settings, o.model);
    for (const QString& text : {result.error, result.note}) {
        if (!text.isEmpty()) {
            std::fprintf(stderr, "velnor-cli render: %s\n", text.toUtf8().constData());
        }
    }
    return result.error.isEmpty();
}

// Writes every page as one web lesson, titled by the file's name.
bool WriteLesson(const DocumentFileContent& content, const RenderOptions& o) {
    std::vector<const CGpage*> pages;
    for (const auto& page : content.pages) {
        pages.push_back(page.get());
    }
    const QString title = o.demo ? QStringLiteral("Velnor")
                                 : QFileInfo(QString::fromStdString(o.file)).completeBaseName();
    const QString error =
        WriteWebLesson(QString::fromStdString(o.output), {content.settings, pages, title});
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velnor-cli render: %s\n", error.toUtf8().constData());
    }
    return error.isEmpty();
}

// Draws into the file the output names, choosing the form by its extension.
bool WriteOutput(DocumentFileContent& content, const RenderOptions& o) {
    const QString output = QString::fromStdString(o.output);
    if (IsWebLessonPath(output)) {
        return WriteLesson(content, o);
    }
    if (o.netFace) {
        const CGpage& page = *content.pages[static_cast<size_t>(o.page - 1)];
        const QString error = WriteNetOfFace(output, page, *o.netFace, o.net);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "velnor-cli render: %s\n", error.toUtf8().constData());
        }
        return error.isEmpty();
    }
    if (IsModelPath(output)) {
        return WriteModel(content, o);
    }
    if (IsAnimationPath(output)) {
        return RecordPage(content, o);
    }
    if (IsVectorFigurePath(output)) {
        const QString error = DrawVectorPage(content, o);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "velnor-cli render: %s\n", error.toUtf8().constData());
        }
        return error.isEmpty();
    }
    if (!RenderPage(content, o).save(output, "PNG")) {
        std::fprintf(stderr, "velnor-cli render: cannot write %s\n", o.output.c_str());
        return false;
    }
    return true;
}

}  // namespace

int RunRender(int argc, char** argv) {
    const std::optional<RenderOptions> options = Parse(argc, argv);
    if (!options) {
        return 2;
    }
    std::string error;
    if (!EnsureDisplay(error)) {
        std::fprintf(stderr, "velnor-cli render: %s\n", error.c_str());
        return 1;
    }
    const DisplayHold hold(5000);
    if (!hold.IsOpen()) {
        std::fprintf(stderr, "velnor-cli render: the display does not answer\n");
        return 1;
    }
    UseCompatibilityFormat();
    int qtArgc = 1;
    char name[] = "velnor-cli";
    char* qtArgv[] = {name, nullptr};
    QGuiApplication app(qtArgc, qtArgv);

    std::optional<DocumentFileContent> content = LoadPages(*options);
    if (!content) {
        return 1;
    }
    if (static_cast<size_t>(options->page) > content->pages.size()) {
        std::fprintf(stderr, "velnor-cli render: the document has %zu pages, not %d\n",
                     content->pages.size(), options->page);
        return 1;
    }
    // A recording the page cannot give is a mistake in the arguments, as a bad size is.
    if (options->recording.pressKey) {
        const QString refusal = RecordingRefusal(
            *content->pages[static_cast<size_t>(options->page - 1)], options->recording);
        if (!refusal.isEmpty()) {
            std::fprintf(stderr, "velnor-cli render: %s\n", refusal.toUtf8().constData());
            return 2;
        }
    }
    try {
        if (!WriteOutput(*content, *options)) {
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velnor-cli render: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace velnor::cli
