#pragma once
// The framework's 8-bit string. It holds bytes in the locale's code page
// (UTF-8 on today's Linux); conversion to Qt's strings happens only inside
// the framework's widget code.

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    CString& operator=(const char* text) { m_text = text ? text : ""; return *this; }
    CString& operator=(std::string text) { m_text = std::move(text); return *this; }

    // Loads string resource `id`; false (and empty) if the table has none.
    bool LoadString(unsigned id);

    bool IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    friend bool operator==(const CString&, const CString&) = default;

private:
    std::string m_text;
};
