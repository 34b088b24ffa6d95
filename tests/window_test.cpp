// The real window as a user meets it: its controls, the keyboard, and clicks on typed texts with
// the field or the box each must give, every other field left as it was.

#include "form1.h"

#include "formats.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// Failures print the texts, not the bytes of the object.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

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

    [[nodiscard]] std::array<QString, 13> texts() const {
        std::array<QString, 13> all;
        for (int n = 1; n <= 12; ++n) {
            all.at(static_cast<std::size_t>(n)) = window_->text(n)->text();
        }
        return all;
    }

    std::unique_ptr<Form1> window_;
};

// How a control looks; a field is spoken as its caption, a button as "Расчет: " and its heading.
enum Kind { kHeading, kCaption, kLeftCaption, kNote, kField, kResult, kButton, kPicture };
constexpr std::array kAlignments{Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft};

struct Control {
    const char* name{};
    QRect place;
    Kind kind{};
    const char* text{};  // caption, text at start, or button caption
};

// clang-format off
const Control kControls[] = {
    {"Label15", {48, 408, 241, 17}, kHeading, "Вычисление топлива"},
    {"Label1", {64, 432, 57, 17}, kCaption, "Высота, м"}, {"Text3", {128, 432, 89, 25}, kField, "9100"},
    {"Label2", {40, 456, 81, 17}, kCaption, "Дальность, км"}, {"Text4", {128, 456, 89, 25}, kField, "2000"},
    {"Label6", {48, 480, 73, 17}, kCaption, "Вес груза, кг"}, {"Text5", {128, 480, 89, 25}, kField, "50000"},
    {"Label3", {-8, 504, 129, 17}, kCaption, "Топливо на руление, кг"}, {"Text6", {128, 504, 89, 25}, kField, "1000"},
    {"Label5", {72, 528, 49, 17}, kCaption, "Запас, кг"}, {"Text7", {128, 528, 89, 25}, kField, "4500"},
    {"Label11", {40, 552, 81, 17}, kCaption, "Вес топлива, кг"}, {"Text8", {128, 552, 89, 25}, kField, ""},
    {"Command2", {128, 576, 89, 25}, kButton, "Расчет"},
    {"Label14", {280, 408, 185, 17}, kHeading, "Вычисление длины спуска"},
    {"Label9", {240, 432, 97, 17}, kCaption, "Высота полета, м"}, {"Text1", {344, 432, 89, 25}, kField, "9100"},
    {"Label10", {216, 456, 121, 17}, kCaption, "Расстояние спуска, км"}, {"Text2", {344, 456, 89, 25}, kResult, ""},
    {"Command1", {344, 480, 89, 25}, kButton, "Расчет"},
    {"Label16", {464, 408, 217, 17}, kHeading, "Вычисление прибыли от рейса"},
    {"Label8", {448, 432, 97, 17}, kCaption, "Доход от груза, v$"}, {"Text9", {552, 432, 89, 25}, kField, ""},
    {"Label12", {456, 456, 89, 17}, kCaption, "Цена топлива, v$"}, {"Text10", {552, 456, 89, 25}, kField, ""},
    {"Label13", {432, 480, 113, 17}, kCaption, " Топлива на борту, кг"}, {"Text11", {552, 480, 89, 25}, kField, ""},
    {"Label18", {448, 504, 97, 17}, kLeftCaption, "Доход от рейса, v$"}, {"Text12", {552, 504, 89, 25}, kResult, ""},
    {"Command3", {552, 528, 89, 25}, kButton, "Расчет"},
    {"Label17", {608, 584, 73, 17}, kNote, "Version 2.1"}, {"Image1", {0, -8, 687, 619}, kPicture, ""},
};
// clang-format on

