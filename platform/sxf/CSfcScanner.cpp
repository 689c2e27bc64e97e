#include "platform/sxf/CSfcScanner.h"

#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view CommentOpen = "/*SXF";
constexpr std::string_view CommentClose = "*/";

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
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

bool CSfcScanner::StartsAt(std::size_t at, std::string_view text) const {
    return m_bytes.substr(std::min(at, m_bytes.size())).starts_with(text);
}

std::size_t CSfcScanner::CharLength(std::size_t at) const {
    return static_cast<std::size_t>(Cp932::CharLength(m_bytes, at));
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

std::vector<CSfcStatement> CSfcScanner::Statements() {
    std::vector<CSfcStatement> statements;
    m_pos = 0;
    m_linePos = 0;
    m_line = 1;
    // Neither "/" nor "*" can be the second byte of a CP932 character, so the
    // comment marks are found byte by byte.
    while ((m_pos = m_bytes.find(CommentOpen, m_pos)) != std::string_view::npos) {
        const std::size_t open = m_pos;
        CSfcStatement statement;
        statement.line = LineAt(open);
        // The rest of the opening line names the SXF level: "3", "3.1" or nothing.
        m_pos = m_bytes.find('\n', open);
        if (m_pos == std::string_view::npos || !ReadStatement(statement)) {
            if (statement.error.empty()) {
                statement.error = "feature comment without a feature";
            }
            m_pos = open + CommentOpen.size();
        }
        statements.push_back(std::move(statement));
        SkipPastComment();
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
    while (m_pos < m_bytes.size() && std::isdigit(static_cast<unsigned char>(m_bytes[m_pos]))) {
        ++m_pos;
    }
    if (m_pos == digits || m_pos - digits > 9) {
        statement.error = "feature id is not a number";
        return false;
    }
    statement.id = std::stoll(std::string(m_bytes.substr(digits, m_pos - digits)));
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
    statement.name = std::string(m_bytes.substr(name, m_pos - name));
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
    std::string value;
    while (m_pos < m_bytes.size()) {
        if (StartsAt(m_pos, close)) {
            m_pos += close.size();
            // A quoted parameter that holds a name: '\'name\'' keeps the name.
            if (!parameter.isText && value.size() >= 2 && value.front() == '\'' &&
                value.back() == '\'') {
                value = value.substr(1, value.size() - 2);
                parameter.isText = true;
            }
            parameter.value = std::move(value);
            return true;
        }
        const char c = m_bytes[m_pos];
        if (c == '\r' || c == '\n') {
            // A long list may be broken over lines.
            ++m_pos;
            continue;
        }
        if (c == '\\' && m_pos + 1 < m_bytes.size()) {
            // An escape takes the next character as it is.
            ++m_pos;
        }
        const std::size_t length = CharLength(m_pos);
        value.append(m_bytes.substr(m_pos, length));
        m_pos += length;
    }
    return false;
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
    parameter.value = std::string(value);
    return !value.empty();
}
