#pragma once

#include <QLocale>
#include <QString>

// The member's language: the program's own translation and Qt's (its buttons, the text boxes'
// menu) for the desktop's language, English when the program has none for it. English is the
// program's own text, so it needs only its plural forms ("1 hour ago", "2 hours ago").
namespace language {

// Puts the translations for `locale` in place of those used so far; returns the language used,
// "en" for English.
QString use(const QLocale& locale = QLocale::system());
// True while a language other than English is used: the pictures with lettering are then drawn
// with its words, not taken as stored.
bool translated();

} // namespace language
