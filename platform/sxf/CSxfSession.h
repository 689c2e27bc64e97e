#pragma once
// The state the SXF library keeps between open and close: the file read
// whole, where each kind of table, assembly and feature read stands, and the
// messages that wait to be popped. One file is open at a time.

#include "platform/sxf/CSfcDocument.h"

#include <array>
#include <deque>
#include <optional>
#include <string>

class CSxfSession {
public:
    enum Message {
        OpenFailed = 1,
        NotOpen = 2,
        FeatureError = 3,
        WrongKind = 5,
    };

    static CSxfSession& Instance();

    // Negative on failure, with its message waiting.
    int Open(const std::string& path, CSfcDocument::Form form);
    // Answers a call the library cannot serve: -1 with its message waiting.
    int Refuse(Message number, const std::string& text);
    int Close();

    int ReadTable(int kind, void* buffer, int* end);
    int ReadAssembly(int kind, void*& data, int* end);
    int ReadNextFeature(char* typeName, void*& data, int* end);

    // The oldest waiting message: its number, 0 when none waits. The texts
    // stay valid until the next pop.
    int PopMessage(char*& text, char*& second);

private:
    static constexpr std::size_t NoAssembly = static_cast<std::size_t>(-1);

    struct WaitingMessage {
        int number;
        std::string text;
    };

    int Fail(int number, const std::string& text);

    std::optional<CSfcDocument> m_document;
    std::array<std::size_t, 7> m_tableNext{};
    std::array<std::size_t, 3> m_assemblyNext{};
    int m_assemblyKind = 0;
    std::size_t m_assembly = NoAssembly;
    std::size_t m_featureNext = 0;
    std::deque<WaitingMessage> m_messages;
    std::string m_popped;
    std::string m_second;
};
