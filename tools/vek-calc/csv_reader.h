// SPDX-License-Identifier: MIT
#pragma once
// Reading comma-separated records as spreadsheets write them: a field in
// double quotes may hold commas, line breaks and doubled quotes ("" for ");
// records end with CR LF, LF or a lone CR; a UTF-8 byte-order mark before
// the first record is skipped. Empty lines hold no record. The input is read
// in blocks as the records are asked for, so a file of any length streams;
// a row longer than 1 MiB is left out with a problem, in bounded memory.

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace vek::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    long line = 0;        // the line the record starts on, from 1
    std::string problem;  // what is wrong with its quoting; empty when nothing is
};

class CsvReader {
public:
    explicit CsvReader(std::FILE* in);

    // Reads the next record into `record` (its strings are reused); false at
    // the end of the input or when the input cannot be read (see ReadError).
    bool Next(CsvRecord& record);

    // The error number of a failed read, 0 when the input was read to its end.
    int ReadError() const { return readError_; }
    bool HadByteOrderMark() const { return bom_; }
    // Whether the first record ended with CR LF (so output can end its lines alike).
    bool CrLf() const { return crlf_; }

private:
    int Get();   // the next byte, or EOF
    int Peek();  // the next byte without taking it, or EOF
    bool Fill();
    // Takes the end of a line whose first byte `c` was just read; counts it.
    void EndOfLine(int c);
    // Leaves out a row grown beyond its limit: its problem says so, its
    // fields are let go, and reading goes on after the next line break.
    bool SkipOverlong(CsvRecord& record);

    std::FILE* in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
    long line_ = 1;
    int readError_ = 0;
    bool bom_ = false;
    bool crlf_ = false;
    bool sawLineEnd_ = false;
};

// The field as one CSV field: in double quotes (inner quotes doubled) when
// it holds a comma, a quote or a line break, otherwise as it is.
void AppendCsvField(std::string& to, const std::string& field);

}  // namespace vek::cli
