// SPDX-License-Identifier: MIT
#include "units/unit_catalogue.h"

#include "units/catalogue_format.h"
#include "units/file_error_text.h"
#include "units/utf8.h"

namespace platform = vek::units::platform;

namespace {

// A file error box holds at most 99 characters; a longer text (a deep
// path) is cut at a whole character.
constexpr std::size_t kMaxErrorChars = 99;

// The file is named as the user named it, so a catalogue in another folder
// keeps its folder in the message.
std::string MessageFor(const platform::FileStatus& status, const std::string& path) {
    return vek::units::TruncateUtf8(vek::units::FileErrorMessage(status, path), kMaxErrorChars);
}

}  // namespace

UnitCatalogue::UnitCatalogue(std::string path) : path_(std::move(path)) {}

std::string UnitCatalogue::ErrorText(const platform::FileStatus& status) const {
    return MessageFor(status, path_);
}

std::string UnitCatalogue::OpenFile() {
    if (file_.IsOpen())
        return {};
    // First as an existing file; then again, creating it when missing. The
    // second attempt's failure is the one reported.
    if (file_.Open(path_, false).Ok())
        return {};
    return ErrorText(file_.Open(path_, true));
}

std::string UnitCatalogue::Reload() {
    const auto status = vek::units::ReadCatalogue(
        [this](const platform::ChunkSink& sink) { return file_.ReadChunks(sink); }, text_);
    return status.Ok() ? std::string() : ErrorText(status);
}

std::string UnitCatalogue::Load() {
    if (std::string error = OpenFile(); !error.empty()) {
        text_.Clear();  // nothing is read from a file that is not open
        return error;
    }
    return Reload();
}

std::vector<std::string> UnitCatalogue::KindsInOrder() const {
    return text_.KindsInOrder();
}

KindUnits UnitCatalogue::UnitsOfKind(std::string_view kind) const {
    return text_.UnitsOfKind(kind);
}

float UnitCatalogue::FactorOf(std::string_view kind, std::string_view name, float current) const {
    return text_.FactorOf(kind, name, current);
}

std::string UnitCatalogue::AppendEntry(std::string_view kind, std::string_view baseQuantityText,
                                       std::string_view baseUnit, std::string_view quantityText,
                                       std::string_view unit) {
    // An editor that saved over the file, or a removal, leaves the open file
    // behind the name: the line goes to the file the name leads to now
    // (created when missing), and the reload after it shows the hand edit
    // and the new line together.
    if (file_.IsOpen() && !file_.IsAt(path_))
        file_.Close();
    if (std::string error = OpenFile(); !error.empty())
        return error;
    // The file's present content decides the encoding of the line and
    // whether a line break must come first; it is surveyed piece by piece.
    vek::units::FileSurvey survey;
    if (const auto status = file_.ReadChunks([&](std::string_view bytes) { survey.Feed(bytes); });
        !status.Ok())
        return ErrorText(status);
    const auto appendix = vek::units::EncodeAppendix(
        survey, vek::units::BuildEntryLine(kind, baseQuantityText, baseUnit, quantityText, unit));
    if (!appendix)
        return ErrorText(
            {platform::FileFault::kOther, platform::kNoConverter, 0, platform::FileAction::kWrite});
    if (const auto status = file_.Append(appendix->bytes, appendix->replaceLast); !status.Ok())
        return ErrorText(status);
    return Reload();
}

void UnitCatalogue::Close() {
    file_.Close();
    text_.Clear();
}

std::string UnitCatalogue::ReadOnly(const std::string& path, vek::units::CatalogueText& text) {
    const auto status = vek::units::ReadCatalogue(
        [&path](const platform::ChunkSink& sink) { return platform::ReadFileChunks(path, sink); },
        text);
    return MessageFor(status, path);
}

std::string UnitCatalogue::ReadOnly(const std::string& path, std::vector<UnitEntry>& entries) {
    entries.clear();
    vek::units::CatalogueText text;
    if (std::string error = ReadOnly(path, text); !error.empty())
        return error;
    entries.reserve(text.LineCount());
    for (std::size_t i = 0; i < text.LineCount(); ++i) entries.push_back(text.Entry(i));
    return {};
}

std::vector<UnitEntry> UnitCatalogue::ParseContent(std::string_view fileBytes) {
    const auto text = vek::units::CatalogueText::FromBytes(fileBytes);
    std::vector<UnitEntry> entries;
    entries.reserve(text.LineCount());
    for (std::size_t i = 0; i < text.LineCount(); ++i) entries.push_back(text.Entry(i));
    return entries;
}
