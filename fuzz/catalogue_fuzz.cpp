// SPDX-License-Identifier: MIT
// Any data.ini content, in either encoding, and any five texts of an add
// row. The file loads; the kinds, the units of every kind and the factor of
// every unit agree with a plain reading of the entries; decoding piece by
// piece gives the same text as decoding at once; and an append leaves every
// earlier line as it read, brings the new line back when its texts are
// acceptable, and survives a reload from disk.
//
// Input: five add-row texts (FuzzedDataProvider strings, each ended by a
// backslash and one more byte), a byte choosing where the content is cut
// into pieces, then the file's content.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "units/catalogue_format.h"
#include "units/catalogue_text.h"
#include "units/unit_catalogue.h"
#include "units/unit_lookup.h"
#include "units/utf8.h"

using namespace vek::units;
namespace fs = std::filesystem;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

const std::string& FilePath() {
    static const std::string path = [] {
        // In memory where there is such a folder: every append is flushed
        // to the disk, which would slow the run down a hundredfold.
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path dir = base / ("vek-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        static const fs::path removed = dir;
        std::atexit([] { fs::remove_all(removed); });
        return (dir / "data.ini").string();
    }();
    return path;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<UnitEntry> EntriesOf(const UnitCatalogue& c) {
    std::vector<UnitEntry> entries;
    for (std::size_t i = 0; i < c.EntryCount(); ++i) entries.push_back(c.Entry(i));
    return entries;
}

// The page refuses these texts; they may corrupt the line, never the file.
bool Refused(const std::string& text) {
    return text.find_first_of("[]\n") != std::string::npos;
}

// Decoding in pieces of `step` bytes gives what decoding at once gives.
void CheckPieces(const std::string& bytes, std::size_t step) {
    FileSurvey whole, pieces;
    whole.Feed(bytes);
    for (std::size_t i = 0; i < bytes.size(); i += step)
        pieces.Feed(std::string_view(bytes).substr(i, step));
    Require(whole.Encoding() == pieces.Encoding());
    Require(whole.IncompleteTail() == pieces.IncompleteTail());
    Require(whole.LineBreaks() == pieces.LineBreaks());
    CatalogueDecoder decoder(pieces);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += step)
        decoder.Feed(std::string_view(bytes).substr(i, step), text);
    decoder.Finish(text);
    Require(text == DecodeCatalogue(bytes));
    if (whole.Encoding() == FileEncoding::kUtf8)
        Require(text.size() == whole.DecodedSizeHint());
    Require(IsWellFormedUtf8(text));
}

void CheckQuestions(const UnitCatalogue& c, const std::vector<UnitEntry>& entries) {
    const std::vector<std::string> kinds = c.KindsInOrder();
    Require(kinds == KindsInOrder(entries));
    for (const auto& kind : kinds) {
        const KindUnits units = c.UnitsOfKind(kind);
        const KindUnits plain = UnitsOfKind(entries, kind);
        Require(units.HasEntries());
        Require(units.baseUnit == plain.baseUnit && units.units == plain.units);
        Require(units.baseQuantity == plain.baseQuantity ||
                (std::isnan(units.baseQuantity) && std::isnan(plain.baseQuantity)));
        for (const auto& name : units.units) {
            const float factor = c.FactorOf(kind, name, -1.5f);
            Require(factor == FactorOf(entries, kind, name, -1.5f));
            Require(!std::isnan(factor));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::string texts[5];
    for (auto& text : texts) text = in.ConsumeRandomLengthString(64);
    const std::size_t step = 1 + in.ConsumeIntegralInRange<std::size_t>(0, 15);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    CheckPieces(bytes, step);

    const std::string& path = FilePath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    UnitCatalogue c(path);
    Require(c.Load().empty());
    const std::vector<UnitEntry> before = EntriesOf(c);
    Require(before == UnitCatalogue::ParseContent(bytes));
    CheckQuestions(c, before);
    Require(ReadBytes(path) == bytes);  // loading writes nothing

    Require(c.AppendEntry(texts[0], texts[1], texts[2], texts[3], texts[4]).empty());
    const std::vector<UnitEntry> after = EntriesOf(c);
    Require(after.size() >= before.size());
    for (std::size_t i = 0; i < before.size(); ++i) Require(after[i] == before[i]);
    bool refused = false;
    for (const auto& text : texts) refused = refused || Refused(text);
    if (!refused) {
        Require(after.size() == before.size() + 1);
        const UnitEntry expected{
            SanitizeUtf8(texts[0]), ToSingle(ReadLeadingNumber(SanitizeUtf8(texts[1]))),
            SanitizeUtf8(texts[2]), ToSingle(ReadLeadingNumber(SanitizeUtf8(texts[3]))),
            SanitizeUtf8(texts[4])};
        Require(after.back() == expected);
    }
    // What was in the file is still there, except a character cut short at
    // the end, which became the U+FFFD it read as.
    const std::string written = ReadBytes(path);
    FileSurvey survey;
    survey.Feed(bytes);
    const std::size_t kept =
        bytes.size() - (survey.Encoding() == FileEncoding::kUtf8 ? survey.IncompleteTail() : 0);
    Require(written.compare(0, kept, bytes, 0, kept) == 0);

    c.Close();
    UnitCatalogue again(path);
    Require(again.Load().empty());
    Require(EntriesOf(again) == after);
    CheckQuestions(again, after);
    return 0;
}
