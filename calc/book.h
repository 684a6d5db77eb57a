// SPDX-License-Identifier: MIT
#pragma once
// A calculation book: the records of a project's computations gathered into
// one document for a report's appendix, under a title, the date and the
// version of vek that computed them:
//
//   records (one per window that computed, in page order) -> book as plain
//   text, Markdown or one self-contained HTML file
//
// The program and vek-calc make the same book from the same records, byte
// for byte apart from the date line.

#include <span>
#include <string>

#include "calc/record.h"

inline constexpr const char* kDefaultBookTitle = "vek 计算书";

struct BookHeading {
    std::string title;    // the project's name, or kDefaultBookTitle
    std::string date;     // "2026-12-07"
    std::string version;  // vek's version
};

std::string BookPlainText(const BookHeading& heading, std::span<const CalcRecord> records);
std::string BookMarkdown(const BookHeading& heading, std::span<const CalcRecord> records);
// An HTML document that a word processor (Word, WPS) opens as a document,
// its tables as in a record's HTML form.
std::string BookHtml(const BookHeading& heading, std::span<const CalcRecord> records);

// The title of a book for a project named `name` ("" for none).
std::string BookTitle(const std::string& name);
