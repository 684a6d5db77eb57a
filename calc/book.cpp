// SPDX-License-Identifier: MIT
#include "calc/book.h"

#include <string_view>

namespace {

constexpr const char* kDate = "日期：";
constexpr const char* kVersion = "vek 版本：";

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// A record's HTML form without its own charset line, which the document's
// head carries once.
std::string Fragment(const CalcRecord& record) {
    std::string html = RecordHtml(record);
    constexpr std::string_view meta = "<meta charset=\"utf-8\">\n";
    if (html.starts_with(meta))
        html.erase(0, meta.size());
    return html;
}

}  // namespace

std::string BookTitle(const std::string& name) {
    return name.empty() ? kDefaultBookTitle : name;
}

std::string BookPlainText(const BookHeading& heading, std::span<const CalcRecord> records) {
    std::string text = OneLine(heading.title) + "\n";
    text += kDate + heading.date + "\n";
    text += kVersion + heading.version + "\n";
    for (const CalcRecord& record : records) text += "\n" + RecordPlainText(record);
    return text;
}

std::string BookMarkdown(const BookHeading& heading, std::span<const CalcRecord> records) {
    std::string text = "# " + MarkdownEscaped(heading.title) + "\n\n";
    text += kDate + heading.date + "\n\n";
    text += kVersion + MarkdownEscaped(heading.version) + "\n";
    for (const CalcRecord& record : records) text += "\n" + RecordMarkdown(record);
    return text;
}

std::string BookHtml(const BookHeading& heading, std::span<const CalcRecord> records) {
    const std::string title = HtmlEscaped(heading.title);
    std::string html =
        "<!DOCTYPE html>\n"
        "<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        title +
        "</title>\n"
        "<style>\n"
        "body { font-family: \"宋体\", SimSun, \"AR PL UMing CN\", serif; font-size: 10.5pt; }\n"
        "table { border-collapse: collapse; margin: 0 0 1.5em 0; }\n"
        "caption { font-weight: bold; text-align: left; padding: 0.3em 0; }\n"
        "tr { page-break-inside: avoid; }\n"
        "</style>\n</head>\n<body>\n<h1>" +
        title + "</h1>\n<p>" + kDate + HtmlEscaped(heading.date) + "</p>\n<p>" + kVersion +
        HtmlEscaped(heading.version) + "</p>\n";
    for (const CalcRecord& record : records) html += Fragment(record);
    html += "</body>\n</html>\n";
    return html;
}
