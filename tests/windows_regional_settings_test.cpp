// Windows only: the window takes its separators from Control Panel > Region, where the user may
// set any. The test reads them from the registry, as that panel stores them, and not through Qt.
#include "form1.h"
#include "locale_format.h"

#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RegionalSettings, AreTheOnesTheUserSetInTheControlPanel) {
    const QSettings international(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International"),
                                  QSettings::NativeFormat);
    const std::string decimal = international.value("sDecimal").toString().toStdString();
    const std::string group = international.value("sThousand").toString().toStdString();
    ASSERT_FALSE(decimal.empty()) << "no decimal separator in the user's regional settings";
    EXPECT_EQ(numberFormatOf(QLocale::system()), (convert::NumberFormat{decimal, group}));

    Form1 window(numberFormatOf(QLocale::system()));
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    EXPECT_EQ(window.text(8)->text().toStdString(), "26795" + decimal + "4987246009");
    window.text(1)->setText(QStringLiteral("555"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(window.text(2)->text().toStdString(), "16" + decimal + "1");
}

}  // namespace
