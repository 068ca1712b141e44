#include "password.h"

#include <QCoreApplication>

#include <algorithm>

namespace password {
namespace {

// The character as a member would name it.
QString named(QChar c) {
    switch (c.unicode()) {
    case ';':
        return QCoreApplication::translate("password", "a semicolon (;)");
    case '+':
        return QCoreApplication::translate("password", "a plus sign (+)");
    case '"':
        return QCoreApplication::translate("password", "a quotation mark (\")");
    case '\\':
        return QCoreApplication::translate("password", "a backslash (\\)");
    case ' ':
        return QCoreApplication::translate("password", "a blank");
    case '\t':
        return QCoreApplication::translate("password", "a tab");
    case '\r':
    case '\n':
    case 0x2028:
    case 0x2029:
        return QCoreApplication::translate("password", "a line break");
    }
    if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
        c.category() == QChar::Separator_Space || c.category() == QChar::Separator_Line ||
        c.category() == QChar::Separator_Paragraph)
        return QCoreApplication::translate("password", "a control character (U+%1)")
            .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    return {};
}

} // namespace

QString problem(const QString& password) {
    if (password.size() > MostCharacters)
        return QCoreApplication::translate(
                   "password", "The password is longer than %1 characters, more than the game "
                               "takes. Please ask the server's admin for a shorter one.")
            .arg(MostCharacters);
    QString what;
    for (qsizetype i = 0; i < password.size() && what.isEmpty(); ++i) {
        what = named(password[i]);
        if (what.isEmpty() && password[i] == QLatin1Char('/') && i + 1 < password.size() &&
            (password[i + 1] == QLatin1Char('/') || password[i + 1] == QLatin1Char('*')))
            what = QCoreApplication::translate("password", "a remark mark (%1)")
                       .arg(password.mid(i, 2));
    }
    if (what.isEmpty()) return {};
    return QCoreApplication::translate(
               "password", "The password cannot contain %1: the game would read it as a command "
                           "of its own, not as the password. Please ask the server's admin for a "
                           "password without it.")
        .arg(what);
}

std::vector<std::string> added(std::vector<std::string> arguments, PasswordBy by,
                               const std::string& password) {
    if (password.empty()) return arguments;
    const auto connect = std::find(arguments.begin(), arguments.end(), "+connect");
    switch (by) {
    case PasswordBy::SetCvar:
        arguments.insert(connect, {"+set", "password", password});
        break;
    case PasswordBy::PlusCvar:
        arguments.insert(connect, {"+password", password});
        break;
    case PasswordBy::UrlOption:
        if (connect != arguments.end() && connect + 1 != arguments.end())
            *(connect + 1) += "?password=" + password;
        break;
    case PasswordBy::None:
        break;
    }
    return arguments;
}

} // namespace password
