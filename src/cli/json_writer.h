#pragma once
// One JSON object per line, fields in the order they are added.
#include <string>
#include <vector>

class JsonObject {
public:
    JsonObject& add(const std::string& key, const std::string& value);
    JsonObject& add(const std::string& key, const char* value);
    JsonObject& add(const std::string& key, int value);
    JsonObject& add(const std::string& key, double value);  // 9 decimals: finer than a millisecond
    JsonObject& add(const std::string& key, bool value);
    JsonObject& add(const std::string& key, const std::vector<int>& values);
    JsonObject& add(const std::string& key, const std::vector<std::string>& values);
    JsonObject& addObject(const std::string& key, const JsonObject& value);
    JsonObject& addObjects(const std::string& key, const std::vector<JsonObject>& values);
    // A number in its shortest exact form (5.5, 2.504722222222222), or null.
    JsonObject& addShortest(const std::string& key, double value);
    JsonObject& addNull(const std::string& key) { return addRaw(key, "null"); }
    std::string str() const { return "{" + body_ + "}"; }

private:
    JsonObject& addRaw(const std::string& key, const std::string& json);
    std::string body_;
};

// A JSON string literal with the needed escapes (UTF-8 passes through).
std::string JsonString(const std::string& s);
