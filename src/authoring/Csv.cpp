// SPDX-License-Identifier: GPL-3.0-or-later
#include "authoring/Csv.h"

namespace xuehai::bank {

namespace {

class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) {
            text_.remove_prefix(3);
        }
    }

    CsvContent Scan() {
        while (pos_ < text_.size()) {
            if (AtLineEnd()) {
                SkipLineEnd();
                continue;
            }
            ScanRecord();
        }
        return std::move(content_);
    }

private:
    bool AtLineEnd() const { return text_[pos_] == '\n' || text_.substr(pos_, 2) == "\r\n"; }

    void SkipLineEnd() {
        pos_ += text_[pos_] == '\r' ? 2 : 1;
        ++line_;
    }

    void ScanRecord() {
        CsvRecord record{line_, {}};
        bool broken = false;
        while (true) {
            std::string field;
            if (pos_ < text_.size() && text_[pos_] == '"') {
                broken = !ScanQuoted(field, record.line) || broken;
            } else {
                broken = !ScanPlain(field, record.line) || broken;
            }
            record.fields.push_back(std::move(field));
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size()) {
                SkipLineEnd();
            }
            break;
        }
        if (!broken) {
            content_.records.push_back(std::move(record));
        }
    }

    // Reads up to the next comma or line end; a quote in the middle of a plain field is an
    // error rather than a guess at what the author meant.
    bool ScanPlain(std::string& field, int recordLine) {
        bool ok = true;
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
            if (text_[pos_] == '"' && ok) {
                Fail(recordLine, "a double quote inside a field that does not start with one");
                ok = false;
            }
            field += text_[pos_++];
        }
        return ok;
    }

    bool ScanQuoted(std::string& field, int recordLine) {
        ++pos_;
        while (pos_ < text_.size()) {
            char c = text_[pos_];
            if (c == '"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                    field += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                if (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd()) {
                    Fail(recordLine, "text after the closing double quote of a field");
                    ScanPlain(field, recordLine);
                    return false;
                }
                return true;
            }
            if (c == '\n') {
                ++line_;
            }
            field += c;
            ++pos_;
        }
        Fail(recordLine, "a double quote opens a field that is never closed");
        return false;
    }

    void Fail(int recordLine, std::string message) {
        content_.errors.push_back({recordLine, std::move(message)});
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    CsvContent content_;
};

}  // namespace

CsvContent ParseCsv(std::string_view text) {
    return CsvScanner(text).Scan();
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += CsvField(fields[i]);
    }
    return line + '\n';
}

}  // namespace xuehai::bank
