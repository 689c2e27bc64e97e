#include "platform/sxf/CP21Parser.h"

#include "platform/sxf/CP21String.h"
#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '!';
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-';
}

bool IsNumberChar(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' ||
           c == 'E' || c == 'e';
}

} // namespace

CP21Parser::CP21Parser(std::string_view bytes) : m_bytes(bytes) {
    // A byte-order mark is forgiven.
    if (m_bytes.starts_with("\xEF\xBB\xBF")) {
        m_pos = 3;
    }
    SkipSpace();
    if (!TakeKeyword("ISO-10303-21")) {
        throw CSfcError("not an ISO-10303-21 file");
    }
    Expect(';', "\";\" after ISO-10303-21");
    SkipHeader();
}

void CP21Parser::Fail(const std::string& reason) const {
    if (m_pos >= m_bytes.size()) {
        throw CSfcError("line " + std::to_string(m_line) + ": the file ends early (" + reason +
                        ")");
    }
    throw CSfcError("line " + std::to_string(m_line) + ": " + reason);
}

void CP21Parser::Advance(std::size_t count) {
    const std::size_t end = std::min(m_pos + count, m_bytes.size());
    m_line += static_cast<int>(std::count(m_bytes.begin() + static_cast<long>(m_pos),
                                          m_bytes.begin() + static_cast<long>(end), '\n'));
    m_pos = end;
}

void CP21Parser::SkipSpace() {
    for (;;) {
        while (m_pos < m_bytes.size() && IsSpace(m_bytes[m_pos])) {
            Advance(1);
        }
        if (!m_bytes.substr(m_pos).starts_with("/*")) {
            return;
        }
        const std::size_t close = m_bytes.find("*/", m_pos + 2);
        if (close == std::string_view::npos) {
            Advance(m_bytes.size() - m_pos);
            Fail("a comment is not closed");
        }
        Advance(close + 2 - m_pos);
    }
}

bool CP21Parser::Peek(char c) {
    SkipSpace();
    return m_pos < m_bytes.size() && m_bytes[m_pos] == c;
}

void CP21Parser::Expect(char c, const char* what) {
    if (!Peek(c)) {
        Fail(std::string(what) + " expected");
    }
    Advance(1);
}

bool CP21Parser::TakeKeyword(std::string_view keyword) {
    SkipSpace();
    const std::size_t end = m_pos + keyword.size();
    if (!m_bytes.substr(m_pos).starts_with(keyword) ||
        (end < m_bytes.size() && IsNameChar(m_bytes[end]))) {
        return false;
    }
    Advance(keyword.size());
    return true;
}

std::string CP21Parser::Name() {
    SkipSpace();
    if (m_pos >= m_bytes.size() || !IsNameStart(m_bytes[m_pos])) {
        Fail("an entity name expected");
    }
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && (IsNameChar(m_bytes[m_pos]) || m_bytes[m_pos] == '!')) {
        Advance(1);
    }
    std::string name(m_bytes.substr(start, m_pos - start));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

long long CP21Parser::Id() {
    // The caller stands on "#".
    Advance(1);
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && std::isdigit(static_cast<unsigned char>(m_bytes[m_pos]))) {
        Advance(1);
    }
    long long id = 0;
    const auto [end, error] = std::from_chars(m_bytes.data() + start, m_bytes.data() + m_pos, id);
    if (m_pos == start || error != std::errc() || id <= 0) {
        Fail("an instance number expected after \"#\"");
    }
    return id;
}

void CP21Parser::SkipHeader() {
    if (!TakeKeyword("HEADER")) {
        Fail("HEADER expected");
    }
    Expect(';', "\";\" after HEADER");
    while (!TakeKeyword("ENDSEC")) {
        CP21Record record;
        Record(record);
        Expect(';', "\";\" after a header entity");
    }
    Expect(';', "\";\" after ENDSEC");
    if (!TakeKeyword("DATA")) {
        Fail("DATA expected");
    }
    if (Peek('(')) {
        std::vector<CP21Value> ignored;
        Advance(1);
        Parameters(ignored, 1);
    }
    Expect(';', "\";\" after DATA");
}

