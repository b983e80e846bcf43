#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velk::cli {

// A small pretty-printing JSON writer. Objects and arrays nest; inside an object every value is
// preceded by key(). Arrays opened with beginInlineArray() stay on one line.
class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void beginInlineArray();
    void endArray();

    JsonWriter& key(std::string_view name);
    void value(std::string_view text); // UTF-8
    void value(const char* text) { value(std::string_view(text)); }
    void value(std::int64_t number);
    void value(int number) { value(static_cast<std::int64_t>(number)); }
    // The shortest text that reads back as the same number; null when not finite.
    void value(double number);
    void value(float number);
    void value(bool flag);
    void null();

    // Bytes as a hex text.
    void hex(std::span<const std::uint8_t> bytes);

    // The document, ending in a newline.
    std::string str() const { return out_ + "\n"; }

private:
    struct Level {
        bool inlineArray = false;
        bool empty = true;
    };
    void beforeValue();
    void open(char bracket, bool inlineArray);
    void close(char bracket);
    void newline();

    std::string out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

// The text in JSON quotes, with the escapes JSON needs.
std::string JsonQuoted(std::string_view utf8);

} // namespace velk::cli
