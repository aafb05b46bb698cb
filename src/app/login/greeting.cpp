#include "app/login/greeting.h"

#include <iterator>

namespace greeting {

namespace {

struct Holiday {
    int month;
    int day;
    const char16_t* text;
};

// One row per calendar day; 05-01..05-03 and 10-01..10-03 share one text.
constexpr Holiday kHolidays[] = {
    {1, 1, u"新年快乐!"},
    {1, 2, u"国际黑人节快乐!"},
    {1, 17, u"腊八节快乐!"},
    {2, 2, u"世界湿地日!"},
    {2, 10, u"国际气象节!"},
    {2, 14, u"情人节快乐!"},
    {3, 3, u"贝尔纪念日!"},
    {3, 8, u"三八妇女节快乐!"},
    {3, 12, u"植树节!"},
    {3, 15, u"国际消费日!"},
    {3, 21, u"世界森林日!"},
    {3, 22, u"世界水日!"},
    {3, 23, u"世界气象日!"},
    {4, 1, u"愚人节快乐!"},
    {4, 5, u"清明节!"},
    {4, 7, u"世界卫生日!"},
    {4, 22, u"世界地球日!"},
    {5, 1, u"国际劳动节快乐!"},
    {5, 2, u"国际劳动节快乐!"},
    {5, 3, u"国际劳动节快乐!"},
    {5, 4, u"中国青年节快乐!"},
    {5, 8, u"世界红十字日!"},
    {5, 12, u"国际护士节!"},
    {5, 15, u"国际家庭日!"},
    {5, 17, u"世界电信日!"},
    {5, 18, u"国际博物馆日!"},
    {5, 31, u"世界无烟日!"},
    {6, 1, u"国际儿童节快乐!"},
    {6, 5, u"世界环境日!"},
    {6, 6, u"全国爱眼日!"},
    {6, 23, u"国际奥林匹克日!"},
    {6, 25, u"全国土地日!"},
    {6, 26, u"国际反毒品日!"},
    {7, 1, u"香港回归/建党日!"},
    {7, 7, u"抗日战争纪念日!"},
    {7, 11, u"世界人口日!"},
    {8, 1, u"八一建军节快乐!"},
    {9, 8, u"国际扫盲日!"},
    {9, 10, u"教师节快乐!"},
    {9, 17, u"国际和平日!"},
    {9, 20, u"国际爱牙日!"},
    {9, 22, u"国际聋人节!"},
    {9, 27, u"世界旅游日!"},
    {10, 1, u"国庆节快乐!"},
    {10, 2, u"国庆节快乐!"},
    {10, 3, u"国庆节快乐!"},
    {10, 4, u"世界动物日!"},
    {10, 7, u"国际住房日!"},
    {10, 8, u"世界视觉日!"},
    {10, 9, u"世界邮政日!"},
    {10, 10, u"世界精神卫生日!"},
    {10, 15, u"国际盲人节!"},
    {10, 16, u"世界粮食节!"},
    {10, 17, u"世界消除贫困日!"},
    {10, 24, u"联合国日!"},
    {10, 31, u"万圣节快乐!"},
    {11, 8, u"中国记者日!"},
    {11, 9, u"消防宣传日!"},
    {11, 17, u"国际大学生节!"},
    {11, 25, u"感恩节!"},
    {12, 1, u"世界艾滋病日!"},
    {12, 3, u"世界残疾人日!"},
    {12, 9, u"世界足球日!"},
    {12, 20, u"澳门回归纪念日!"},
    {12, 24, u"圣诞平安夜快乐!"},
    {12, 25, u"圣诞节快乐!"},
    {12, 26, u"巴贝奇诞辰纪念日!"},
    {12, 29, u"国际生物多样性日!"},
};

}  // namespace

QString hourGreeting(const QTime& time) {
    const int hour = time.hour();
    if (hour < 6) return QStringLiteral("凌晨好!");
    if (hour < 9) return QStringLiteral("早上好!");
    if (hour < 12) return QStringLiteral("上午好!");
    if (hour < 15) return QStringLiteral("中午好!");
    if (hour < 18) return QStringLiteral("下午好!");
    return QStringLiteral("晚上好!");
}

QString holidayGreeting(const QDate& date) {
    for (const Holiday& h : kHolidays) {
        if (h.month == date.month() && h.day == date.day()) return QString::fromUtf16(h.text);
    }
    return {};
}

QString welcomeGreeting(const QString& name, const QTime& time) {
    return QStringLiteral("欢迎您:") + name + hourGreeting(time);
}

QString loginPopupText(const QString& name, const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    const QChar zero(u'0');
    const QString stamp = QStringLiteral("%1/%2/%3,%4点%5分")
                              .arg(date.year(), 4, 10, zero)
                              .arg(date.month(), 2, 10, zero)
                              .arg(date.day(), 2, 10, zero)
                              .arg(time.hour(), 2, 10, zero)
                              .arg(time.minute(), 2, 10, zero);
    return holidayGreeting(date) + QStringLiteral("\r\n") + stamp + welcomeGreeting(name, time);
}

}  // namespace greeting
