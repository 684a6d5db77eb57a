// SPDX-License-Identifier: MIT
#include "tools/vek-calc/csv_cases.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/vek-calc/csv_reader.h"
#include "tools/vek-calc/inputs.h"
#include "tools/vek-calc/report.h"
#include "tools/vek-calc/run.h"
#include "units/file_error_text.h"
#include "units/whole_file.h"

namespace vek::cli {

namespace {

// A message on one line of stderr, whatever line breaks a quoted cell brought.
void Report(std::FILE* err, const std::string& message) {
    PrintMessage(err, message);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string KeyOf(const Field& output, Keys keys) {
    return keys == Keys::Ids ? std::to_string(output.id) : std::string(output.name);
}

// Output collected row by row and written in blocks; the first failed write
// ends the run (a reader that went away need not wait for 100,000 rows).
class Sink {
public:
    explicit Sink(std::FILE* out) : out_(out) {}

    std::string& Text() { return text_; }

    // Writes what was collected once there is a block of it (or always, when
    // `all`); false when the output cannot be written.
    bool Flush(bool all) {
        if (!all && text_.size() < kBlock)
            return true;
        errno = 0;
        const bool written = std::fwrite(text_.data(), 1, text_.size(), out_) == text_.size();
        text_.clear();
        if (written && (!all || std::fflush(out_) == 0) && !std::ferror(out_))
            return true;
        error_ = errno ? errno : EIO;
        return false;
    }

    int Error() const { return error_; }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* out_;
    std::string text_;
    int error_ = 0;
};

struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

class CsvRun {
public:
    CsvRun(const Calculator& calculator, const std::string& file, Keys keys, Form form,
           const Context& context, std::FILE* out, std::FILE* err)
        : calculator_(calculator),
          file_(file),
          where_(file == "-" ? "stdin" : file),
          keys_(keys),
          form_(form),
          context_(context),
          sink_(out),
          err_(err) {}

    int Run() {
        std::FILE* in = stdin;
        if (file_ != "-") {
            opened_.reset(std::fopen(file_.c_str(), "rb"));
            if (!opened_) {
                // Windows refuses to open a folder as access denied: say what it is.
                const int error = errno;
                std::error_code ignored;
                const bool folder = error == EACCES && std::filesystem::is_directory(
                                                           vek::units::PathOf(file_), ignored);
                Report(err_, "cannot read " + file_ + ": " +
                                 vek::units::ErrnoReason(folder ? EISDIR : error));
                return kRefused;
            }
            in = opened_.get();
        }
        CsvReader reader(in);
        CsvRecord record;
        if (!reader.Next(record)) {
            if (reader.ReadError())
                return ReadFailed(reader);
            Report(err_, where_ + ": no header row");
            return kRefused;
        }
        if (!ReadHeader(record))
            return kRefused;
        lineEnd_ = reader.CrLf() ? "\r\n" : "\n";
        if (form_ == Form::Lines)
            WriteHeader(record, reader.HadByteOrderMark());

        bool refused = false;
        bool stopped = false;
        while (reader.Next(record)) {
            if (const auto outcome = Compute(record)) {
                stopped = stopped || outcome->stopped;
                if (form_ == Form::Json)
                    WriteJson(record, *outcome);
                else
                    WriteRow(record, *outcome);
                if (!sink_.Flush(false))
                    return NotWritten();
            } else {
                refused = true;
            }
        }
        if (reader.ReadError()) {
            ReadFailed(reader);
            refused = true;
        }
        if (!sink_.Flush(true))
            return NotWritten();
        return refused ? kRowsRefused : stopped ? kStopped : 0;
    }

private:
    int ReadFailed(const CsvReader& reader) {
        Report(err_, "cannot read " + where_ + ": " + vek::units::ErrnoReason(reader.ReadError()));
        return kRefused;
    }

    int NotWritten() {
        std::fprintf(err_, "vek-calc: cannot write the output: %s\n",
                     vek::units::ErrnoReason(sink_.Error()).c_str());
        return kNotWritten;
    }

    void RowProblem(long line, const std::string& problem) {
        Report(err_, where_ + ":" + std::to_string(line) + ": " + problem);
    }

    // Each column names one input, by its name or its control id.
    bool ReadHeader(const CsvRecord& header) {
        const std::string at = where_ + ":" + std::to_string(header.line) + ": ";
        if (!header.problem.empty()) {
            Report(err_, at + header.problem);
            return false;
        }
        std::vector<int> columnOf(calculator_.inputs.size(), -1);
        for (std::size_t column = 0; column < header.fields.size(); ++column) {
            const std::string_view key = Trimmed(header.fields[column]);
            const auto index = FindInput(calculator_, key);
            if (!index) {
                Report(err_, at + calculator_.name + " has no input '" + std::string(key) +
                                 "' (see vek-calc " + calculator_.name + " --help)");
                return false;
            }
            if (columnOf[*index] >= 0) {
                Report(err_, at + "columns " + std::to_string(columnOf[*index] + 1) + " and " +
                                 std::to_string(column + 1) + " both give " +
                                 calculator_.inputs[*index]->name);
                return false;
            }
            columnOf[*index] = static_cast<int>(column);
            inputOf_.push_back(*index);
            names_.emplace_back(key);
        }
        return true;
    }

    // The outcome of the row, nullopt (with the reason on stderr) when the
    // row cannot be read.
    std::optional<Outcome> Compute(const CsvRecord& row) {
        if (!row.problem.empty()) {
            RowProblem(row.line, row.problem);
            return std::nullopt;
        }
        if (row.fields.size() != inputOf_.size()) {
            RowProblem(row.line, std::to_string(row.fields.size()) +
                                     " fields where the header has " +
                                     std::to_string(inputOf_.size()));
            return std::nullopt;
        }
        try {
            Inputs inputs(calculator_);
            for (std::size_t column = 0; column < inputOf_.size(); ++column)
                inputs.Set(inputOf_[column],
                           ReadInput(calculator_, inputOf_[column], row.fields[column]));
            return calculator_.compute(inputs, context_);
        } catch (const UsageError& e) {
            RowProblem(row.line, e.what());
            return std::nullopt;
        }
    }

    // The header as given, then "box" and the result keys.
    void WriteHeader(const CsvRecord& header, bool byteOrderMark) {
        std::string& text = sink_.Text();
        if (byteOrderMark)
            text += "\xEF\xBB\xBF";
        for (const std::string& cell : header.fields) {
            AppendCsvField(text, cell);
            text += ',';
        }
        text += "box";
        for (const Field* output : calculator_.outputs) {
            text += ',';
            AppendCsvField(text, KeyOf(*output, keys_));
        }
        text += lineEnd_;
    }

    // The row as given, then the box ("CAPTION | TEXT" or empty) and the
    // results as the page displays them (empty when the check stopped it).
    void WriteRow(const CsvRecord& row, const Outcome& outcome) {
        std::string& text = sink_.Text();
        for (const std::string& cell : row.fields) {
            AppendCsvField(text, cell);
            text += ',';
        }
        if (outcome.box)
            AppendCsvField(text, outcome.box->caption + " | " + outcome.box->text);
        const std::size_t shown = outcome.stopped ? 0 : outcome.results.size();
        for (std::size_t i = 0; i < calculator_.outputs.size(); ++i) {
            text += ',';
            if (i < shown)
                AppendCsvField(text, ShowValue(calculator_.outputs[i]->kind, outcome.results[i]));
        }
        text += lineEnd_;
    }

    // {"line": N, "inputs": {column: text}, "box": "CAPTION | TEXT",
    //  "results": {key: text}}; "box" only when the page shows one. Inputs
    // and results are apart because a page may show an input again as a
    // result (the rewritten lists of leq).
    void WriteJson(const CsvRecord& row, const Outcome& outcome) {
        using Json = nlohmann::ordered_json;
        Json object = Json::object();
        object["line"] = row.line;
        Json inputs = Json::object();
        for (std::size_t column = 0; column < names_.size(); ++column)
            inputs[names_[column]] = row.fields[column];
        object["inputs"] = std::move(inputs);
        if (outcome.box)
            object["box"] = outcome.box->caption + " | " + outcome.box->text;
        Json results = Json::object();
        if (!outcome.stopped)
            for (std::size_t i = 0; i < outcome.results.size(); ++i) {
                const Field& output = *calculator_.outputs[i];
                results[KeyOf(output, keys_)] = ShowValue(output.kind, outcome.results[i]);
            }
        object["results"] = std::move(results);
        // Bytes that are not UTF-8 become U+FFFD, as in a single run's JSON.
        sink_.Text() += object.dump(-1, ' ', false, Json::error_handler_t::replace);
        sink_.Text() += '\n';
    }

    const Calculator& calculator_;
    const std::string& file_;
    const std::string where_;  // the file's name in messages
    const Keys keys_;
    const Form form_;
    const Context& context_;
    Sink sink_;
    std::FILE* err_;
    std::unique_ptr<std::FILE, Closer> opened_;
    std::vector<std::size_t> inputOf_;  // by column: the input it gives
    std::vector<std::string> names_;    // by column: its key, without blanks around
    const char* lineEnd_ = "\n";
};

}  // namespace

int RunCsvCases(const Calculator& calculator, const std::string& file, Keys keys, Form form,
                const Context& context, std::FILE* out, std::FILE* err) {
    return CsvRun(calculator, file, keys, form, context, out, err).Run();
}

}  // namespace vek::cli