TEST_F(Form1Test, EveryControlHasItsPlaceTextLookAndSpokenName) {
    EXPECT_EQ(window_->objectName(), "Form1");
    EXPECT_EQ(window_->windowTitle(), "B");
    EXPECT_EQ(window_->size(), QSize(681, 603));
    const QColor defaultText = QApplication::palette().color(QPalette::WindowText);
    QString heading;
    QString caption;
    for (const Control& c : kControls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.place);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(spoken, nullptr);
        const QString text = QString::fromUtf8(c.text);
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(field->text(), text);
            EXPECT_EQ(field->isReadOnly(), c.kind == kResult);
            EXPECT_EQ(spoken->text(QAccessible::Name), caption);
            const auto labels = spoken->relations(QAccessible::Label);  // the caption, read first
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(labels.front().first->text(QAccessible::Name).trimmed(), caption);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
            EXPECT_EQ(spoken->text(QAccessible::Name), text + ": " + heading);
        } else if (c.kind != kPicture) {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            (c.kind == kHeading ? heading : caption) = text.trimmed();
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, kAlignments.at(c.kind));
            EXPECT_EQ(label->palette().color(QPalette::WindowText),
                      c.kind == kNote ? defaultText : QColor(0, 0, 192));
            const QFont font = label->font();
            EXPECT_EQ(font.pointSizeF(), c.kind == kHeading ? 9.75 : 7.5);
            EXPECT_EQ(font.weight(), QFont::Normal);
            EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut() || font.overline());
            // A caption wider than its box is cut off; every letter comes from the one face.
            EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->width());
            // The condensed face the boxes were laid out for; a heading may take the classic one.
            const QRawFont face = QRawFont::fromFont(font);
            EXPECT_TRUE((face.familyName() + face.styleName()).contains("Condensed") ||
                        (c.kind == kHeading && face.familyName() == "MS Sans Serif"))
                << face.familyName().toStdString();
            for (const char32_t letter : text.toUcs4()) {
                EXPECT_TRUE(face.supportsCharacter(letter)) << face.familyName().toStdString();
            }
        }
    }
    // Stacking: the picture at the bottom, the boxes above every label.
    const QObjectList& children = window_->children();
    EXPECT_EQ(children.indexOf(control("Image1")), 0);
    EXPECT_LT(children.indexOf(control("Label17")), children.indexOf(control("Text3")));
}

// Beyond the controls' places: opened centred on the screen, a frame that resizes while nothing
// inside moves, and the picture's blue gradient beneath the columns, pale to deep.
TEST_F(Form1Test, OpensCentredResizesAndShowsThePicture) {
    // Within the frame's width and a pixel rounded at a fractional scale: the frame is not known
    // until the window is shown.
    const QPoint offCentre =
        window_->geometry().center() - window_->screen()->availableGeometry().center();
    const QSize frame = window_->frameGeometry().size() - window_->size();
    EXPECT_TRUE(std::abs(offCentre.x()) <= frame.width() + 1 &&
                std::abs(offCentre.y()) <= frame.height() + 1)
        << "off by " << offCentre.x() << ", " << offCentre.y() << " in a frame " << frame.width()
        << " x " << frame.height() << " wider and higher";
    EXPECT_NE(window_->minimumSize(), window_->maximumSize());
    EXPECT_TRUE(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QImage shot = window_->grab().toImage();
    for (const auto& [y, colour] : {std::pair{402, QColor(200, 225, 250)},
                                    {552, QColor(132, 174, 236)},
                                    {600, QColor(72, 127, 220)}}) {
        const QColor seen = shot.pixelColor(QPoint(8, y) * shot.devicePixelRatio());
        EXPECT_LE(std::abs(seen.red() - colour.red()) + std::abs(seen.green() - colour.green()) +
                      std::abs(seen.blue() - colour.blue()),
                  16)
            << "row " << y << ": " << seen.name().toStdString();
    }
    window_->resize(900, 800);
    EXPECT_EQ(control("Image1")->geometry(), QRect(0, -8, 687, 619));
    EXPECT_EQ(control("Command3")->geometry(), QRect(552, 528, 89, 25));
}

// Run at other display scales too (FLIGHTCALC_SCREEN_PERCENT says which): the same layout,
// above 100% the picture painted at twice the size.
TEST_F(Form1Test, PictureMatchesTheScreenDensity) {
    const QPixmap picture = control<QLabel>("Image1")->pixmap();
    const qreal ratio = window_->devicePixelRatioF();
    const QByteArray percent = qgetenv("FLIGHTCALC_SCREEN_PERCENT");
    EXPECT_NEAR(ratio, percent.isEmpty() ? 1.0 : percent.toDouble() / 100, 1e-3);
    EXPECT_EQ(picture.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(687, 619));
}

TEST_F(Form1Test, TabAndShiftTabCycleThroughTheControlsInOrder) {
    const std::array order{"Command1", "Command2", "Text1",  "Text2",  "Text3",
                           "Text4",    "Text5",    "Text6",  "Text7",  "Text8",
                           "Text9",    "Text10",   "Text11", "Text12", "Command3"};
    ASSERT_EQ(QApplication::focusWidget(), control(order[0])) << "the focus starts on Command1";
    const std::size_t count = order.size();
    for (std::size_t step = 1; step <= 2 * count; ++step) {
        const bool back = step > count;  // round once with Tab, then back with Shift+Tab
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(),
                  control(order.at(back ? 2 * count - step : step % count)))
            << "step " << step;
    }
}

