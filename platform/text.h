#pragma once

#include <QString>

#include <string>

// The program's files hold 8-bit text in the system's encoding; the windows hold QStrings.
inline std::string toBytes(const QString& s) {
    return s.toLocal8Bit().toStdString();
}
inline QString fromBytes(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}
