#include "cli/json_writer.h"

#include <charconv>
#include <cstdio>

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::addRaw(const std::string& key, const std::string& json) {
    if (!body_.empty()) body_ += ",";
    body_ += JsonString(key) + ":" + json;
    return *this;
}

JsonObject& JsonObject::add(const std::string& key, const std::string& value) {
    return addRaw(key, JsonString(value));
}
JsonObject& JsonObject::add(const std::string& key, const char* value) {
    return addRaw(key, JsonString(value));
}
JsonObject& JsonObject::add(const std::string& key, int value) { return addRaw(key, std::to_string(value)); }
JsonObject& JsonObject::add(const std::string& key, double value) {
    // to_chars, unlike printf, ignores the C locale's decimal separator.
    char buf[400];  // room for any finite double in fixed notation
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 9);
    return addRaw(key, std::string(buf, r.ptr));
}
JsonObject& JsonObject::addShortest(const std::string& key, double value) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return addRaw(key, buf);
}
JsonObject& JsonObject::add(const std::string& key, bool value) { return addRaw(key, value ? "true" : "false"); }
JsonObject& JsonObject::add(const std::string& key, const std::vector<int>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) json += (i ? "," : "") + std::to_string(values[i]);
    return addRaw(key, json + "]");
}
JsonObject& JsonObject::add(const std::string& key, const std::vector<std::string>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) json += (i ? "," : "") + JsonString(values[i]);
    return addRaw(key, json + "]");
}
JsonObject& JsonObject::addObject(const std::string& key, const JsonObject& value) {
    return addRaw(key, value.str());
}
JsonObject& JsonObject::addObjects(const std::string& key, const std::vector<JsonObject>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i) json += (i ? "," : "") + values[i].str();
    return addRaw(key, json + "]");
}
