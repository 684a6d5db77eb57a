// SPDX-License-Identifier: MIT
#include "tools/vek-drive/output.h"

#include <cstdio>

namespace drive {
namespace {
bool g_muted = false;
LineSink g_sink;
}  // namespace

void PrintLine(const QString& line) {
    if (g_muted)
        return;
    if (g_sink) {
        g_sink(line);
        return;
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    // Flushed at once, so the lines keep their order with anything the
    // program or Qt writes and survive an abrupt end.
    std::fflush(stdout);
}

void MuteOutput() {
    g_muted = true;
}

void SetLineSink(LineSink sink) {
    g_sink = std::move(sink);
}

QString OneLine(const QString& text) {
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    line.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    return line;
}

}  // namespace drive
