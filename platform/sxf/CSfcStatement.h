#pragma once
// One feature comment of a ".sfc" file as it stands: its id, its feature
// name and its parameters, quotes and escapes removed.

#include <string>
#include <vector>

struct CSfcParameter {
    std::string value;
    bool isText = false; // written between backslash-apostrophes
};

struct CSfcStatement {
    int line = 0; // where the feature starts, for messages
    long long id = 0;
    std::string name;
    std::vector<CSfcParameter> parameters;
    std::string error; // not empty when the feature could not be read
};
