#include "platform/sxf/CSfcScanner.h"

#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr std::string_view CommentOpen = "/*SXF";
constexpr std::string_view CommentClose = "*/";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The bytes that end a run of plain characters inside a quoted parameter:
// either quote, the escape, a line break, and the first byte of a two-byte
// character, whose second byte may look like any of them.
constexpr auto QuotedStops = [] {
    std::array<bool, 256> stops{};
    for (const unsigned char c : {'\'', '\\', '\r', '\n'}) {
        stops[c] = true;
    }
    for (int c = 0; c < 256; ++c) {
        stops[static_cast<std::size_t>(c)] |= Cp932::IsLeadByte(static_cast<unsigned char>(c));
    }
    return stops;
}();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameChar(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

} // namespace

bool CSfcScanner::IsPart21() const {
    std::string_view rest = m_bytes;
    // A byte-order mark or leading blank lines are forgiven.
    if (rest.starts_with("\xEF\xBB\xBF")) {
        rest.remove_prefix(3);
    }
    const auto first = std::find_if_not(rest.begin(), rest.end(), IsSpace);
    return std::string_view(first, rest.end()).starts_with("ISO-10303-21;");
}

int CSfcScanner::LineAt(std::size_t at) {
    m_line += static_cast<int>(std::count(m_bytes.begin() + static_cast<long>(m_linePos),
                                          m_bytes.begin() + static_cast<long>(at), '\n'));
    m_linePos = at;
    return m_line;
}

void CSfcScanner::SkipSpace() {
    while (m_pos < m_bytes.size() && IsSpace(m_bytes[m_pos])) {
        ++m_pos;
    }
}

bool CSfcScanner::Next(CSfcStatement& statement) {
    // Neither "/" nor "*" can be the second byte of a CP932 character, so the
    // comment marks are found byte by byte.
    m_pos = m_bytes.find(CommentOpen, m_pos);
    if (m_pos == std::string_view::npos) {
        m_pos = m_bytes.size();
        return false;
    }
    const std::size_t open = m_pos;
    statement.line = LineAt(open);
    statement.id = 0;
    statement.name.clear();
    statement.parameters.clear();
    statement.error.clear();
    // The rest of the opening line names the SXF level: "3", "3.1" or nothing.
    m_pos = m_bytes.find('\n', open);
    if (m_pos == std::string_view::npos || !ReadStatement(statement)) {
        if (statement.error.empty()) {
            statement.error = "feature comment without a feature";
        }
        m_pos = open + CommentOpen.size();
    }
    SkipPastComment();
    return true;
}

std::vector<CSfcStatement> CSfcScanner::Statements() {
    m_pos = 0;
    m_linePos = 0;
    m_line = 1;
    std::vector<CSfcStatement> statements;
    CSfcStatement statement;
    while (Next(statement)) {
        statements.push_back(statement);
    }
    return statements;
}

void CSfcScanner::SkipPastComment() {
    const std::size_t close = m_bytes.find(CommentClose, m_pos);
    m_pos = close == std::string_view::npos ? m_bytes.size() : close + CommentClose.size();
}

bool CSfcScanner::ReadStatement(CSfcStatement& statement) {
    SkipSpace();
    if (!StartsAt(m_pos, "#")) {
        statement.error = "feature without an id";
        return false;
    }
    ++m_pos;
    const std::size_t digits = m_pos;
    while (m_pos < m_bytes.size() && IsDigit(m_bytes[m_pos])) {
        ++m_pos;
    }
    if (m_pos == digits || m_pos - digits > 9) {
        statement.error = "feature id is not a number";
        return false;
    }
    std::from_chars(m_bytes.data() + digits, m_bytes.data() + m_pos, statement.id);
    SkipSpace();
    if (!StartsAt(m_pos, "=")) {
        statement.error = "feature id without \"=\"";
        return false;
    }
    ++m_pos;
    SkipSpace();
    const std::size_t name = m_pos;
    while (m_pos < m_bytes.size() && IsNameChar(m_bytes[m_pos])) {
        ++m_pos;
    }
    statement.name.assign(m_bytes.substr(name, m_pos - name));
    SkipSpace();
    if (statement.name.empty() || !StartsAt(m_pos, "(")) {
        statement.error = "feature without a name and parameters";
        return false;
    }
    ++m_pos;
    return ReadParameters(statement);
}

bool CSfcScanner::ReadParameters(CSfcStatement& statement) {
    SkipSpace();
    if (StartsAt(m_pos, ")")) {
        ++m_pos;
        return true;
    }
    while (true) {
        SkipSpace();
        CSfcParameter parameter;
        bool read;
        if (StartsAt(m_pos, "\\'")) {
            m_pos += 2;
            parameter.isText = true;
            read = ReadQuoted(parameter, "\\'");
        } else if (StartsAt(m_pos, "'")) {
            ++m_pos;
            read = ReadQuoted(parameter, "'");
        } else {
            read = ReadBare(parameter);
        }
        if (!read) {
            statement.error = "parameter list not closed";
            return false;
        }
        statement.parameters.push_back(std::move(parameter));
        SkipSpace();
        if (StartsAt(m_pos, ",")) {
            ++m_pos;
        } else if (StartsAt(m_pos, ")")) {
            ++m_pos;
            return true;
        } else {
            statement.error = "parameters not separated by commas";
            return false;
        }
    }
}

bool CSfcScanner::ReadQuoted(CSfcParameter& parameter, std::string_view close) {
    std::string& value = parameter.value;
    value.clear();
    // Plain characters are taken a run at a time.
    std::size_t run = m_pos;
    const auto takeRun = [&] { value.append(m_bytes.substr(run, m_pos - run)); };
    while (true) {
        while (m_pos < m_bytes.size() && !QuotedStops[static_cast<unsigned char>(m_bytes[m_pos])]) {
            ++m_pos;
        }
        if (m_pos >= m_bytes.size()) {
            return false;
        }
        const char c = m_bytes[m_pos];
        if (StartsAt(m_pos, close)) {
            takeRun();
            m_pos += close.size();
            // A quoted parameter that holds a name: '\'name\'' keeps the name.
            if (!parameter.isText && value.size() >= 2 && value.front() == '\'' &&
                value.back() == '\'') {
                value.pop_back();
                value.erase(0, 1);
                parameter.isText = true;
            }
            return true;
        }
        if (c == '\r' || c == '\n') {
            // A long list may be broken over lines.
            takeRun();
            run = ++m_pos;
            continue;
        }
        if (c == '\\' && m_pos + 1 < m_bytes.size()) {
            // An escape takes the next character as it is.
            takeRun();
            run = ++m_pos;
        }
        m_pos += CharLength(m_pos);
    }
}

bool CSfcScanner::ReadBare(CSfcParameter& parameter) {
    const std::size_t start = m_pos;
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && m_bytes[m_pos] != ')') {
        if (m_bytes[m_pos] == '\'' || m_bytes[m_pos] == '(') {
            return false;
        }
        m_pos += CharLength(m_pos);
    }
    if (m_pos >= m_bytes.size()) {
        return false;
    }
    std::string_view value = m_bytes.substr(start, m_pos - start);
    while (!value.empty() && IsSpace(value.back())) {
        value.remove_suffix(1);
    }
    parameter.value.assign(value);
    return !value.empty();
}
