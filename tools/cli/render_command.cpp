#include "cli/render_command.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include <memory>
#include <ostream>
#include <regex>

#include "cli/drawing_command.h"
#include "render/colors/color_store.h"
#include "render/pages/graphs_page.h"
#include "render/pictures/module_picture.h"

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
std::string ReadRenderRequest(const ParsedArgs& args, RenderRequest& request) {
    std::string mode;
    if (auto error = ReadChoiceOption(args, "mode", {"graph", "datasheet"}, mode); !error.empty()) {
        return error;
    }
    request.module = OptionValue(args, "module");
    request.output = OptionValue(args, "o");
    if (request.module.empty() || request.output.empty() || mode.empty()) {
        return "render needs --module NAME, --mode graph|datasheet and -o FILE.png";
    }
    request.graph = mode == "graph";
    const std::string size = OptionValue(args, "size");
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

QImage ComposeView(const TemBase& base, std::int32_t module, double thot,
                   const RenderRequest& request) {
    QImage image(request.size, QImage::Format_RGB32);
    image.fill(QGuiApplication::palette().color(QPalette::Window));
    QPainter painter(&image);
    const int w = request.size.width();
    const int h = request.size.height();
    if (request.graph) {
        DrawViewCross(painter, w, h);
        DrawModuleGraphs(painter, ViewQuadrants(w, h), *RecordAt(base, module), thot,
                         LoadStoredColors().value_or(ColorSettings{}), kScreenGraphStyle);
    } else {
        DrawDatasheetPicture(painter, LoadModulePicture(base, module), w, h);
    }
    return image;
}

}  // namespace

int RunRenderCommand(const ParsedArgs& args, std::ostream& /*out*/, std::ostream& err) {
    return RunDrawingCommand<RenderRequest>(
        args, err, ReadRenderRequest,
        [](const TemBase& base, std::int32_t module, double thot, const RenderRequest& request) {
            return ComposeView(base, module, thot, request)
                .save(QString::fromStdString(request.output), "PNG");
        });
}

}  // namespace vantiq
