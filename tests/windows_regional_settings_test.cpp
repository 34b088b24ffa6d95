// Windows only: the window takes its separators from Control Panel > Region, where the user may
// set any. The test reads them from the registry, where that panel stores them, not through Qt.
#include "form1.h"
#include "locale_format.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <string>

TEST(RegionalSettings, AreTheOnesTheUserSetInTheControlPanel) {
    const QSettings international(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International"),
                                  QSettings::NativeFormat);
    const std::string decimal = international.value("sDecimal").toString().toStdString();
    const std::string group = international.value("sThousand").toString().toStdString();
    ASSERT_FALSE(decimal.empty()) << "no decimal separator in the user's regional settings";
    const convert::NumberFormat taken = numberFormatOf(QLocale::system());
    EXPECT_EQ(taken.decimalSeparator + taken.groupSeparator, decimal + group);

    // The second pass drops the fraction under a decimal comma; the band and the range test
    // read the grouping, the formulas do not.
    Form1 window(numberFormatOf(QLocale::system()));
    auto* fuel = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    fuel->click();
    EXPECT_EQ(window.field("Text8")->text().toStdString(),
              decimal == "." ? "26795.4987246009" : "26795,4910811456");
    if (decimal == "," && group == ".") {
        window.field("Text3")->setText(QStringLiteral("9.100"));
        window.field("Text5")->setText(QStringLiteral("50.000"));
        fuel->click();
        EXPECT_EQ(window.field("Text8")->text().toStdString(), "39773,6472322235");
    }
    window.field("Text1")->setText(QStringLiteral("555"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(window.field("Text2")->text().toStdString(), "16" + decimal + "1");
}
