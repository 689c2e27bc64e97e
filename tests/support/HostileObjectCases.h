#pragma once
// The hostile object lists every reader of the program's own files meets,
// built for a drawing file or a control file alike, as a table of named
// cases for a parameterised test.

#include "tests/support/HostileObjectFile.h"

#include <functional>
#include <initializer_list>
#include <ostream>
#include <vector>

struct HostileCase {
    const char* name;
    std::function<HostileObjectFile(HostileObjectFile::Kind)> build;
    // Whether the reader takes the file.
    bool read;
};

// Failures name the case, not its bytes.
inline void PrintTo(const HostileCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

// The groups that hold themselves or share a child, the chains and the
// bodies every reader meets, followed by the reader's own cases.
inline std::vector<HostileCase> HostileCases(std::initializer_list<HostileCase> own) {
    using Kind = HostileObjectFile::Kind;
    std::vector<HostileCase> cases{
        {"GroupInItselfIsRefused",
         [](Kind kind) {
             HostileObjectFile file(kind, 1);
             file.GroupHead(1).Reference(2);
             return file;
         },
         false},
        {"ChildOfTwoGroupsIsRefused",
         [](Kind kind) {
             HostileObjectFile file(kind, 3);
             file.GroupHead(0);
             file.GroupHead(1).Reference(2);
             file.GroupHead(1).Reference(2);
             return file;
         },
         false},
        {"ShortChainIsRead", [](Kind kind) { return HostileObjectFile::Chain(kind, 50); }, true},
        {"ChainOfAHundredThousandIsRefusedAtOnce",
         [](Kind kind) { return HostileObjectFile::Chain(kind, 100000); }, false},
        {"ChildOnlyInItsGroupIsReadAndFreedWithIt",
         [](Kind kind) {
             HostileObjectFile file(kind, 1);
             file.GroupHead(1).GroupHead(0);
             return file;
         },
         true},
        {"BodyEndingHalfwayFreesTheChildrenItRead",
         [](Kind kind) {
             HostileObjectFile file(kind, 1);
             file.GroupHead(2).GroupHead(0).Word(0xFFFF);
             return file;
         },
         false},
    };
    cases.insert(cases.end(), own.begin(), own.end());
    return cases;
}
