// SPDX-License-Identifier: MIT
#include "tools/vek-calc/csv_reader.h"

#include <cerrno>

namespace vek::cli {

CsvReader::CsvReader(std::FILE* in) : in_(in), buffer_(1 << 16) {
    if (Peek() == 0xEF && Fill() && size_ - pos_ >= 3 &&
        static_cast<unsigned char>(buffer_[pos_ + 1]) == 0xBB &&
        static_cast<unsigned char>(buffer_[pos_ + 2]) == 0xBF) {
        pos_ += 3;
        bom_ = true;
    }
}

// Makes sure the buffer holds at least three bytes when the input has them
// (the byte-order mark is looked at as a whole); false at the end of the
// input or on a read error.
bool CsvReader::Fill() {
    if (size_ - pos_ >= 3)
        return true;
    std::size_t kept = size_ - pos_;
    for (std::size_t i = 0; i < kept; ++i) buffer_[i] = buffer_[pos_ + i];
    pos_ = 0;
    size_ = kept;
    while (size_ < 3 && !readError_) {
        errno = 0;
        const std::size_t n = std::fread(buffer_.data() + size_, 1, buffer_.size() - size_, in_);
        size_ += n;
        if (n == 0) {
            if (std::ferror(in_))
                readError_ = errno ? errno : EIO;
            break;
        }
    }
    return size_ > pos_;
}

int CsvReader::Peek() {
    if (pos_ == size_ && !Fill())
        return EOF;
    return static_cast<unsigned char>(buffer_[pos_]);
}

int CsvReader::Get() {
    const int c = Peek();
    if (c != EOF)
        ++pos_;
    return c;
}

void CsvReader::EndOfLine(int c) {
    const bool pair = c == '\r' && Peek() == '\n';
    if (pair)
        Get();
    if (!sawLineEnd_) {
        sawLineEnd_ = true;
        crlf_ = pair;
    }
    ++line_;
}

// A row beyond this is no case anyone typed: it is left out unread, so a
// file without line breaks (or /dev/zero) never fills the memory.
constexpr std::size_t kMaxRecordBytes = 1 << 20;

bool CsvReader::SkipOverlong(CsvRecord& record) {
    record.problem = "a row longer than 1 MiB";
    for (std::string& field : record.fields) std::string().swap(field);
    record.fields.clear();
    record.fields.shrink_to_fit();
    // On from the next line break, whatever quotes the row held.
    int c = Get();
    while (c != '\n' && c != '\r' && c != EOF) c = Get();
    if (c != EOF)
        EndOfLine(c);
    return true;
}

bool CsvReader::Next(CsvRecord& record) {
    int c = Peek();
    while (c == '\n' || c == '\r') {  // empty lines
        EndOfLine(Get());
        c = Peek();
    }
    if (c == EOF)
        return false;

    record.line = line_;
    record.problem.clear();
    std::size_t count = 0;
    std::size_t bytes = 0;  // of the row so far, separators included
    for (;;) {
        if (++bytes > kMaxRecordBytes)
            return SkipOverlong(record);
        if (count == record.fields.size())
            record.fields.emplace_back();
        std::string& field = record.fields[count++];
        field.clear();
        c = Get();
        if (c == '"') {
            for (;;) {
                c = Get();
                if (c == EOF) {
                    record.problem = "a quoted field is not closed";
                    break;
                }
                if (c == '"') {
                    if (Peek() != '"') {
                        c = Get();
                        break;
                    }
                    Get();
                } else if (c == '\n' || (c == '\r' && Peek() != '\n')) {
                    ++line_;
                }
                if (++bytes > kMaxRecordBytes)
                    return SkipOverlong(record);
                field.push_back(static_cast<char>(c));
            }
            if (c != ',' && c != '\n' && c != '\r' && c != EOF) {
                record.problem = "text after the closing quote of field " + std::to_string(count);
                while (c != '\n' && c != '\r' && c != EOF) c = Get();
            }
        } else {
            while (c != ',' && c != '\n' && c != '\r' && c != EOF) {
                if (++bytes > kMaxRecordBytes)
                    return SkipOverlong(record);
                field.push_back(static_cast<char>(c));
                c = Get();
            }
        }
        if (c != ',')
            break;
    }
    record.fields.resize(count);
    if (c == '\n' || c == '\r')
        EndOfLine(c);
    return true;
}

void AppendCsvField(std::string& to, const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        to += field;
        return;
    }
    to += '"';
    for (char c : field) {
        if (c == '"')
            to += '"';
        to += c;
    }
    to += '"';
}

}  // namespace vek::cli
