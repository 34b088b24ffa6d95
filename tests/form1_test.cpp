#include "form1.h"
#include "error_box.h"
#include "locale_format.h"

#include "convert/error.h"
#include "formats.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class Form1Test : public testing::Test {
protected:
    void SetUp() override { open(kPeriod); }

    void open(const convert::NumberFormat& format) {
        window_ = std::make_unique<Form1>(format);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    template <typename T = QWidget>
    T* control(const char* name) const {
        auto* found = window_->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    [[nodiscard]] static QWidget* focused() { return QApplication::focusWidget(); }

    // Clicks the button and, while the box it opens is up, hands it to inspect and presses OK.
    // The timer fires in the box's event loop; it is this call's own, so where no box opens it
    // dies here unfired instead of firing in a later test.
    void clickThroughBox(const char* button, const std::function<void(QMessageBox*)>& inspect) {
        bool seen = false;
        QTimer inBox;
        inBox.setSingleShot(true);
        QObject::connect(&inBox, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                ADD_FAILURE() << button << " opened a modal window that is no box";
                if (modal != nullptr) {
                    modal->close();
                }
                return;
            }
            seen = true;
            inspect(box);
            box->button(QMessageBox::Ok)->click();
        });
        inBox.start(0);
        control<QPushButton>(button)->click();
        EXPECT_TRUE(seen) << button << " opened no box";
    }

    std::unique_ptr<Form1> window_;
};

TEST_F(Form1Test, StartsWithItsTitleSizeAndTexts) {
    EXPECT_EQ(window_->windowTitle(), "B");
    EXPECT_EQ(window_->size(), QSize(681, 603));
    const char* const atStart[] = {"",     "9100", "", "9100", "2000", "50000", "1000",
                                   "4500", "",     "", "",     "",     ""};
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(window_->text(n)->text(), QString::fromUtf8(atStart[n])) << "Text" << n;
        EXPECT_EQ(window_->text(n)->isReadOnly(), n == 2 || n == 12) << "Text" << n;
        EXPECT_EQ(window_->text(n)->size(), QSize(89, 25)) << "Text" << n;
    }
}

TEST_F(Form1Test, PlacesEveryControl) {
    struct Placed {
        const char* name{};
        QRect geometry;
    };
    const Placed controls[] = {
        {"Label15", {48, 408, 241, 17}},  {"Label1", {64, 432, 57, 17}},
        {"Text3", {128, 432, 89, 25}},    {"Label2", {40, 456, 81, 17}},
        {"Text4", {128, 456, 89, 25}},    {"Label6", {48, 480, 73, 17}},
        {"Text5", {128, 480, 89, 25}},    {"Label3", {-8, 504, 129, 17}},
        {"Text6", {128, 504, 89, 25}},    {"Label5", {72, 528, 49, 17}},
        {"Text7", {128, 528, 89, 25}},    {"Label11", {40, 552, 81, 17}},
        {"Text8", {128, 552, 89, 25}},    {"Command2", {128, 576, 89, 25}},
        {"Label14", {280, 408, 185, 17}}, {"Label9", {240, 432, 97, 17}},
        {"Text1", {344, 432, 89, 25}},    {"Label10", {216, 456, 121, 17}},
        {"Text2", {344, 456, 89, 25}},    {"Command1", {344, 480, 89, 25}},
        {"Label16", {464, 408, 217, 17}}, {"Label8", {448, 432, 97, 17}},
        {"Text9", {552, 432, 89, 25}},    {"Label12", {456, 456, 89, 17}},
        {"Text10", {552, 456, 89, 25}},   {"Label13", {432, 480, 113, 17}},
        {"Text11", {552, 480, 89, 25}},   {"Label18", {448, 504, 97, 17}},
        {"Text12", {552, 504, 89, 25}},   {"Command3", {552, 528, 89, 25}},
        {"Label17", {608, 584, 73, 17}},  {"Image1", {0, -8, 687, 619}},
    };
    for (const Placed& c : controls) {
        if (QWidget* w = control(c.name)) {
            EXPECT_EQ(w->geometry(), c.geometry) << c.name;
        }
    }
    // Stacking: the picture at the bottom, the boxes above every label.
    const QObjectList& children = window_->children();
    EXPECT_EQ(children.indexOf(control("Image1")), 0);
    EXPECT_LT(children.indexOf(control("Label17")), children.indexOf(control("Text3")));
    EXPECT_EQ(control<QLabel>("Image1")->pixmap().deviceIndependentSize(), QSizeF(687, 619));
}

