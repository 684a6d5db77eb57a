// SPDX-License-Identifier: MIT
// The three forms of a record. Each lists the formulas first, then one row
// per input, per value worked out on the way (when there are any) and per
// result (name, symbol, value as displayed, unit); a box the computation
// raised closes the record, and a box that stopped it stands where the
// results would be.

#include <string_view>

#include "calc/record.h"

namespace {

constexpr const char* kHeading = "计算过程：";  // before the title
constexpr const char* kFormulas = "公式";
constexpr const char* kInputs = "输入";
constexpr const char* kWorkings = "中间量";
constexpr const char* kResults = "结果";
constexpr const char* kStopped = "计算中止：";
constexpr const char* kNote = "提示：";
constexpr const char* kColumns[] = {"项目", "符号", "数值", "单位"};

std::string Closing(const CalcRecord& record) {
    if (record.note.empty())
        return {};
    return (record.stopped ? kStopped : kNote) + record.note;
}

// A line break inside a value (a typed list may hold one) shown as \n, so
// that it cannot start a line of its own that reads like part of the record.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

// "年用量 B：1000 吨"
std::string PlainLine(const RecordLine& line) {
    std::string text = OneLine(line.label);
    if (!line.symbol.empty())
        text += " " + OneLine(line.symbol);
    text += "：" + OneLine(line.value);
    if (!line.unit.empty())
        text += " " + OneLine(line.unit);
    return text;
}

}  // namespace

// Characters that Markdown would take for markup, and line breaks, which
// would end a table row.
std::string MarkdownEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\n' || c == '\r') {
            escaped += ' ';
            continue;
        }
        if (std::string_view("\\`*_[]<>|#&~").find(c) != std::string_view::npos)
            escaped += '\\';
        escaped += c;
    }
    return escaped;
}

std::string HtmlEscaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string RecordPlainText(const CalcRecord& record) {
    std::string text = kHeading + record.title + "\n";
    text += std::string(kFormulas) + "：\n";
    for (const std::string& formula : record.formulas) text += "  " + formula + "\n";
    text += std::string(kInputs) + "：\n";
    for (const RecordLine& line : record.inputs) text += "  " + PlainLine(line) + "\n";
    if (!record.workings.empty()) {
        text += std::string(kWorkings) + "：\n";
        for (const RecordLine& line : record.workings) text += "  " + PlainLine(line) + "\n";
    }
    text += std::string(kResults) + "：\n";
    for (const RecordLine& line : record.results) text += "  " + PlainLine(line) + "\n";
    if (const std::string closing = Closing(record); !closing.empty())
        text += (record.stopped ? "  " : "") + closing + "\n";
    return text;
}

std::string RecordMarkdown(const CalcRecord& record) {
    std::string text = "**" + MarkdownEscaped(kHeading + record.title) + "**\n\n";
    text += std::string(kFormulas) + "：\n\n";
    for (const std::string& formula : record.formulas)
        text += "- " + MarkdownEscaped(formula) + "\n";
    text += "\n|";
    for (const char* column : kColumns) text += std::string(" ") + column + " |";
    text += "\n|---|---|---|---|\n";
    const auto section = [&](const char* name, const std::vector<RecordLine>& lines) {
        text += std::string("| **") + name + "** | | | |\n";
        for (const RecordLine& line : lines)
            text += "| " + MarkdownEscaped(line.label) + " | " + MarkdownEscaped(line.symbol) +
                    " | " + MarkdownEscaped(line.value) + " | " + MarkdownEscaped(line.unit) +
                    " |\n";
    };
    section(kInputs, record.inputs);
    if (!record.workings.empty())
        section(kWorkings, record.workings);
    section(kResults, record.results);
    if (const std::string closing = Closing(record); !closing.empty())
        text += "| " + MarkdownEscaped(closing) + " | | | |\n";
    return text;
}

std::string RecordHtml(const CalcRecord& record) {
    std::string html =
        "<meta charset=\"utf-8\">\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
        "<caption>" +
        HtmlEscaped(kHeading + record.title) + "</caption>\n<tr>";
    for (const char* column : kColumns) html += std::string("<th>") + column + "</th>";
    html += "</tr>\n";
    const auto heading = [&](const char* name) {
        html += std::string("<tr><th colspan=\"4\" align=\"left\">") + name + "</th></tr>\n";
    };
    const auto wide = [&](const std::string& text) {
        html += "<tr><td colspan=\"4\">" + HtmlEscaped(text) + "</td></tr>\n";
    };
    const auto rows = [&](const std::vector<RecordLine>& lines) {
        for (const RecordLine& line : lines)
            html += "<tr><td>" + HtmlEscaped(line.label) + "</td><td>" + HtmlEscaped(line.symbol) +
                    "</td><td>" + HtmlEscaped(line.value) + "</td><td>" + HtmlEscaped(line.unit) +
                    "</td></tr>\n";
    };
    heading(kFormulas);
    for (const std::string& formula : record.formulas) wide(formula);
    heading(kInputs);
    rows(record.inputs);
    if (!record.workings.empty()) {
        heading(kWorkings);
        rows(record.workings);
    }
    heading(kResults);
    rows(record.results);
    if (const std::string closing = Closing(record); !closing.empty())
        wide(closing);
    html += "</table>\n";
    return html;
}
