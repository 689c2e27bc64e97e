#pragma once
// The root of the class library's exceptions. Unlike the class library, which
// throws pointers, ours are thrown and caught by value:
//   try { ... } catch (const CArchiveException& e) { ... e.m_cause ... }
// Every one is also a std::exception whose what() describes it.

#include "platform/win/WinTypes.h"

#include <exception>
#include <string>

class CException : public std::exception {
public:
    CException() = default;
    explicit CException(std::string message) : m_message(std::move(message)) {}

    const char* what() const noexcept override { return m_message.c_str(); }

    // Copies the description (ASCII) into buffer, cut to fit; TRUE when there is one.
    BOOL GetErrorMessage(char* buffer, UINT maxLength, UINT* helpContext = nullptr) const;

protected:
    std::string m_message;
};