// Run at QT_SCALE_FACTOR=2 too: the same layout with the picture painted at twice the size.
TEST_F(Form1Test, PictureMatchesTheScreenDensity) {
    const QPixmap picture = control<QLabel>("Image1")->pixmap();
    const qreal ratio = window_->devicePixelRatioF();
    if (qgetenv("QT_SCALE_FACTOR") == "2") {
        ASSERT_EQ(ratio, 2.0);
    }
    EXPECT_EQ(picture.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
    EXPECT_EQ(picture.size(), (QSizeF(687, 619) * picture.devicePixelRatio()).toSize());
}

TEST_F(Form1Test, ScreenReadersHearEveryFieldByItsCaption) {
    const char* const captions[] = {"",
                                    "Высота полета, м",
                                    "Расстояние спуска, км",
                                    "Высота, м",
                                    "Дальность, км",
                                    "Вес груза, кг",
                                    "Топливо на руление, кг",
                                    "Запас, кг",
                                    "Вес топлива, кг",
                                    "Доход от груза, v$",
                                    "Цена топлива, v$",
                                    "Топлива на борту, кг",
                                    "Доход от рейса, v$"};
    for (int n = 1; n <= 12; ++n) {
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(window_->text(n));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(QAccessible::Name), QString::fromUtf8(captions[n])) << "Text" << n;
        EXPECT_EQ(field->role(), QAccessible::EditableText) << "Text" << n;
    }
    for (const auto& [button, column] : {std::pair{"Command1", "Вычисление длины спуска"},
                                         std::pair{"Command2", "Вычисление топлива"},
                                         std::pair{"Command3", "Вычисление прибыли от рейса"}}) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control(button));
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->text(QAccessible::Name), "Расчет") << button;
        EXPECT_EQ(access->text(QAccessible::Description), QString::fromUtf8(column)) << button;
    }
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(control("Image1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->text(QAccessible::Name).isEmpty()) << "the picture is decoration";
    // The captions stay plain text: a buddy gives no access key without an ampersand.
    for (const QLabel* label : window_->findChildren<QLabel*>()) {
        EXPECT_FALSE(label->text().contains(QLatin1Char('&'))) << label->objectName().toStdString();
    }
}

TEST(QuietStart, OpeningTheWindowReportsNothing) {
    static QStringList messages;  // a message handler is a plain function
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
    {
        Form1 window(numberFormatOf(QLocale::system()));
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::processEvents();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Form1Test, LabelsHaveTheirCaptionsColoursAndAlignment) {
    struct Caption {
        const char* name{};
        const char* text{};
        Qt::Alignment horizontal;
    };
    const Caption captions[] = {
        {"Label15", "Вычисление топлива", Qt::AlignHCenter},
        {"Label14", "Вычисление длины спуска", Qt::AlignHCenter},
        {"Label16", "Вычисление прибыли от рейса", Qt::AlignHCenter},
        {"Label1", "Высота, м", Qt::AlignRight},
        {"Label2", "Дальность, км", Qt::AlignRight},
        {"Label6", "Вес груза, кг", Qt::AlignRight},
        {"Label3", "Топливо на руление, кг", Qt::AlignRight},
        {"Label5", "Запас, кг", Qt::AlignRight},
        {"Label11", "Вес топлива, кг", Qt::AlignRight},
        {"Label9", "Высота полета, м", Qt::AlignRight},
        {"Label10", "Расстояние спуска, км", Qt::AlignRight},
        {"Label8", "Доход от груза, v$", Qt::AlignRight},
        {"Label12", "Цена топлива, v$", Qt::AlignRight},
        {"Label13", " Топлива на борту, кг", Qt::AlignRight},
        {"Label18", "Доход от рейса, v$", Qt::AlignLeft},
        {"Label17", "Version 2.1", Qt::AlignLeft},
    };
    const QColor defaultText = QApplication::palette().color(QPalette::WindowText);
    for (const Caption& c : captions) {
        auto* label = control<QLabel>(c.name);
        if (label == nullptr) {
            continue;
        }
        EXPECT_EQ(label->text(), QString::fromUtf8(c.text)) << c.name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, c.horizontal) << c.name;
        const bool isNote = QLatin1String(c.name) == QLatin1String("Label17");
        EXPECT_EQ(label->palette().color(QPalette::WindowText),
                  isNote ? defaultText : QColor(0, 0, 192))
            << c.name;
        EXPECT_FALSE(label->autoFillBackground()) << c.name;
        const bool isHeading = c.horizontal == Qt::AlignHCenter;
        const QString headingFamily = QFontDatabase::hasFamily(QStringLiteral("MS Sans Serif"))
                                          ? QStringLiteral("MS Sans Serif")
                                          : QStringLiteral("DejaVu Sans Condensed");
        EXPECT_EQ(label->font().family(), isHeading ? headingFamily : window_->font().family());
        if (isHeading) {
            EXPECT_EQ(label->font().pointSizeF(), 9.75) << c.name;
            EXPECT_EQ(label->font().weight(), QFont::Normal) << c.name;
        }
        // A caption that does not fit its box would be cut off at the picture's edge.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << c.name;
        // Whatever the locale, every Cyrillic letter is drawn, not shown as a box.
        for (const char32_t letter : label->text().toUcs4()) {
            EXPECT_TRUE(label->fontMetrics().inFontUcs4(letter))
                << c.name << " U+" << std::hex << static_cast<unsigned>(letter);
        }
    }
}

TEST_F(Form1Test, TabCyclesThroughTheControlsInOrder) {
    const char* const order[] = {"Command1", "Command2", "Text1",  "Text2",  "Text3",
                                 "Text4",    "Text5",    "Text6",  "Text7",  "Text8",
                                 "Text9",    "Text10",   "Text11", "Text12", "Command3"};
    ASSERT_EQ(focused(), control("Command1")) << "the focus starts on Command1";
    const int count = static_cast<int>(std::size(order));
    for (int step = 1; step <= count; ++step) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), control(order[step % count])) << "Tab, step " << step;
    }
    for (int step = 1; step <= count; ++step) {
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focused(), control(order[(count - step) % count])) << "Shift+Tab, step " << step;
    }
}

