#include "platform/mfc/CString.h"

#include "platform/mfc/Cp932.h"
#include "platform/win/CNumberFormat.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

bool IsSpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

char FoldAscii(unsigned char c) {
    return static_cast<char>((c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c);
}

// Visits the start offset of every character.
template <typename F> void ForEachChar(std::string_view text, std::size_t start, F&& f) {
    for (std::size_t i = 0; i < text.size(); i += Cp932::CharLength(text, i)) {
        if (i >= start && !f(i))
            return;
    }
}

} // namespace

int _mbscmp(const char* a, const char* b) {
    return std::strcmp(a ? a : "", b ? b : ""); // strcmp compares as unsigned char
}

int _mbsicmp(const char* a, const char* b) {
    auto pa = reinterpret_cast<const unsigned char*>(a ? a : "");
    auto pb = reinterpret_cast<const unsigned char*>(b ? b : "");
    for (;;) {
        unsigned char ca = *pa, cb = *pb;
        if (Cp932::IsLeadByte(ca) && pa[1] != 0 && ca == cb) {
            // Both start a two-byte character with the same lead: compare the trail as is.
            if (pa[1] != pb[1])
                return pa[1] < pb[1] ? -1 : 1;
            pa += 2;
            pb += 2;
            continue;
        }
        unsigned char fa = static_cast<unsigned char>(FoldAscii(ca));
        unsigned char fb = static_cast<unsigned char>(FoldAscii(cb));
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (ca == 0)
            return 0;
        ++pa;
        ++pb;
    }
}

int CString::Compare(const char* other) const {
    return _mbscmp(m_data.c_str(), other);
}

int CString::CompareNoCase(const char* other) const {
    return _mbsicmp(m_data.c_str(), other);
}

CString CString::Mid(int first) const {
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const {
    first = std::max(first, 0);
    count = std::max(count, 0);
    if (first >= GetLength())
        return CString();
    return CString(m_data.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

CString CString::Left(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_data.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return CString(m_data.substr(m_data.size() - static_cast<std::size_t>(count)));
}

int CString::Find(char ch, int start) const {
    int found = -1;
    ForEachChar(m_data, static_cast<std::size_t>(std::max(start, 0)), [&](std::size_t i) {
        if (Cp932::CharLength(m_data, i) == 1 && m_data[i] == ch) {
            found = static_cast<int>(i);
            return false;
        }
        return true;
    });
    return found;
}

int CString::Find(const char* sub, int start) const {
    std::string_view needle(sub ? sub : "");
    if (needle.empty())
        return start <= GetLength() ? std::max(start, 0) : -1;
    int found = -1;
    ForEachChar(m_data, static_cast<std::size_t>(std::max(start, 0)), [&](std::size_t i) {
        if (std::string_view(m_data).substr(i, needle.size()) == needle) {
            found = static_cast<int>(i);
            return false;
        }
        return true;
    });
    return found;
}

int CString::ReverseFind(char ch) const {
    int found = -1;
    ForEachChar(m_data, 0, [&](std::size_t i) {
        if (Cp932::CharLength(m_data, i) == 1 && m_data[i] == ch)
            found = static_cast<int>(i);
        return true;
    });
    return found;
}

void CString::MakeUpper() {
    ForEachChar(m_data, 0, [&](std::size_t i) {
        char& c = m_data[i];
        if (Cp932::CharLength(m_data, i) == 1 && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
        return true;
    });
}

void CString::MakeLower() {
    ForEachChar(m_data, 0, [&](std::size_t i) {
        if (Cp932::CharLength(m_data, i) == 1)
            m_data[i] = FoldAscii(static_cast<unsigned char>(m_data[i]));
        return true;
    });
}

void CString::TrimLeft() {
    std::size_t i = 0;
    while (i < m_data.size() && IsSpace(static_cast<unsigned char>(m_data[i])))
        ++i;
    m_data.erase(0, i);
}

void CString::TrimRight() {
    // Only a space that starts a character counts: a trail byte is never white space
    // in CP932, but walking forward keeps that true by construction.
    std::size_t keep = 0;
    ForEachChar(m_data, 0, [&](std::size_t i) {
        if (!IsSpace(static_cast<unsigned char>(m_data[i])) || Cp932::CharLength(m_data, i) == 2)
            keep = i + static_cast<std::size_t>(Cp932::CharLength(m_data, i));
        return true;
    });
    m_data.resize(keep);
}

int CString::Replace(char oldCh, char newCh) {
    int n = 0;
    ForEachChar(m_data, 0, [&](std::size_t i) {
        if (Cp932::CharLength(m_data, i) == 1 && m_data[i] == oldCh) {
            m_data[i] = newCh;
            ++n;
        }
        return true;
    });
    return n;
}

int CString::Replace(const char* oldText, const char* newText) {
    std::string_view from(oldText ? oldText : "");
    std::string_view to(newText ? newText : "");
    if (from.empty())
        return 0;
    std::string out;
    int n = 0;
    std::size_t i = 0;
    while (i < m_data.size()) {
        if (std::string_view(m_data).substr(i, from.size()) == from) {
            out += to;
            i += from.size();
            ++n;
            continue;
        }
        std::size_t len = static_cast<std::size_t>(Cp932::CharLength(m_data, i));
        out.append(m_data, i, len);
        i += len;
    }
    m_data = std::move(out);
    return n;
}

void CString::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args) {
    CNumberFormat::CLocaleScope cLocale;
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n < 0) {
        m_data.clear();
        return;
    }
    std::string out(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<std::size_t>(n));
    m_data = std::move(out);
}

char* CString::GetBuffer(int minLength) {
    if (minLength > GetLength())
        m_data.resize(static_cast<std::size_t>(minLength));
    return m_data.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        newLength = static_cast<int>(std::strlen(m_data.c_str()));
    m_data.resize(static_cast<std::size_t>(std::min(newLength, GetLength())));
}

QString CString::ToQString() const {
    return Cp932::ToQString(m_data);
}

CString CString::FromUtf8(const char* text) {
    return CString(Cp932::FromUtf8(text));
}

CString CString::FromQString(const QString& text) {
    return CString(Cp932::FromQString(text));
}

QString CString::ToFilePath() const {
    return QFile::decodeName(QByteArray::fromStdString(m_data));
}

CString CString::FromFilePath(const QString& path) {
    return CString(QFile::encodeName(path).toStdString());
}
