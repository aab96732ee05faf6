#include "cli/print_command.h"

#include <memory>
#include <ostream>

#include "cli/drawing_command.h"
#include "render/colors/color_store.h"
#include "render/pages/page_output.h"
#include "render/pictures/module_picture.h"

namespace vantiq {
namespace {

constexpr double kMinDpi = 72;
constexpr double kMaxDpi = 1200;

struct PrintRequest {
    std::string module;
    PageKind kind = PageKind::Graphs;
    int dpi = kDefaultPdfDpi;
    std::string output;
};

// Reads the command's options; returns a usage error text, or empty.
std::string ReadPrintRequest(const ParsedArgs& args, PrintRequest& request) {
    std::string page;
    if (auto error = ReadChoiceOption(args, "page", {"datasheet", "graphs"}, page);
        !error.empty()) {
        return error;
    }
    request.module = OptionValue(args, "module");
    request.output = OptionValue(args, "o");
    if (request.module.empty() || request.output.empty() || page.empty()) {
        return "print needs --module NAME, --page datasheet|graphs and -o FILE.pdf";
    }
    request.kind = page == "datasheet" ? PageKind::Datasheet : PageKind::Graphs;
    double dpi = kDefaultPdfDpi;
    if (auto error = ReadNumberOption(args, "dpi", dpi); !error.empty()) {
        return error;
    }
    if (dpi != static_cast<int>(dpi) || dpi < kMinDpi || dpi > kMaxDpi) {
        return "--dpi takes a whole number from 72 to 1200";
    }
    request.dpi = static_cast<int>(dpi);
    return {};
}

PageContent SelectedContent(const TemBase& base, std::int32_t module, double thot) {
    return *SelectedPageContent(base, module, thot, LoadStoredColors().value_or(ColorSettings{}),
                                LoadModulePicture(base, module));
}

}  // namespace

int RunPrintCommand(const ParsedArgs& args, std::ostream&, std::ostream& err) {
    return RunDrawingCommand<PrintRequest>(
        args, err, ReadPrintRequest,
        [](const TemBase& base, std::int32_t module, double thot, const PrintRequest& request) {
            return WritePagePdf(QString::fromStdString(request.output), request.kind,
                                SelectedContent(base, module, thot), request.dpi);
        });
}

}  // namespace vantiq