bool CP21Parser::Next(CP21Instance& instance) {
    while (!m_ended) {
        if (TakeKeyword("ENDSEC")) {
            Expect(';', "\";\" after ENDSEC");
            // A later edition of the format allows further data sections.
            if (TakeKeyword("DATA")) {
                if (Peek('(')) {
                    std::vector<CP21Value> ignored;
                    Advance(1);
                    Parameters(ignored, 1);
                }
                Expect(';', "\";\" after DATA");
                continue;
            }
            if (!TakeKeyword("END-ISO-10303-21")) {
                Fail("END-ISO-10303-21 expected");
            }
            Expect(';', "\";\" after END-ISO-10303-21");
            m_ended = true;
            return false;
        }
        if (!Peek('#')) {
            Fail("an instance or ENDSEC expected");
        }
        instance = CP21Instance();
        instance.line = m_line;
        instance.id = Id();
        Expect('=', "\"=\" after the instance number");
        if (Peek('(')) {
            Advance(1);
            while (!Peek(')')) {
                Record(instance.records.emplace_back());
            }
            Advance(1);
            if (instance.records.empty()) {
                Fail("a complex instance without entities");
            }
        } else {
            Record(instance.records.emplace_back());
        }
        Expect(';', "\";\" after an instance");
        return true;
    }
    return false;
}

void CP21Parser::Record(CP21Record& record) {
    record.name = Name();
    Expect('(', "\"(\" after an entity name");
    Parameters(record.parameters, 1);
}

// The caller has taken the "(": values up to and with the ")".
void CP21Parser::Parameters(std::vector<CP21Value>& values, int depth) {
    if (depth > MaxDepth) {
        Fail("lists nest too deep");
    }
    if (Peek(')')) {
        Advance(1);
        return;
    }
    for (;;) {
        values.push_back(Value(depth));
        if (Peek(')')) {
            Advance(1);
            return;
        }
        Expect(',', "\",\" or \")\" in a list");
    }
}

CP21Value CP21Parser::Value(int depth) {
    SkipSpace();
    if (m_pos >= m_bytes.size()) {
        Fail("a value expected");
    }
    CP21Value value;
    const char c = m_bytes[m_pos];
    switch (c) {
    case '$':
        Advance(1);
        value.kind = CP21Value::Unset;
        break;
    case '*':
        Advance(1);
        value.kind = CP21Value::Derived;
        break;
    case '#':
        value.kind = CP21Value::Reference;
        value.id = Id();
        break;
    case '\'':
        value.kind = CP21Value::String;
        value.text = String();
        break;
    case '.':
        Advance(1);
        value.kind = CP21Value::Enumeration;
        value.text = Delimited('.', "an enumeration");
        if (value.text.empty() || !std::all_of(value.text.begin(), value.text.end(), IsNameChar)) {
            Fail("\"." + value.text + ".\" is not an enumeration");
        }
        break;
    case '"':
        Advance(1);
        value.kind = CP21Value::Binary;
        value.text = Delimited('"', "a binary value");
        break;
    case '(':
        Advance(1);
        value.kind = CP21Value::List;
        Parameters(value.items, depth + 1);
        break;
    default:
        if (IsNameStart(c)) {
            value.kind = CP21Value::Typed;
            value.text = Name();
            Expect('(', "\"(\" after a type name");
            Parameters(value.items, depth + 1);
            if (value.items.size() != 1) {
                Fail("a typed value holds one value");
            }
        } else if (IsNumberChar(c)) {
            value = Number();
        } else {
            Fail("a value expected");
        }
    }
    return value;
}

CP21Value CP21Parser::Number() {
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && IsNumberChar(m_bytes[m_pos])) {
        Advance(1);
    }
    std::string_view text = m_bytes.substr(start, m_pos - start);
    CP21Value value;
    value.kind =
        text.find_first_of(".Ee") == std::string_view::npos ? CP21Value::Integer : CP21Value::Real;
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value.number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value.number)) {
        std::string message = "\"";
        message += m_bytes.substr(start, m_pos - start);
        message += "\" is not a number";
        Fail(message);
    }
    return value;
}

std::string CP21Parser::String() {
    Advance(1);
    std::string written;
    for (;;) {
        if (m_pos >= m_bytes.size()) {
            Fail("a string is not closed");
        }
        const char c = m_bytes[m_pos];
        if (c == '\'') {
            if (!m_bytes.substr(m_pos).starts_with("''")) {
                Advance(1);
                break;
            }
            written += "''";
            Advance(2);
        } else {
            // Line ends inside a string belong to the layout, not to the text.
            if (c != '\r' && c != '\n') {
                written += c;
            }
            Advance(1);
        }
    }
    try {
        return CP21String::Decode(written);
    } catch (const CSfcError& error) {
        Fail(error.what());
    }
}

std::string CP21Parser::Delimited(char close, const char* what) {
    const std::size_t end = m_bytes.find(close, m_pos);
    if (end == std::string_view::npos) {
        Advance(m_bytes.size() - m_pos);
        Fail(std::string(what) + " is not closed");
    }
    std::string text(m_bytes.substr(m_pos, end - m_pos));
    Advance(end + 1 - m_pos);
    return text;
}
