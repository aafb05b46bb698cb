#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// The texts of the welcome popup shown after a successful login.
namespace greeting {

// "凌晨好!" for 0 to 5 o'clock up to "晚上好!" for 18 to 23.
QString hourGreeting(const QTime& time);

// The fixed greeting of a memorial or holiday on that month and day; empty on
// other days.
QString holidayGreeting(const QDate& date);

// "欢迎您:" + name + the hour greeting.
QString welcomeGreeting(const QString& name, const QTime& time);

// The popup body: holiday greeting, CR LF, then "yyyy/MM/dd,HH点mm分" followed
// by the welcome greeting.
QString loginPopupText(const QString& name, const QDateTime& now);

}  // namespace greeting
