// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One JSON object per line, fields in the order they are added. An object can be cleared and
// filled again: a batch keeps one and reuses its storage line after line.
#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class JsonObject {
public:
    JsonObject& add(std::string_view key, const std::string& value);
    JsonObject& add(std::string_view key, const char* value);
    JsonObject& add(std::string_view key, int value);
    JsonObject& add(std::string_view key, double value);  // 9 decimals: finer than a millisecond
    JsonObject& add(std::string_view key, bool value);
    JsonObject& add(std::string_view key, const std::vector<int>& values);
    JsonObject& add(std::string_view key, std::initializer_list<int> values);
    JsonObject& add(std::string_view key, const std::array<int, 2>& values);  // a pillar
    JsonObject& add(std::string_view key, const std::vector<std::string>& values);
    JsonObject& addObject(std::string_view key, const JsonObject& value);
    JsonObject& addObjects(std::string_view key, const std::vector<JsonObject>& values);
    // A number in its shortest exact form (5.5, 2.504722222222222), or null.
    JsonObject& addShortest(std::string_view key, double value);
    JsonObject& addNull(std::string_view key) { return addRaw(key, "null"); }
    // A value already written as JSON (an array or object the caller built).
    JsonObject& addJson(std::string_view key, std::string_view json) { return addRaw(key, json); }
    std::string str() const { return "{" + body_ + "}"; }
    // Writes the object and a line end.
    void writeLine(std::ostream& out) const { out << '{' << body_ << "}\n"; }
    // Forgets the fields, keeping the storage.
    void clear() { body_.clear(); }
    void reserve(std::size_t bytes) { body_.reserve(bytes); }
    // Starts a field and hands over the buffer for its value, for a large value written in place
    // (the caller appends exactly one JSON value).
    std::string& rawField(std::string_view key);
    // The fields without the braces, appended to `out`.
    void appendFields(std::string& out) const { out += body_; }

private:
    // Starts a field: the separator, the quoted key and the colon.
    void startField(std::string_view key);
    JsonObject& addRaw(std::string_view key, std::string_view json);
    std::string body_;
};

// A JSON string literal with the needed escapes (UTF-8 passes through).
std::string JsonString(std::string_view s);
// The same, appended to `out`.
void AppendJsonString(std::string& out, std::string_view s);
