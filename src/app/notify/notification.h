#pragma once

#include <QString>

// One outcome the user must be told of. For codes 9, 13, 14 and 18 title and
// text are the popup's; for code 15 text is the message box text; for code 7
// text is the connection test's answer.
struct Notification {
    int code = 0;
    QString title;
    QString text;
};
