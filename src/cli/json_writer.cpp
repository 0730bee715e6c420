// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <charconv>
#include <cstdio>

void AppendJsonString(std::string& out, std::string_view s) {
    out += '"';
    // Runs of characters that need no escape are copied whole: most strings are nothing else.
    std::size_t run = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(s.data() + run, i - run);
        run = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            }
        }
    }
    out.append(s.data() + run, s.size() - run);
    out += '"';
}

std::string JsonString(std::string_view s) {
    std::string out;
    AppendJsonString(out, s);
    return out;
}

namespace {

void AppendInt(std::string& out, int value) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, end);
}

template <typename Iterator>
void AppendIntArray(std::string& out, Iterator begin, Iterator end) {
    out += '[';
    for (Iterator v = begin; v != end; ++v) {
        if (v != begin) out += ',';
        AppendInt(out, *v);
    }
    out += ']';
}

}  // namespace

void JsonObject::startField(std::string_view key) {
    // Keys are the program's own snake_case words: nothing to escape.
    if (!body_.empty()) body_ += ',';
    body_ += '"';
    body_ += key;
    body_ += "\":";
}

std::string& JsonObject::rawField(std::string_view key) {
    startField(key);
    return body_;
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string_view json) {
    startField(key);
    body_ += json;
    return *this;
}

JsonObject& JsonObject::add(std::string_view key, const std::string& value) {
    startField(key);
    AppendJsonString(body_, value);
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, const char* value) {
    startField(key);
    AppendJsonString(body_, value);
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, int value) {
    startField(key);
    AppendInt(body_, value);
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, double value) {
    // to_chars, unlike printf, ignores the C locale's decimal separator.
    char buf[400];  // room for any finite double in fixed notation
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 9);
    return addRaw(key, std::string_view(buf, r.ptr - buf));
}
JsonObject& JsonObject::addShortest(std::string_view key, double value) {
    char buf[40];  // as printf's %.15g, without the C locale
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return addRaw(key, std::string_view(buf, r.ptr - buf));
}
JsonObject& JsonObject::add(std::string_view key, bool value) {
    return addRaw(key, value ? "true" : "false");
}
JsonObject& JsonObject::add(std::string_view key, const std::vector<int>& values) {
    startField(key);
    AppendIntArray(body_, values.begin(), values.end());
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, std::initializer_list<int> values) {
    startField(key);
    AppendIntArray(body_, values.begin(), values.end());
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, const std::array<int, 2>& values) {
    startField(key);
    AppendIntArray(body_, values.begin(), values.end());
    return *this;
}
JsonObject& JsonObject::add(std::string_view key, const std::vector<std::string>& values) {
    startField(key);
    body_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) body_ += ',';
        AppendJsonString(body_, values[i]);
    }
    body_ += ']';
    return *this;
}
// Nested objects are appended in place: a person record nests about a hundred of them.
JsonObject& JsonObject::addObject(std::string_view key, const JsonObject& value) {
    startField(key);
    body_ += '{';
    body_ += value.body_;
    body_ += '}';
    return *this;
}
JsonObject& JsonObject::addObjects(std::string_view key, const std::vector<JsonObject>& values) {
    startField(key);
    body_ += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) body_ += ',';
        body_ += '{';
        body_ += values[i].body_;
        body_ += '}';
    }
    body_ += ']';
    return *this;
}
