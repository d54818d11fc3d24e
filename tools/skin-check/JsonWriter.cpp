#include "JsonWriter.h"

#include <cstdio>

void JsonWriter::BeforeValue() {
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasItems.empty()) {
        if (m_hasItems.back())
            m_out << ',';
        m_hasItems.back() = true;
    }
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    m_out << bracket;
    m_hasItems.push_back(false);
}

void JsonWriter::Close(char bracket) {
    m_hasItems.pop_back();
    m_out << bracket;
}

void JsonWriter::BeginObject() {
    Open('{');
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray() {
    Open('[');
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Key(const std::string& name) {
    BeforeValue();
    m_out << JsonQuoted(name) << ':';
    m_afterKey = true;
}

void JsonWriter::String(const std::string& text) {
    BeforeValue();
    m_out << JsonQuoted(text);
}

void JsonWriter::Number(long long number) {
    BeforeValue();
    m_out << number;
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    m_out << (value ? "true" : "false");
}

void JsonWriter::Null() {
    BeforeValue();
    m_out << "null";
}

void JsonWriter::NumberField(const std::string& name, long long number) {
    Key(name);
    Number(number);
}

void JsonWriter::StringField(const std::string& name, const std::string& text) {
    Key(name);
    String(text);
}

void JsonWriter::BoolField(const std::string& name, bool value) {
    Key(name);
    Bool(value);
}

std::string JsonQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}
