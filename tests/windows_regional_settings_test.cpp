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

namespace {

struct Figures {
    const char* decimal;
    const char* group;
    const char* fuelAtStart;  // Text8 after Command2 with the texts at start
    const char* grouped;      // the same with 9<group>100 m and 50<group>000 kg typed, if pinned
};

// The second pass drops the fraction under a decimal comma; the altitude and cargo bands read
// the grouping, the formulas do not.
const Figures kFigures[] = {
    {".", ",", "26795.4987246009", nullptr},
    {",", ".", "26795,4910811456", "39773,6472322235"},
    {",", "\u00A0", "26795,4910811456", nullptr},
};

TEST(RegionalSettings, AreTheOnesTheUserSetInTheControlPanel) {
    const QSettings international(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\International"),
                                  QSettings::NativeFormat);
    const std::string decimal = international.value("sDecimal").toString().toStdString();
    const std::string group = international.value("sThousand").toString().toStdString();
    ASSERT_FALSE(decimal.empty()) << "no decimal separator in the user's regional settings";
    EXPECT_EQ(numberFormatOf(QLocale::system()), (convert::NumberFormat{decimal, group}));

    const Figures* figures = nullptr;
    for (const Figures& f : kFigures) {
        if (decimal == f.decimal && group == f.group) {
            figures = &f;
        }
    }
    if (figures == nullptr) {
        GTEST_SKIP() << "no figures for the separators '" << decimal << "' and '" << group << "'";
    }
    Form1 window(numberFormatOf(QLocale::system()));
    auto* fuel = window.findChild<QPushButton*>(QStringLiteral("Command2"));
    fuel->click();
    EXPECT_EQ(window.text(8)->text().toStdString(), figures->fuelAtStart);
    if (figures->grouped != nullptr) {
        window.text(3)->setText(QString::fromStdString("9" + group + "100"));
        window.text(5)->setText(QString::fromStdString("50" + group + "000"));
        fuel->click();
        EXPECT_EQ(window.text(8)->text().toStdString(), figures->grouped);
    }
    window.text(1)->setText(QStringLiteral("555"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(window.text(2)->text().toStdString(), "16" + decimal + "1");
}

}  // namespace
