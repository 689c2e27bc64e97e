#pragma once
// Numbers as text, independent of the process locale: Qt sets the locale from
// the environment, under which atof and "%f" would use a decimal comma.

#include <string>

#include <locale.h>

class CNumberFormat {
public:
    // While alive, the calling thread formats and parses with the C locale.
    class CLocaleScope {
    public:
        CLocaleScope();
        ~CLocaleScope();
        CLocaleScope(const CLocaleScope&) = delete;
        CLocaleScope& operator=(const CLocaleScope&) = delete;

    private:
        locale_t m_previous;
    };

    // atof: the longest leading number, 0.0 when there is none.
    static double Atof(const char* text);
    // "%.<digits>f" of the value.
    static std::string Fixed(double value, int digits);
    // "%f" of the value.
    static std::string FormatF(double value) { return Fixed(value, 6); }

    static locale_t CLocale();
};
