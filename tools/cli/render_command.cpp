#include "render_command.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <memory>
#include <ostream>
#include <regex>

#include "base/cp1251.h"
#include "cli_app.h"
#include "module_table.h"
#include "settings/color_store.h"
#include "view/graphs_page.h"
#include "view/module_picture.h"

namespace vantiq {
namespace {

constexpr int kMaxSide = 10000;

struct RenderRequest {
    std::string module;
    bool graph = true;
    QSize size{1200, 800};
    std::string output;
};

// Fills `request` from the options; returns a usage error or empty.
std::string ReadRequest(const ParsedArgs& args, RenderRequest& request) {
    if (auto error = CheckKnownOptions(args, {"module", "mode", "size", "o"}); !error.empty()) {
        return error;
    }
    const auto option = [&](const char* name) {
        const auto found = args.options.find(name);
        return found == args.options.end() ? std::string() : found->second;
    };
    request.module = option("module");
    request.output = option("o");
    const std::string mode = option("mode");
    if (request.module.empty() || request.output.empty() || mode.empty()) {
        return "render needs --module NAME, --mode graph|datasheet and -o FILE.png";
    }
    if (mode != "graph" && mode != "datasheet") {
        return "--mode takes graph or datasheet, not '" + mode + "'";
    }
    request.graph = mode == "graph";
    const std::string size = option("size");
    std::smatch match;
    if (!size.empty()) {
        if (!std::regex_match(size, match, std::regex("([0-9]{1,5})x([0-9]{1,5})")) ||
            std::stoi(match[1]) < 1 || std::stoi(match[2]) < 1 || std::stoi(match[1]) > kMaxSide ||
            std::stoi(match[2]) > kMaxSide) {
            return "--size takes WxH, each 1 to 10000 pixels, not '" + size + "'";
        }
        request.size = QSize(std::stoi(match[1]), std::stoi(match[2]));
    }
    return {};
}

// Drawing needs a GUI application; the tool makes one only for this command,
// on the offscreen platform unless the caller chose another.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "vantiq-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

QImage ComposeView(const TemBase& base, const RenderRequest& request) {
    QImage image(request.size, QImage::Format_RGB32);
    image.fill(QGuiApplication::palette().color(QPalette::Window));
    QPainter painter(&image);
    const int w = request.size.width();
    const int h = request.size.height();
    if (request.graph) {
        DrawViewCross(painter, w, h);
        DrawModuleGraphs(painter, ViewQuadrants(w, h), *base.Selected(), base.thot,
                         LoadStoredColors(), kScreenGraphStyle);
    } else {
        DrawDatasheet(painter, LoadModulePicture(base, base.selected), w, h);
    }
    return image;
}

}  // namespace

int RunRenderCommand(const ParsedArgs& args, std::ostream& /*out*/, std::ostream& err) {
    RenderRequest request;
    if (const auto error = ReadRequest(args, request); !error.empty()) {
        err << "vantiq-cli: " << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    if (!OpenAndLoad(args.global, base, err)) {
        return kExitFailure;
    }
    const auto name = Utf8ToCp1251(request.module);
    base.selected = name ? base.FindByName(*name) : -1;
    if (base.Selected() == nullptr) {
        err << "vantiq-cli: no module named " << request.module << "\n";
        return kExitFailure;
    }
    if (!base.Selected()->derivable) {
        err << "vantiq-cli: module " << request.module
            << " has no rated values at this hot-side temperature\n";
        return kExitFailure;
    }
    const auto app = EnsureGuiApplication();
    if (!ComposeView(base, request).save(QString::fromStdString(request.output), "PNG")) {
        err << "vantiq-cli: cannot write " << request.output << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq
