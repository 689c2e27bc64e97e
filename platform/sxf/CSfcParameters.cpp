#include "platform/sxf/CSfcParameters.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool ParseDouble(std::string_view text, double& value) {
    text = Trimmed(text);
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() &&
           std::isfinite(value);
}

} // namespace

void CSfcParameters::Refuse(const std::string& reason) const {
    throw CSfcError("#" + std::to_string(m_statement.id) + " " + m_statement.name + ": " + reason);
}

void CSfcParameters::Require(std::size_t count) const {
    if (Count() < count) {
        Refuse(std::to_string(count) + " parameters expected, " + std::to_string(Count()) +
               " found");
    }
}

const CSfcParameter& CSfcParameters::At(std::size_t index) const {
    Require(index + 1);
    return m_statement.parameters[index];
}

void CSfcParameters::Fail(std::size_t index, const char* what) const {
    Refuse("parameter " + std::to_string(index + 1) + " is not " + what);
}

int CSfcParameters::Int(std::size_t index) const {
    double value = 0;
    if (!ParseDouble(At(index).value, value) || value != std::trunc(value) ||
        std::fabs(value) > std::numeric_limits<int>::max()) {
        Fail(index, "an integer");
    }
    return static_cast<int>(value);
}

double CSfcParameters::Double(std::size_t index) const {
    double value = 0;
    if (!ParseDouble(At(index).value, value)) {
        Fail(index, "a number");
    }
    return value;
}

std::vector<double> CSfcParameters::DoubleList(std::size_t index) const {
    std::string_view text = Trimmed(At(index).value);
    if (!text.starts_with('(') || !text.ends_with(')')) {
        Fail(index, "a list");
    }
    text = Trimmed(text.substr(1, text.size() - 2));
    std::vector<double> values;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        double value = 0;
        if (!ParseDouble(text.substr(0, comma), value)) {
            Fail(index, "a list of numbers");
        }
        values.push_back(value);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (comma != std::string_view::npos && Trimmed(text).empty()) {
            Fail(index, "a list of numbers");
        }
    }
    return values;
}

std::vector<int> CSfcParameters::IntList(std::size_t index) const {
    std::vector<int> values;
    for (const double value : DoubleList(index)) {
        if (value != std::trunc(value) || std::fabs(value) > std::numeric_limits<int>::max()) {
            Fail(index, "a list of integers");
        }
        values.push_back(static_cast<int>(value));
    }
    return values;
}

const std::string& CSfcParameters::Text(std::size_t index) const {
    return At(index).value;
}

void CSfcParameters::CopyText(std::size_t index, char* buffer, std::size_t size) const {
    const std::string& text = Text(index);
    if (text.size() >= size) {
        Fail(index, ("a text of at most " + std::to_string(size - 1) + " bytes").c_str());
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
}
