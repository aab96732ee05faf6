#include "gui/editing/fit_table_html.h"

#include "core/fit/fit_table.h"

namespace vantiq {
namespace {

QString Cell(const std::string& text, const char* tag = "td") {
    return QStringLiteral("<%1 style='padding: 0 8px'>%2</%1>")
        .arg(QLatin1String(tag), QString::fromStdString(text).toHtmlEscaped());
}

// `text` escaped, with a line break after every `clause` separator.
QString Broken(const std::string& text, const char* clause) {
    const QString separator = QString::fromLatin1(clause);
    return QString::fromStdString(text).toHtmlEscaped().replace(
        separator, separator.trimmed() + QStringLiteral("<br>"));
}

}  // namespace

QString FitTableHtml(const std::string& name, const Ratings& ratings, const RatingFit& fit) {
    if (!fit.problem.empty()) {
        return QStringLiteral("<p style='color: #b00000'>%1</p>")
            .arg(QString::fromStdString(fit.problem).toHtmlEscaped());
    }
    const auto rows = FitTableRows(name, ratings, fit);
    QString html = QStringLiteral("<table><tr>");
    for (const char* head : {"", "rated", "derived", "deviation"})
        html += Cell(head, "th");
    html += QStringLiteral("</tr>");
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        html += QStringLiteral("<tr>") + Cell(rows[i][1]) + Cell(rows[i][2]) + Cell(rows[i][3]) +
                Cell(rows[i][4]) + QStringLiteral("</tr>");
    html += QStringLiteral("</table>");
    // The notes break after their clauses: the label is as narrow as the
    // table, and rich text would not wrap them there.
    html += QStringLiteral("<p><b>%1</b></p>").arg(Broken(rows.back()[5], "; "));
    if (!rows.empty() && !rows.front()[5].empty())
        html += QStringLiteral("<p>%1</p>").arg(Broken(rows.front()[5], ", "));
    return html;
}

}  // namespace vantiq