TEST_F(Form1Test, SpaceAndEnterClickTheFocusedButtonButPressNothingInATextBox) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        window_->text(2)->clear();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(window_->text(2)->text(), "187") << "key " << key;
    }
    // No button is the window's default: in a text box Enter and Escape press nothing.
    window_->text(2)->clear();
    const auto before = texts();
    for (const int n : {1, 3, 8, 9}) {
        window_->text(n)->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(window_->text(n), key);
        }
    }
    EXPECT_EQ(texts(), before);
    EXPECT_TRUE(window_->isVisible());
}

// A click on texts typed into a fresh window: the output field's text, or the one box it opens.
struct Click {
    const convert::NumberFormat* format;
    std::vector<std::pair<int, QString>> typed;  // field number, text
    const char* button;
    int output;
    QMessageBox::Icon box;  // the box the click opens, or none
    QString shown;          // the output field's text after the click, or the box's
};

class Clicks : public Form1Test, public testing::WithParamInterface<Click> {
protected:
    void SetUp() override {}  // each click opens its window in its own format

    // Types as a user does, key by key; a long text is pasted.
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        if (text.size() > 100) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            return;
        }
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
};

TEST_P(Clicks, GiveTheFigureOrOneBoxAndKeepEveryOtherField) {
    const Click& click = GetParam();
    open(*click.format);
    for (const auto& [n, text] : click.typed) {
        type(window_->text(n), text);
        ASSERT_EQ(window_->text(n)->text(), text) << "typed into Text" << n;
    }
    const auto before = texts();
    std::vector<std::pair<QMessageBox::Icon, QString>> boxes;
    // The box is modal: it is read and closed from within its own event loop.
    QTimer inBox;
    QObject::connect(&inBox, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->windowTitle(), "Ошибка");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            boxes.emplace_back(box->icon(), box->text());
            box->button(QMessageBox::Ok)->click();
        }
    });
    inBox.start(0);
    control<QPushButton>(click.button)->click();
    inBox.stop();

    auto after = texts();
    const auto output = static_cast<std::size_t>(click.output);
    if (click.box == QMessageBox::NoIcon) {
        EXPECT_TRUE(boxes.empty()) << boxes.front().second.toStdString();
        EXPECT_EQ(after.at(output), click.shown);
        EXPECT_EQ(window_->text(click.output)->cursorPosition(), 0) << "shows the leading digits";
        after.at(output) = before.at(output);
    } else {
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes.front().first, click.box);
        EXPECT_EQ(boxes.front().second, click.shown);
    }
    EXPECT_EQ(after, before) << "no other field changes, nor the output with a box";
    EXPECT_TRUE(window_->isVisible());
}

const QString k40000Zeros(40'000, QLatin1Char('0'));
constexpr auto kNoBox = QMessageBox::NoIcon;
constexpr auto kError = QMessageBox::Critical;
constexpr auto kWarning = QMessageBox::Warning;
constexpr const char* kOutOfRange = "Неправильно введен эшелон и/или вес груза";
// The box for a field that holds no number.
QString noNumber(const char* caption) {
    return QString(
               "Ошибка 13: несоответствие типов\nПоле «%1» не содержит числа.\n\nРасчет не "
               "выполнен; введенные данные сохранены.")
        .arg(caption);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Clicks, testing::Values(
    Click{&kPeriod, {}, "Command1", 2, kNoBox, "187"},
    // Longer than a text box holds unless told otherwise.
    Click{&kPeriod, {{3, k40000Zeros + "9100"}}, "Command2", 8, kNoBox, "26795.4987246009"},
    Click{&kPeriod, {{8, "1234"}, {3, "12000"}}, "Command2", 8, kWarning, kOutOfRange},
    Click{&kPeriod, {{8, "1234"}, {3, ""}}, "Command2", 8, kError, noNumber("Высота, м")},
    Click{&kComma, {{5, "груз"}}, "Command2", 8, kError, noNumber("Вес груза, кг")},
    Click{&kPeriod, {{8, "26795.4987246009"}, {9, "100000"}, {10, "2"}, {11, "1000"}}, "Command3", 12, kNoBox, "36336.709147685"}));
// clang-format on

}  // namespace
