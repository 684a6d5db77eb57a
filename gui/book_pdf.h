// SPDX-License-Identifier: MIT
#pragma once
// A calculation book as a PDF: its HTML form laid out by Qt's text engine
// on A4 pages and written by Qt's own PDF writer, the fonts embedded so that
// the Chinese text shows and can be selected and copied on any machine.

#include <QByteArray>
#include <string>

QByteArray BookPdf(const std::string& html, const QString& title);
