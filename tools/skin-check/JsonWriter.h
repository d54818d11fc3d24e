// Writes JSON text as it goes, putting the commas and quotes where they belong.
#pragma once

#include <ostream>
#include <string>
#include <vector>

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Names the next value inside an object.
    void Key(const std::string& name);
    void String(const std::string& text);
    void Number(long long number);
    void Bool(bool value);
    void Null();
    // A key and its value, inside an object.
    void NumberField(const std::string& name, long long number);
    void StringField(const std::string& name, const std::string& text);
    void BoolField(const std::string& name, bool value);

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::ostream& m_out;
    std::vector<bool> m_hasItems; // one entry per open object or array
    bool m_afterKey = false;
};

// The text as a JSON string literal, quotes included. Bytes from 0x80 up pass through as UTF-8.
std::string JsonQuoted(const std::string& text);
