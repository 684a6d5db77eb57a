// SPDX-License-Identifier: MIT
#pragma once
// vek-calc's --record: the record of a run instead of its name=value lines.

#include <optional>
#include <string>

#include "calc/record.h"

namespace vek::cli {

enum class RecordForm { Plain, Markdown, Html };

// The form --record=WORD names: "" or "text" plain, "markdown", "html";
// nullopt for any other word.
std::optional<RecordForm> ReadRecordForm(const std::string& word);

std::string RenderRecord(const CalcRecord& record, RecordForm form);

}  // namespace vek::cli
