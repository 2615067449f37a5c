#pragma once

#include <QDate>

// The one place the program reads today's date, so that tests can set it.
namespace Clock {

QDate today();

// An invalid date hands the answer back to the computer's clock.
void setToday(const QDate &date);

} // namespace Clock
