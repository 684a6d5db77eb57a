// SPDX-License-Identifier: MIT
#pragma once
// The calculation book as a PDF for vek-calc, which runs in scripts and on
// servers without a display: the same drawing as the program's
// (gui/book_pdf.h), on Qt's offscreen platform.

#include <string>

// A vek::cli::BookPdfWriter. Makes the process's QGuiApplication for the
// time of the drawing.
std::string OffscreenBookPdf(const std::string& html, const std::string& title);
