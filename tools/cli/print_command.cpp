#include "print_command.h"

#include <QGuiApplication>
#include <QImage>

#include <memory>
#include <ostream>

#include "base/cp1251.h"
#include "base/picture_reader.h"
#include "cli_app.h"
#include "module_table.h"
#include "view/page_output.h"

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
std::string ReadRequest(const ParsedArgs& args, PrintRequest& request) {
    if (auto error = CheckKnownOptions(args, {"module", "page", "dpi", "o"}); !error.empty()) {
        return error;
    }
    const auto option = [&](const char* name) {
        const auto found = args.options.find(name);
        return found == args.options.end() ? std::string() : found->second;
    };
    request.module = option("module");
    request.output = option("o");
    const std::string page = option("page");
    if (request.module.empty() || request.output.empty() || page.empty()) {
        return "print needs --module NAME, --page datasheet|graphs and -o FILE.pdf";
    }
    if (page != "datasheet" && page != "graphs") {
        return "--page takes datasheet or graphs, not '" + page + "'";
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

// Drawing text needs a GUI application object; the command makes one on the
// offscreen platform unless the caller already runs one or chose a platform.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) {
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

// The index of the module named `name` (UTF-8), or -1 with the reason on `err`.
std::int32_t FindModule(const TemBase& base, const std::string& name, std::ostream& err) {
    const auto bytes = Utf8ToCp1251(name);
    const std::int32_t index = bytes ? base.FindByName(*bytes) : -1;
    if (index < 0) {
        err << "vantiq-cli: no module named " << name << "\n";
    } else if (!base.records[static_cast<std::size_t>(index)].derivable) {
        err << "vantiq-cli: the rated values of " << name << " cannot be derived\n";
        return -1;
    }
    return index;
}

PageContent ContentOf(TemBase& base, std::int32_t index) {
    base.selected = index;
    const auto bytes = ReadPicture(base, static_cast<std::uint32_t>(index));
    const QImage picture = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
    return *SelectedPageContent(base, ColorSettings{}, picture);
}

}  // namespace

int RunPrintCommand(const ParsedArgs& args, std::ostream&, std::ostream& err) {
    PrintRequest request;
    if (const auto error = ReadRequest(args, request); !error.empty()) {
        err << "vantiq-cli: " << error << "\n";
        return kExitUsage;
    }
    TemBase base;
    if (!OpenAndLoad(args.global, base, err)) {
        return kExitFailure;
    }
    const std::int32_t index = FindModule(base, request.module, err);
    if (index < 0) {
        return kExitFailure;
    }
    const auto app = EnsureGuiApplication();
    const QString path = QString::fromStdString(request.output);
    if (!WritePagePdf(path, request.kind, ContentOf(base, index), request.dpi)) {
        err << "vantiq-cli: cannot write " << request.output << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace vantiq
