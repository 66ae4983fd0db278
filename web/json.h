// The JSON the browser's modules hand to their pages: texts quoted so that anything a pupil
// pastes comes back whole, and objects written pair by pair.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmorand {

// text as a JSON string. A pasted text may hold anything: control characters are escaped, and
// bytes that are not UTF-8 become U+FFFD, so that the answer is always JSON in UTF-8.
void AppendQuoted(std::string& out, std::string_view text);

// A colour 0xRRGGBB as CSS writes it, "#rrggbb", quoted.
void AppendCssColour(std::string& out, std::uint32_t rgb);

// A number to six significant digits, without trailing zeros: 0.5, 1, 0.0416667. A sixth of
// a millionth of a cell is far below a pixel.
void AppendShort(std::string& out, double value);

// Writes "name":value pairs of one JSON object; the object is closed when this goes.
class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    JsonObject(const JsonObject&) = delete;
    JsonObject& operator=(const JsonObject&) = delete;

    // The text to write the value into.
    std::string& Key(const char* name) {
        if (!empty_)
            out_ += ',';
        empty_ = false;
        AppendQuoted(out_, name);
        out_ += ':';
        return out_;
    }
    void Text(const char* name, std::string_view value) { AppendQuoted(Key(name), value); }
    // A missing text leaves its pair out.
    void Text(const char* name, const char* value) {
        if (value != nullptr)
            Text(name, std::string_view(value));
    }
    void Number(const char* name, double value) { Key(name) += std::to_string(value); }
    void Whole(const char* name, long long value) { Key(name) += std::to_string(value); }
    void Flag(const char* name, bool value) { Key(name) += value ? "true" : "false"; }

private:
    std::string& out_;
    bool empty_ = true;
};

// Writes the values of one JSON array, each after Next().
class JsonArray {
public:
    explicit JsonArray(std::string& out) : out_(out) { out_ += '['; }
    ~JsonArray() { out_ += ']'; }
    JsonArray(const JsonArray&) = delete;
    JsonArray& operator=(const JsonArray&) = delete;

    std::string& Next() {
        if (!empty_)
            out_ += ',';
        empty_ = false;
        return out_;
    }

private:
    std::string& out_;
    bool empty_ = true;
};

// The text a module function answers: kept until its next answer, while the page reads it.
const char* Answer(std::string text);

} // namespace velmorand
