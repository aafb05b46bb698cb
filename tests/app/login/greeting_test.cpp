#include "app/login/greeting.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

struct HourCase {
    int hour;
    int minute;
    const char16_t* text;
};

class HourGreeting : public ::testing::TestWithParam<HourCase> {};

TEST_P(HourGreeting, FollowsTheHourTable) {
    const HourCase& c = GetParam();
    EXPECT_EQ(greeting::hourGreeting(QTime(c.hour, c.minute)), QString::fromUtf16(c.text))
        << c.hour << ":" << c.minute;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, HourGreeting,
    ::testing::Values(HourCase{0, 0, u"凌晨好!"}, HourCase{5, 59, u"凌晨好!"},
                      HourCase{6, 0, u"早上好!"}, HourCase{8, 59, u"早上好!"},
                      HourCase{9, 0, u"上午好!"}, HourCase{11, 59, u"上午好!"},
                      HourCase{12, 0, u"中午好!"}, HourCase{14, 59, u"中午好!"},
                      HourCase{15, 0, u"下午好!"}, HourCase{17, 59, u"下午好!"},
                      HourCase{18, 0, u"晚上好!"}, HourCase{23, 59, u"晚上好!"}));

struct DayCase {
    int month;
    int day;
    const char16_t* text;
};

class HolidayGreeting : public ::testing::TestWithParam<DayCase> {};

TEST_P(HolidayGreeting, FollowsTheCalendar) {
    const DayCase& c = GetParam();
    for (int year : {2007, 2024, 2026}) {
        EXPECT_EQ(greeting::holidayGreeting(QDate(year, c.month, c.day)),
                  QString::fromUtf16(c.text))
            << year << "-" << c.month << "-" << c.day;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Days, HolidayGreeting,
    ::testing::Values(DayCase{1, 1, u"新年快乐!"}, DayCase{1, 2, u"国际黑人节快乐!"},
                      DayCase{1, 3, u""}, DayCase{2, 14, u"情人节快乐!"},
                      DayCase{4, 30, u""}, DayCase{5, 1, u"国际劳动节快乐!"},
                      DayCase{5, 3, u"国际劳动节快乐!"}, DayCase{5, 4, u"中国青年节快乐!"},
                      DayCase{7, 1, u"香港回归/建党日!"}, DayCase{9, 30, u""},
                      DayCase{10, 1, u"国庆节快乐!"}, DayCase{10, 2, u"国庆节快乐!"},
                      DayCase{10, 3, u"国庆节快乐!"}, DayCase{10, 4, u"世界动物日!"},
                      DayCase{11, 1, u""}, DayCase{12, 25, u"圣诞节快乐!"},
                      DayCase{12, 29, u"国际生物多样性日!"}, DayCase{12, 31, u""}));

TEST(HolidayGreeting, SixtyFourEntriesCoverSixtyEightDays) {
    int days = 0;
    QSet<QString> texts;
    for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
        const QString text = greeting::holidayGreeting(d);
        if (text.isEmpty()) continue;
        ++days;
        texts.insert(text);
        EXPECT_TRUE(text.endsWith(u'!')) << d.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(days, 68);
    EXPECT_EQ(texts.size(), 64);
    // The two entries that name a person.
    EXPECT_FALSE(greeting::holidayGreeting(QDate(2024, 3, 3)).isEmpty());
    EXPECT_FALSE(greeting::holidayGreeting(QDate(2024, 12, 26)).isEmpty());
}

TEST(LoginPopupText, HolidayLineThenStampAndWelcome) {
    EXPECT_EQ(greeting::loginPopupText(QStringLiteral("小明"),
                                       QDateTime(QDate(2026, 10, 2), QTime(6, 0))),
              QStringLiteral("国庆节快乐!\r\n2026/10/02,06点00分欢迎您:小明早上好!"));
}

TEST(LoginPopupText, OrdinaryDayStartsWithTheLineBreak) {
    EXPECT_EQ(greeting::loginPopupText(QStringLiteral("abc"),
                                       QDateTime(QDate(2026, 11, 1), QTime(23, 59, 59))),
              QStringLiteral("\r\n2026/11/01,23点59分欢迎您:abc晚上好!"));
}

TEST(LoginPopupText, NameWithPlaceholderCharactersStaysAsTyped) {
    EXPECT_EQ(greeting::welcomeGreeting(QStringLiteral("%1%2"), QTime(5, 59)),
              QStringLiteral("欢迎您:%1%2凌晨好!"));
    EXPECT_TRUE(greeting::loginPopupText(QStringLiteral("%1"), QDateTime(QDate(2026, 1, 5), QTime(9, 7)))
                    .endsWith(QStringLiteral("2026/01/05,09点07分欢迎您:%1上午好!")));
}

}  // namespace
