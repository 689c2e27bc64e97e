#include "platform/sxf/CP21Statement.h"

#include <charconv>

namespace {

std::string Shortest(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

} // namespace

CP21Statement& CP21Statement::Int(long long value) {
    m_statement.parameters.push_back({std::to_string(value), false});
    return *this;
}

CP21Statement& CP21Statement::Number(double value) {
    m_statement.parameters.push_back({Shortest(value), false});
    return *this;
}

CP21Statement& CP21Statement::Text(std::string value) {
    m_statement.parameters.push_back({std::move(value), true});
    return *this;
}

CP21Statement& CP21Statement::Numbers(const std::vector<double>& values) {
    std::string list = "(";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) {
            list += ',';
        }
        list += Shortest(values[i]);
    }
    m_statement.parameters.push_back({list + ")", false});
    return *this;
}