TEST_F(Form1Test, SpaceAndEnterOnTheFocusedButtonClickIt) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        window_->text(2)->clear();
        QTest::keyClick(focused(), key);
        EXPECT_EQ(window_->text(2)->text(), "187") << "key " << key;
    }
}

TEST_F(Form1Test, EnterAndEscapeInATextBoxPressNothing) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : {"Command1", "Command2", "Command3"}) {
        spies.push_back(
            std::make_unique<QSignalSpy>(control<QPushButton>(name), &QPushButton::clicked));
    }
    for (const int n : {1, 3, 8, 9}) {
        window_->text(n)->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(window_->text(n), key);
        }
    }
    for (const auto& spy : spies) {
        EXPECT_EQ(spy->count(), 0);
    }
    EXPECT_EQ(window_->text(2)->text(), "");
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(Form1Test, ReadOnlyResultsCanBeCopiedButNotChanged) {
    QTest::keyClick(focused(), Qt::Key_Space);
    QApplication::clipboard()->setText(QStringLiteral("555"));
    for (const int n : {2, 12}) {
        QLineEdit* field = window_->text(n);
        const QString before = field->text();
        field->setFocus();
        QTest::keyClicks(field, "42");
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Delete);
        EXPECT_EQ(field->text(), before) << "Text" << n;
    }
    QLineEdit* text2 = window_->text(2);
    text2->setFocus();
    QTest::keyClick(text2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text2, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "187");
}

TEST_F(Form1Test, CommaFormatWritesACommaAndKeepsTheIntegralPart) {
    open(kComma);
    window_->text(1)->setText(QStringLiteral("555"));
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(window_->text(2)->text(), "16,1");
    window_->text(1)->setText(QStringLiteral("850,7"));
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(window_->text(2)->text(), "22");
}

TEST_F(Form1Test, AFailureShowsTheErrorBoxAndKeepsEveryField) {
    control<QPushButton>("Command1")->click();
    window_->text(1)->setText(QStringLiteral("1e999"));
    std::vector<QString> before;
    for (int n = 1; n <= 12; ++n) {
        before.push_back(window_->text(n)->text());
    }
    clickThroughBox("Command1", [](QMessageBox* box) {
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->windowTitle(), "Ошибка");
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_TRUE(box->text().startsWith("Ошибка 6: переполнение")) << box->text().toStdString();
    });
    EXPECT_TRUE(window_->isVisible());
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(window_->text(n)->text(), before[static_cast<std::size_t>(n - 1)]) << n;
    }
    EXPECT_EQ(window_->text(2)->text(), "187");
}

