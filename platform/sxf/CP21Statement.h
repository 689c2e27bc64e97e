#pragma once
// Builds the feature statement a ".sfc" file would hold for what a ".p21"
// file says, so both forms are read by one set of rules: numbers in their
// shortest exact form, texts and lists as single parameters.

#include "platform/sxf/CSfcStatement.h"

#include <string>
#include <vector>

class CP21Statement {
public:
    CP21Statement(long long id, std::string name) {
        m_statement.id = id;
        m_statement.name = std::move(name);
    }

    CP21Statement& Int(long long value);
    CP21Statement& Number(double value);
    CP21Statement& Text(std::string value);
    CP21Statement& Numbers(const std::vector<double>& values);

    CSfcStatement Take() { return std::move(m_statement); }

private:
    CSfcStatement m_statement;
};
