// SPDX-License-Identifier: MIT
#pragma once
// What vek-drive prints: UTF-8 lines on standard output, one item a line.
// Once the driver has finished (or failed), the program's last gasps
// (boxes, links) are not printed any more.

#include <QString>
#include <functional>

namespace drive {

void PrintLine(const QString& line);
// Stops every further line.
void MuteOutput();

// Sends the lines somewhere else (tests read them); an empty sink restores
// standard output.
using LineSink = std::function<void(const QString&)>;
void SetLineSink(LineSink sink);

// A control's text on one line: line breaks are written as "\n".
QString OneLine(const QString& text);

}  // namespace drive
