// SPDX-License-Identifier: MIT
#include "units/unit_catalogue.h"

#include "units/catalogue_format.h"
#include "units/utf8.h"

namespace platform = vek::units::platform;

namespace {

// A message box text of the original program holds at most 99 characters.
constexpr std::size_t kMaxErrorChars = 99;

// The last part of the path, its bytes unchanged: a std::filesystem::path
// made from a narrow string would re-encode a non-ASCII name on Windows.
std::string FileNameOf(const std::string& path) {
#if defined(_WIN32)
    const char* separators = "/\\";
#else
    const char* separators = "/";
#endif
    const std::size_t slash = path.find_last_of(separators);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return name.empty() ? path : name;
}

std::string MessageFor(const platform::FileStatus& status, const std::string& name) {
    switch (status.fault) {
        case platform::FileFault::kNone:
            return {};
        case platform::FileFault::kBusy:
            return name + " 正被其他程序使用，无法打开。";
        case platform::FileFault::kNoPermission:
            return "没有权限打开 " + name + "。";
        case platform::FileFault::kReadOnlyDisk:
            return name + " 所在的磁盘是只读的。";
        case platform::FileFault::kTooLarge:
            return name + " 太大，无法打开。";
        case platform::FileFault::kOther:
            break;
    }
    return "无法打开 " + name + "：" + status.reason;
}

}  // namespace

UnitCatalogue::UnitCatalogue(std::string path) : path_(std::move(path)) {}

std::string UnitCatalogue::ErrorText(const platform::FileStatus& status) const {
    return vek::units::TruncateUtf8(MessageFor(status, FileNameOf(path_)), kMaxErrorChars);
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
        return ErrorText({platform::FileFault::kOther, "no GB18030 converter on this system"});
    if (const auto status = file_.Append(appendix->bytes, appendix->replaceLast); !status.Ok())
        return ErrorText(status);
    return Reload();
}

void UnitCatalogue::Close() {
    file_.Close();
    text_.Clear();
}

std::string UnitCatalogue::ReadOnly(const std::string& path, std::vector<UnitEntry>& entries) {
    entries.clear();
    vek::units::CatalogueText text;
    const auto status = vek::units::ReadCatalogue(
        [&path](const platform::ChunkSink& sink) { return platform::ReadFileChunks(path, sink); },
        text);
    if (!status.Ok())
        return vek::units::TruncateUtf8(MessageFor(status, FileNameOf(path)), kMaxErrorChars);
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
