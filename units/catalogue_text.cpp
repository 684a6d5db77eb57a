// SPDX-License-Identifier: MIT
#include "units/catalogue_text.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "units/catalogue_format.h"

namespace vek::units {

CatalogueText::CatalogueText(std::string text) : text_(std::move(text)) {
    lineStarts_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) + 2);
    for (std::size_t start = 0; start < text_.size();) {
        const std::size_t end = text_.find('\n', start);
        lineStarts_.push_back(static_cast<std::uint32_t>(start));
        start = end == std::string::npos ? text_.size() : end + 1;
    }
    if (!lineStarts_.empty())
        lineStarts_.push_back(static_cast<std::uint32_t>(text_.size()));
    for (std::size_t i = 0; i < LineCount(); ++i) AddKind(ParseEntryFields(Line(i)).kind);
}

CatalogueText CatalogueText::FromBytes(std::string_view fileBytes) {
    return CatalogueText(DecodeCatalogue(fileBytes));
}

std::string_view CatalogueText::Line(std::size_t i) const {
    std::string_view line(text_.data() + lineStarts_[i], lineStarts_[i + 1] - lineStarts_[i]);
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    return line;
}

UnitEntry CatalogueText::Entry(std::size_t i) const {
    return ParseEntryLine(Line(i));
}

std::vector<std::string> CatalogueText::KindsInOrder() const {
    std::vector<std::string> kinds;
    kinds.reserve(kinds_.size());
    for (std::uint32_t k = 0; k < kinds_.size(); ++k) kinds.emplace_back(KindName(k));
    return kinds;
}

bool CatalogueText::HasKind(std::string_view kind) const {
    return !slots_.empty() && slots_[Slot(kind)] != 0;
}

KindUnits CatalogueText::UnitsOfKind(std::string_view kind) const {
    KindUnits result;
    if (!HasKind(kind))
        return result;
    for (std::size_t i = 0; i < LineCount(); ++i) {
        const EntryFields fields = ParseEntryFields(Line(i));
        if (fields.kind != kind)
            continue;
        if (result.units.empty()) {
            result.baseUnit = std::string(fields.baseUnit);
            result.baseQuantity = ToSingle(ReadLeadingNumber(fields.baseQuantity));
        }
        result.units.emplace_back(fields.unit);
    }
    return result;
}

float CatalogueText::FactorOf(std::string_view kind, std::string_view name, float current) const {
    float factor = current;
    if (!HasKind(kind))
        return factor;
    for (std::size_t i = 0; i < LineCount(); ++i) {
        const EntryFields fields = ParseEntryFields(Line(i));
        if (fields.kind != kind)
            continue;
        if (fields.baseUnit == name)
            factor = ToSingle(ReadLeadingNumber(fields.baseQuantity));
        if (fields.unit == name)
            factor = ToSingle(ReadLeadingNumber(fields.quantity));
    }
    return factor;
}

std::string_view CatalogueText::KindName(std::uint32_t k) const {
    return {text_.data() + kinds_[k].offset, kinds_[k].length};
}

// The slot that holds the kind, or the free slot where it belongs.
std::size_t CatalogueText::Slot(std::string_view kind) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = std::hash<std::string_view>{}(kind)&mask;
    while (slots_[i] != 0 && KindName(slots_[i] - 1) != kind) i = (i + 1) & mask;
    return i;
}

void CatalogueText::AddKind(std::string_view kind) {
    if ((kinds_.size() + 1) * 2 > slots_.size())
        GrowSlots();
    const std::size_t slot = Slot(kind);
    if (slots_[slot] != 0)
        return;
    const std::size_t offset =
        kind.empty() ? 0 : static_cast<std::size_t>(kind.data() - text_.data());
    kinds_.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(kind.size())});
    slots_[slot] = static_cast<std::uint32_t>(kinds_.size());
}

void CatalogueText::GrowSlots() {
    slots_.assign(std::max<std::size_t>(16, slots_.size() * 2), 0);
    for (std::uint32_t k = 0; k < kinds_.size(); ++k) slots_[Slot(KindName(k))] = k + 1;
}

platform::FileStatus ReadCatalogue(
    const std::function<platform::FileStatus(const platform::ChunkSink&)>& read,
    CatalogueText& text) {
    text.Clear();
    try {
        FileSurvey survey;
        if (auto status = read([&](std::string_view bytes) { survey.Feed(bytes); }); !status.Ok())
            return status;
        // Room for the whole text at once, so that it is never copied to grow.
        std::string decoded;
        decoded.reserve(static_cast<std::size_t>(survey.DecodedSizeHint()));
        CatalogueDecoder decoder(survey);
        if (auto status = read([&](std::string_view bytes) { decoder.Feed(bytes, decoded); });
            !status.Ok())
            return status;
        decoder.Finish(decoded);
        text = CatalogueText(std::move(decoded));
        return {};
    } catch (const std::bad_alloc&) {
        // A large file on a machine short of memory: a message, not a crash.
        text.Clear();
        return {platform::FileFault::kOther, ENOMEM, 0, platform::FileAction::kRead};
    }
}

}  // namespace vek::units
