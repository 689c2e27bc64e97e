#pragma once
// Typed reading of one feature's parameters. Every accessor checks the
// parameter's presence and form and throws CSfcError with a message naming
// the parameter when it is wrong.

#include "platform/sxf/CSfcStatement.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

class CSfcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CSfcParameters {
public:
    explicit CSfcParameters(const CSfcStatement& statement) : m_statement(statement) {}

    std::size_t Count() const { return m_statement.parameters.size(); }
    // Throws unless the feature has at least that many parameters.
    void Require(std::size_t count) const;

    int Int(std::size_t index) const;
    double Double(std::size_t index) const;
    // A list parameter "(a,b,c)"; "()" is empty.
    std::vector<double> DoubleList(std::size_t index) const;
    // A list parameter of integers.
    std::vector<int> IntList(std::size_t index) const;
    const std::string& Text(std::size_t index) const;
    // The text copied into a fixed buffer; a longer text is refused, never cut
    // in the middle of a character.
    void CopyText(std::size_t index, char* buffer, std::size_t size) const;

    // Throws CSfcError naming the feature and the reason.
    [[noreturn]] void Refuse(const std::string& reason) const;

private:
    const CSfcParameter& At(std::size_t index) const;
    [[noreturn]] void Fail(std::size_t index, const char* what) const;

    const CSfcStatement& m_statement;
};
