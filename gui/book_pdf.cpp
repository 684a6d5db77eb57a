// SPDX-License-Identifier: MIT
#include "gui/book_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QByteArray BookPdf(const std::string& html, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("vek"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        QTextDocument document;
        // The dialogs' face: 宋体 resolves to the Chinese font the program
        // registered at start-up.
        document.setDefaultFont(QFont(QStringLiteral("宋体"), 10));
        document.setHtml(QString::fromStdString(html));
        document.print(&writer);
    }
    return bytes;
}
