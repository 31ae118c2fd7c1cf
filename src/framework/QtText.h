#pragma once
// The one place where the program's 8-bit text (the locale's code page)
// meets Qt's strings.

#include "CString.h"

#include <QString>

namespace framework {
inline QString ToQt(const char* text) { return QString::fromLocal8Bit(text ? text : ""); }
inline QString ToQt(const std::string& text) { return QString::fromLocal8Bit(text.data(), qsizetype(text.size())); }
inline QString ToQt(const CString& text) { return ToQt(text.str()); }
inline CString FromQt(const QString& text) { return CString(text.toLocal8Bit().toStdString()); }
} // namespace framework
