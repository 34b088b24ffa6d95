// Linux only: the window takes its separators from the locale, and a start with none (cron
// jobs, containers, env -i) gets the period.
#include "form1.h"
#include "locale_format.h"

#include "formats.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(NumberFormatOf, IsThePeriodWhereNoLocaleIsSet) {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty() && value != "C" && value != "POSIX" && !value.startsWith("C.")) {
            GTEST_SKIP() << variable << " is set to " << value.constData();
        }
    }
    Form1 window(numberFormatOf(QLocale::system()));
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(window.text(8)->text(), "26795.4987246009");
}
