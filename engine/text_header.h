#pragma once

#include "data/sign_keys.h"

#include <QDate>
#include <QString>

// The line that says whose a copied, saved or printed text is and what it is about:
// «Дата рождения: 21 марта 1985 г. — Овен (знак зодиака)».
namespace TextHeader {

// The system as a reader names it after a sign: «знак зодиака», «китайский гороскоп», ...
QString systemPhrase(System system);

// For the result list: «Дата рождения: 21 марта 1985 г.»; empty for an invalid date.
QString forList(const QDate &birth);

// For a text file: the date, then the sign and its system for a sign text, the system's title
// for its general text. Empty for an invalid date or a file that is neither (the licence, the
// help).
QString forText(const QDate &birth, const QString &path);

} // namespace TextHeader
