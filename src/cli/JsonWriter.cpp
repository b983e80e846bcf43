#include "cli/JsonWriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velk::cli {

std::string JsonQuoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

void JsonWriter::newline() {
    out_ += '\n';
    out_.append(levels_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    if (!level.empty)
        out_ += ',';
    if (level.inlineArray) {
        if (!level.empty)
            out_ += ' ';
    } else {
        newline();
    }
    level.empty = false;
}

void JsonWriter::open(char bracket, bool inlineArray) {
    beforeValue();
    out_ += bracket;
    levels_.push_back({inlineArray, true});
}

void JsonWriter::close(char bracket) {
    const Level level = levels_.back();
    levels_.pop_back();
    if (!level.empty && !level.inlineArray)
        newline();
    out_ += bracket;
}

void JsonWriter::beginObject() {
    open('{', false);
}

void JsonWriter::endObject() {
    close('}');
}

void JsonWriter::beginArray() {
    open('[', false);
}

void JsonWriter::beginInlineArray() {
    open('[', true);
}

void JsonWriter::endArray() {
    close(']');
}

JsonWriter& JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += JsonQuoted(name);
    out_ += ": ";
    afterKey_ = true;
    return *this;
}

void JsonWriter::value(std::string_view text) {
    beforeValue();
    out_ += JsonQuoted(text);
}

void JsonWriter::value(std::int64_t number) {
    beforeValue();
    out_ += std::to_string(number);
}

namespace {
// Tries ever more digits until the text reads back as the same value of type T.
template <typename T> std::string ShortestNumberText(T number) {
    char buf[32];
    for (int precision = 1; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, static_cast<double>(number));
        if (static_cast<T>(std::strtod(buf, nullptr)) == number)
            break;
    }
    return buf;
}
} // namespace

void JsonWriter::value(double number) {
    if (!std::isfinite(number)) {
        null();
        return;
    }
    beforeValue();
    out_ += ShortestNumberText(number);
}

void JsonWriter::value(float number) {
    if (!std::isfinite(number)) {
        null();
        return;
    }
    beforeValue();
    out_ += ShortestNumberText(number);
}

void JsonWriter::value(bool flag) {
    beforeValue();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
    }
    value(text);
}

} // namespace velk::cli
