#pragma once
// A byte string holding CP932 (Shift-JIS) text, with the operations of the
// class library's string that the system uses. Searching, case folding and
// trimming step over two-byte characters, so a trail byte such as 0x5C is
// never taken for '\\'.

#include <cstdarg>
#include <string>
#include <string_view>

class QString;

class CString {
public:
    CString() = default;
    CString(const char* text) : m_data(text ? text : "") {}
    CString(const char* text, int length) : m_data(text, static_cast<std::size_t>(length)) {}
    CString(std::string text) : m_data(std::move(text)) {}
    CString(std::string_view text) : m_data(text) {}
    CString(char ch, int repeat) : m_data(static_cast<std::size_t>(repeat), ch) {}

    int GetLength() const { return static_cast<int>(m_data.size()); }
    bool IsEmpty() const { return m_data.empty(); }
    void Empty() { m_data.clear(); }

    const char* c_str() const { return m_data.c_str(); }
    operator const char*() const { return m_data.c_str(); }
    const std::string& str() const { return m_data; }
    std::string_view view() const { return m_data; }

    char GetAt(int index) const { return m_data.at(static_cast<std::size_t>(index)); }
    char operator[](int index) const { return GetAt(index); }
    void SetAt(int index, char ch) { m_data.at(static_cast<std::size_t>(index)) = ch; }

    CString& operator=(const char* text) {
        m_data = text ? text : "";
        return *this;
    }
    CString& operator+=(const CString& other) {
        m_data += other.m_data;
        return *this;
    }
    CString& operator+=(const char* text) {
        m_data += text ? text : "";
        return *this;
    }
    CString& operator+=(char ch) {
        m_data += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) {
        return CString(a.m_data + b.m_data);
    }
    friend CString operator+(const CString& a, const char* b) {
        return CString(a.m_data + (b ? b : ""));
    }
    friend CString operator+(const char* a, const CString& b) {
        return CString((a ? a : "") + b.m_data);
    }
    friend CString operator+(const CString& a, char b) { return CString(a.m_data + b); }

    // Byte-wise comparison (unsigned bytes): <0, 0 or >0.
    int Compare(const char* other) const;
    // Comparison folding ASCII letters only; two-byte characters compare as bytes.
    int CompareNoCase(const char* other) const;

    friend bool operator==(const CString& a, const CString& b) { return a.m_data == b.m_data; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;

    // Byte offset of the first match at or after start, -1 when none. Matches
    // only start on character boundaries.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    // Byte offset of the last single-byte character ch, -1 when none.
    int ReverseFind(char ch) const;

    void MakeUpper();
    void MakeLower();
    void TrimLeft();
    void TrimRight();
    void Trim() {
        TrimRight();
        TrimLeft();
    }
    // Replaces every occurrence; returns how many were replaced.
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);

    // printf-style formatting, always with the C locale's numbers.
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);

    // A writable buffer of at least minLength bytes; ReleaseBuffer ends the
    // text at newLength, or at the first NUL when newLength is -1.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    QString ToQString() const;
    static CString FromQString(const QString& text);
    // A file path holds the file system's bytes, not CP932: these carry it
    // from and to Qt's file names. A Qt name that no bytes stand for comes
    // out as bytes that name no file, never as another file's name.
    QString ToFilePath() const;
    static CString FromFilePath(const QString& path);
    // A text written in UTF-8 in the program's source, in CP932.
    static CString FromUtf8(const char* text);

private:
    std::string m_data;
};

// The class library's multibyte comparisons.
int _mbscmp(const char* a, const char* b);
int _mbsicmp(const char* a, const char* b);
