#include "engine/clock.h"

namespace Clock {

namespace {
QDate fixedToday;
}

QDate today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void setToday(const QDate &date)
{
    fixedToday = date;
}

} // namespace Clock
