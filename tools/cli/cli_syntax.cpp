#include "cli/cli_syntax.h"

namespace vantiq {
namespace {

constexpr const char* kDescription =
    "Derives the rated values of every module of a catalogue at a hot-side temperature and "
    "works with them without a window.";

constexpr const char* kFooter =
    "Run 'vantiq-cli COMMAND --help' for a command's options.\n"
    "Exit status: 0 on success, 1 when the catalogue cannot be used, 2 on bad arguments.";

std::vector<OptionSpec> DimensionAndNameOptions() {
    return {
        {"--width", "MM", "largest width"},
        {"--length", "MM", "largest length"},
        {"--height", "MM", "largest height"},
        {"--name", "TEXT", "part of the name, case-sensitive, at most 29 characters"},
    };
}

CommandSpec ListCommand() {
    return {"list",
            "Every module in base order, as CSV: index,name,imax,umax,dtmax,qmax,ac_resistance,"
            "pellets,width,length,height (rated fields empty for a module that cannot be "
            "derived).",
            0,
            {},
            ""};
}

CommandSpec SearchCommand() {
    CommandSpec c{
        "search",
        "The modules that meet every requirement given, sorted as the window's list, "
        "as CSV: row,index,name, then the fields of list. The criteria text goes to "
        "standard error. An option not given is no requirement.",
        0,
        {
            {"--q", "W", "heat load to pump"},
            {"--dt", "K", "temperature difference to reach"},
            {"--supply-voltage", "V", "the power supply's voltage"},
            {"--supply-current", "A", "the power supply's current"},
            {"--resistance", "OHM", "the module's AC resistance"},
            {"--tolerance", "1|5|10|20", "resistance tolerance in percent (default 1)"},
            {"--mode", "supply|resistance", "which electrical requirement counts (default supply)"},
        },
        ""};
    for (auto& o : DimensionAndNameOptions()) {
        c.options.push_back(o);
    }
    c.options.push_back({"--sort", "name|qmax|pellets|imax|umax", "sort key (default name)"});
    c.options.push_back({"--order", "desc|asc", "direction (default desc)"});
    return c;
}

CommandSpec AdviseCommand() {
    CommandSpec c{
        "advise",
        "At what current, voltage and power each module carries the load Q, alone or as several "
        "modules, with the hot side fixed (--dt) or found from a heat sink (--cold-c, "
        "--ambient-c, --sink-rth). Every module that works within the limits, as CSV: "
        "row,index,name,modules,wiring,current,voltage,power,cop,heat_rejected,thot,dt,"
        "qmax_at_dt (current and voltage per module, thot in degrees Celsius); under a heat "
        "sink also sink_rth_max, the largest sink resistance (K/W) with which the set still "
        "carries the load within the supply.",
        0,
        {
            {"--q", "W", "heat load to pump, above 0 (required)"},
            {"--dt", "K", "temperature difference at the fixed hot side, 0 or more"},
            {"--cold-c", "C", "cold side (object) temperature, below the ambient"},
            {"--ambient-c", "C", "ambient temperature of the heat sink, -50 to 100"},
            {"--sink-rth", "KPW",
             "thermal resistance of the heat sink in K/W, 0 or more; left out with --ambient-c: "
             "every module at a sink of none, ranked by the sink it needs (sink_rth_max)"},
            {"--supply-voltage", "V", "the power supply's voltage (0: no limit)"},
            {"--supply-current", "A", "the power supply's current (0: no limit)"},
            {"--modules", "N|auto",
             "modules sharing the load, 1 to 64, or the fewest from 1 to "
             "16 that work (default 1)"},
            {"--wiring", "series|parallel", "how the modules meet the supply (default series)"},
            {"--stages", "1|2",
             "2: two-stage stacks, a top set (--modules) on the fewest bottom modules that "
             "carry it, one row per top module: row,index,name,modules,index_bottom,name_bottom,"
             "modules_bottom,current,voltage,current_bottom,voltage_bottom,power,cop,t_between,"
             "thot,dt,currents (default 1)"},
            {"--currents", "separate|shared",
             "a stack's stages each on its own supply, or all modules in one series string "
             "(default separate)"},
            {"--mass-j-per-k", "C",
             "heat capacity of the cold side, 0 or more: adds pull_down_current (per module; a "
             "stack adds pull_down_current_bottom too) and pull_down_s, the seconds from the hot "
             "side's temperature down to the cold side at the constant current, within the "
             "module's Imax and the supply, that gets there soonest, or never"},
        },
        "Nothing found: the reasons are counted on standard error and the header stands alone."};
    for (auto& o : DimensionAndNameOptions()) {
        c.options.push_back(o);
    }
    c.options.push_back({"--sort", "power|cop|current|margin|name|sink-rth",
                         "order: power, current and name ascending, cop, margin and sink-rth "
                         "descending (default power; sink-rth when --sink-rth is left out)"});
    c.options.push_back({"--order", "asc|desc", "direction, when not the key's own"});
    c.options.push_back({"--why", "NAME", "that module's row alone, or why it is not a result"});
    return c;
}

#ifdef VANTIQ_HAVE_RENDER
CommandSpec RenderCommand() {
    return {"render",
            "What the window shows for the first module of that name at a client size: its "
            "four performance graphs in the stored curve colours, or its datasheet picture.",
            0,
            {
                {"--module", "NAME", "the module (required)"},
                {"--mode", "graph|datasheet", "what to draw (required)"},
                {"--size", "WxH", "client size in pixels (default 1200x800)"},
                {"-o", "FILE.png", "the picture to write (required)"},
            },
            ""};
}

CommandSpec PrintCommand() {
    return {"print",
            "The printed page of the first module of that name as a one-page A4 PDF: its "
            "datasheet picture, or its table and four graphs.",
            0,
            {
                {"--module", "NAME", "the module (required)"},
                {"--page", "datasheet|graphs", "which page (required)"},
                {"--dpi", "N", "dots per inch, 72 to 1200 (default 300)"},
                {"-o", "FILE.pdf", "the document to write (required)"},
            },
            ""};
}
#endif

ToolSpec MakeSyntax() {
    ToolSpec tool{
        "vantiq-cli",
        kDescription,
        {
            {"--base", "FILE",
             "the catalogue (default: the first Base.tmb in the current folder, the user's data "
             "folder or the installed share/vantiq)"},
            {"--thot-c", "C",
             "hot-side temperature in degrees Celsius, -50 to 100 (default 25); the "
             "model uses C + 273 K"},
        },
        {ListCommand(), SearchCommand(), AdviseCommand()},
        kFooter};
#ifdef VANTIQ_HAVE_RENDER
    tool.commands.push_back(RenderCommand());
    tool.commands.push_back(PrintCommand());
#endif
    return tool;
}

}  // namespace

const ToolSpec& CliSyntax() {
    static const ToolSpec syntax = MakeSyntax();
    return syntax;
}

}  // namespace vantiq
