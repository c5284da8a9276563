#include "cli/render_command.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/gl_model.h"
#include "model/page.h"
#include "view/demo_page.h"
#include "view/gl_setup.h"
#include "view/offscreen_renderer.h"
#include "view/private_display.h"

namespace velnor::cli {

namespace {

constexpr const char* kUsage =
    "usage: velnor-cli render (FILE --page N | --demo) --size WxH [--projection 0|1|2] "
    "[--three-view] -o OUT.png\n";

struct RenderOptions {
    std::string file;
    bool demo = false;
    int page = 1;
    int width = 0;
    int height = 0;
    int projection = 1;
    bool threeView = false;
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

bool ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x).c_str(), width) &&
           ParseInt(text.substr(x + 1).c_str(), height) && width > 0 && height > 0 &&
           width <= 8192 && height <= 8192;
}

// Returns the options, or nothing after printing what is wrong.
std::optional<RenderOptions> Parse(int argc, char** argv) {
    RenderOptions o;
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
    if (o.width == 0 || o.output.empty() || o.demo == !o.file.empty()) {
        std::fprintf(stderr, "%s", kUsage);
        return std::nullopt;
    }
    return o;
}

// The page to draw; nothing after printing why there is none.
std::unique_ptr<CGpage> LoadPage(const RenderOptions& o) {
    if (o.demo) {
        return MakeDemoPage();
    }
    std::fprintf(stderr, "velnor-cli render: reading .plm files is not available in this build\n");
    return nullptr;
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

    std::unique_ptr<CGpage> page = LoadPage(*options);
    if (!page) {
        return 1;
    }
    try {
        OffscreenRenderer renderer(SceneSettings());
        FrameLayout layout;
        layout.width = options->width;
        layout.height = options->height;
        layout.projection = options->projection;
        layout.viewports = options->threeView ? 4 : 1;
        const QImage image = renderer.Render(page.get(), layout);
        if (!image.save(QString::fromStdString(options->output), "PNG")) {
            std::fprintf(stderr, "velnor-cli render: cannot write %s\n", options->output.c_str());
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velnor-cli render: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace velnor::cli
