// SPDX-License-Identifier: MIT
#include "tools/vek-calc/record_output.h"

namespace vek::cli {

std::optional<RecordForm> ReadRecordForm(const std::string& word) {
    if (word.empty() || word == "text")
        return RecordForm::Plain;
    if (word == "markdown")
        return RecordForm::Markdown;
    if (word == "html")
        return RecordForm::Html;
    return std::nullopt;
}

std::string RenderRecord(const CalcRecord& record, RecordForm form) {
    switch (form) {
        case RecordForm::Markdown:
            return RecordMarkdown(record);
        case RecordForm::Html:
            return RecordHtml(record);
        case RecordForm::Plain:
            break;
    }
    return RecordPlainText(record);
}

}  // namespace vek::cli