TEST_F(Form1Test, ProfitUsesTheFuelWeightJustEstimatedOrTyped) {
    struct Case {
        const convert::NumberFormat* format;
        const char* fuel;
        const char* profit;  // of that fuel at price 2 with 1000 kg on board and 100000 v$
    };
    for (const Case& c : {Case{&kPeriod, "26795.4987246009", "36336.709147685"},
                          Case{&kComma, "26795,4910811456", "36337,94"}}) {
        open(*c.format);
        window_->text(9)->setText(QStringLiteral("100000"));
        window_->text(10)->setText(QStringLiteral("2"));
        window_->text(11)->setText(QStringLiteral("1000"));
        control<QPushButton>("Command2")->click();
        EXPECT_EQ(window_->text(8)->text(), c.fuel);
        EXPECT_EQ(window_->text(8)->cursorPosition(), 0) << "shows the leading digits";
        control<QPushButton>("Command3")->click();
        EXPECT_EQ(window_->text(12)->text(), c.profit);
    }
    window_->text(8)->clear();
    window_->text(8)->setFocus();
    QTest::keyClicks(window_->text(8), "500");
    window_->text(9)->setText(QStringLiteral("1000"));
    window_->text(11)->setText(QStringLiteral("100"));
    QTest::keyClick(control<QPushButton>("Command3"), Qt::Key_Space);
    EXPECT_EQ(window_->text(12)->text(), "12,8");
}

TEST_F(Form1Test, OutOfRangeWarnsInAModalBoxAndKeepsTheFuelWeight) {
    for (const auto& [field, text] :
         {std::pair{3, "12000"}, std::pair{3, "4999"}, std::pair{5, "50001"}, std::pair{5, "-1"}}) {
        open(kPeriod);
        window_->text(8)->setText(QStringLiteral("1234"));
        window_->text(field)->setText(QString::fromUtf8(text));
        clickThroughBox("Command2", [](QMessageBox* box) {
            EXPECT_TRUE(box->isModal());
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->windowTitle(), "Ошибка");
            EXPECT_EQ(box->text(), "Неправильно введен эшелон и/или вес груза");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        });
        EXPECT_EQ(window_->text(8)->text(), "1234") << text;
        EXPECT_EQ(window_->text(field)->text(), text);
    }
}

TEST_F(Form1Test, ANonNumberAltitudeOrCargoNamesItsFieldAndKeepsTheFuelWeight) {
    for (const auto& [field, text, caption] :
         {std::tuple{3, "", "Высота, м"}, std::tuple{5, "груз", "Вес груза, кг"}}) {
        open(kPeriod);
        window_->text(8)->setText(QStringLiteral("1234"));
        window_->text(field)->setText(QString::fromUtf8(text));
        clickThroughBox("Command2", [named = QString::fromUtf8(caption)](QMessageBox* box) {
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            EXPECT_TRUE(box->text().startsWith("Ошибка 13: несоответствие типов"));
            EXPECT_TRUE(box->text().contains(named)) << box->text().toStdString();
        });
        EXPECT_EQ(window_->text(8)->text(), "1234");
        EXPECT_EQ(window_->text(field)->text(), QString::fromUtf8(text));
    }
}

TEST(ErrorMessage, NamesTheErrorByNumberAndTheFieldWhereKnown) {
    using convert::Error;
    using convert::ErrorCode;
    EXPECT_EQ(errorMessage(Error(ErrorCode::DivisionByZero)),
              "Ошибка 11: деление на ноль\n\nРасчет не выполнен; введенные данные сохранены.");
    EXPECT_TRUE(
        errorMessage(Error(ErrorCode::TypeMismatch), "Вес груза, кг")
            .startsWith(
                "Ошибка 13: несоответствие типов\nПоле «Вес груза, кг» не содержит числа."));
}

TEST(NumberFormatOf, TakesTheSeparatorsOfTheLocale) {
    EXPECT_EQ(numberFormatOf(QLocale::c()), kPeriod);
    EXPECT_EQ(numberFormatOf(QLocale(QLocale::Russian, QLocale::Russia)), kComma);
}

}  // namespace
