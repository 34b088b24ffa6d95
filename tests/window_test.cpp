// The real window as a user meets it: its controls, the keyboard, and clicks on typed texts with
// the field or the box each must give, every other field left as it was.

#include "form1.h"

#include "window/description.h"

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

#include <cstdlib>
#include <map>
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

    // Every text box's text, by name.
    [[nodiscard]] std::map<QString, QString> texts() const {
        std::map<QString, QString> all;
        for (const QLineEdit* field : window_->findChildren<QLineEdit*>()) {
            all[field->objectName()] = field->text();
        }
        return all;
    }

    std::unique_ptr<Form1> window_;
};

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each control of the description drawn as it says; a field is spoken as its caption, a button as
// "Расчет: " and its column's heading.
TEST_F(Form1Test, EveryControlHasItsPlaceTextLookAndSpokenName) {
    EXPECT_EQ(window_->objectName(), "Form1");
    EXPECT_EQ(window_->windowTitle(), fromView(window::kTitle));
    EXPECT_EQ(window_->size(), QSize(window::kWidth, window::kHeight));
    const QColor defaultText = QApplication::palette().color(QPalette::WindowText);
    const QColor captionColour(window::kCaptionColour.red, window::kCaptionColour.green,
                               window::kCaptionColour.blue);
    const std::map<window::Align, Qt::Alignment> alignments{
        {window::Align::Left, Qt::AlignLeft},
        {window::Align::Centre, Qt::AlignHCenter},
        {window::Align::Right, Qt::AlignRight}};
    for (const window::Control& c : window::kControls) {
        SCOPED_TRACE(std::string(c.name));
        QWidget* widget = window_->control(c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(),
                  QRect(c.place.left, c.place.top, c.place.width, c.place.height));
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(spoken, nullptr);
        const QString text = fromView(c.text);
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(field->text(), text);
            EXPECT_EQ(field->isReadOnly(), c.readOnly);
            const auto labels = spoken->relations(QAccessible::Label);  // the caption, read first
            ASSERT_EQ(labels.size(), 1);
            const QString caption = labels.front().first->text(QAccessible::Name).trimmed();
            EXPECT_EQ(spoken->text(QAccessible::Name), caption);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), text);
            EXPECT_EQ(spoken->text(QAccessible::Name),
                      text + ": " + window_->control<QLabel>(c.partner)->text());
        } else if (c.kind != window::Kind::Picture) {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), text);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, alignments.at(c.align));
            EXPECT_EQ(label->palette().color(QPalette::WindowText),
                      c.kind == window::Kind::Note ? defaultText : captionColour);
            if (c.kind == window::Kind::FieldLabel) {
                EXPECT_EQ(label->buddy(), window_->control(c.partner));
            }
            const QFont font = label->font();
            const bool heading = c.kind == window::Kind::Heading;
            EXPECT_EQ(font.pointSizeF(), heading ? window::kHeadingPoints : window::kPoints);
            EXPECT_EQ(font.weight(), QFont::Normal);
            EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut() || font.overline());
            // A caption wider than its box is cut off; every letter comes from the one face.
            EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->width());
            // The condensed face the boxes were laid out for; a heading may take the classic one.
            const QRawFont face = QRawFont::fromFont(font);
            EXPECT_TRUE((face.familyName() + face.styleName()).contains("Condensed") ||
                        (heading && face.familyName() == fromView(window::kHeadingClassicFace)))
                << face.familyName().toStdString();
            for (const char32_t letter : text.toUcs4()) {
                EXPECT_TRUE(face.supportsCharacter(letter)) << face.familyName().toStdString();
            }
        }
    }
    // Stacking: the description's order, the picture at the bottom.
    QStringList stacked;
    for (const QObject* child : window_->children()) {
        if (child->isWidgetType()) {
            stacked << child->objectName();
        }
    }
    QStringList described;
    for (const window::Control& c : window::kControls) {
        described << fromView(c.name);
    }
    EXPECT_EQ(stacked, described);
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
    EXPECT_EQ(window_->control("Image1")->geometry(), QRect(0, -8, 687, 619));
    EXPECT_EQ(window_->control("Command3")->geometry(), QRect(552, 528, 89, 25));
}

// Run at other display scales too (FLIGHTCALC_SCREEN_PERCENT says which): the same layout,
// above 100% the picture painted at twice the size.
TEST_F(Form1Test, PictureMatchesTheScreenDensity) {
    const QPixmap picture = window_->control<QLabel>("Image1")->pixmap();
    const qreal ratio = window_->devicePixelRatioF();
    const QByteArray percent = qgetenv("FLIGHTCALC_SCREEN_PERCENT");
    EXPECT_NEAR(ratio, percent.isEmpty() ? 1.0 : percent.toDouble() / 100, 1e-3);
    EXPECT_EQ(picture.devicePixelRatio(), ratio > 1.0 ? 2.0 : 1.0);
    EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(687, 619));
}

TEST_F(Form1Test, TabAndShiftTabCycleThroughTheControlsInOrder) {
    const auto& order = window::kFocusOrder;
    ASSERT_EQ(QApplication::focusWidget(), window_->control(window::kFirstFocus));
    ASSERT_EQ(order.front(), window::kFirstFocus);
    const std::size_t count = order.size();
    for (std::size_t step = 1; step <= 2 * count; ++step) {
        const bool back = step > count;  // round once with Tab, then back with Shift+Tab
        QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab,
                        back ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(),
                  window_->control(order.at(back ? 2 * count - step : step % count)))
            << "step " << step;
    }
}

TEST_F(Form1Test, SpaceAndEnterClickTheFocusedButtonButPressNothingInATextBox) {
    QLineEdit* distance = window_->field("Text2");
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        distance->clear();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(distance->text(), "187") << "key " << key;
    }
    // No button is the window's default: in a text box Enter and Escape press nothing.
    distance->clear();
    const auto before = texts();
    for (const char* name : {"Text1", "Text3", "Text8", "Text9"}) {
        QLineEdit* field = window_->field(name);
        field->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(field, key);
        }
    }
    EXPECT_EQ(texts(), before);
    EXPECT_TRUE(window_->isVisible());
}

// A click on texts typed into a fresh window: the output field's text, or the one box it opens,
// modal over the window. What each click computes is the click tests'; these check that the
// window reads what was typed, writes what the click shows, and shows its box.
struct Click {
    const convert::NumberFormat* format;
    std::vector<std::pair<const char*, QString>> typed;  // box, text
    const char* button;
    const char* output;
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
    for (const auto& [name, text] : click.typed) {
        type(window_->field(name), text);
        ASSERT_EQ(window_->field(name)->text(), text) << "typed into " << name;
    }
    const auto before = texts();
    std::vector<std::pair<QMessageBox::Icon, QString>> boxes;
    // The box is modal: it is read and closed from within its own event loop.
    QTimer inBox;
    QObject::connect(&inBox, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(box->windowTitle(), "Ошибка");
            EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
            EXPECT_EQ(box->parentWidget(), window_.get()) << "over the window";
            boxes.emplace_back(box->icon(), box->text());
            box->button(QMessageBox::Ok)->click();
        }
    });
    inBox.start(0);
    window_->control<QPushButton>(click.button)->click();
    inBox.stop();

    auto after = texts();
    if (click.box == QMessageBox::NoIcon) {
        EXPECT_TRUE(boxes.empty()) << boxes.front().second.toStdString();
        EXPECT_EQ(after.at(click.output), click.shown);
        EXPECT_EQ(window_->field(click.output)->cursorPosition(), 0) << "shows the leading digits";
        after.at(click.output) = before.at(click.output);
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Clicks, testing::Values(
    Click{&kPeriod, {}, "Command1", "Text2", kNoBox, "187"},
    // Longer than a text box holds unless told otherwise.
    Click{&kPeriod, {{"Text3", k40000Zeros + "9100"}}, "Command2", "Text8", kNoBox, "26795.4987246009"},
    Click{&kPeriod, {{"Text8", "1234"}, {"Text3", "12000"}}, "Command2", "Text8", QMessageBox::Warning,
          "Неправильно введен эшелон и/или вес груза"},
    // Typed in Cyrillic, grouped with the blank a Russian user types for the no-break space.
    Click{&kComma, {{"Text5", "груз"}, {"Text3", "9 100"}}, "Command2", "Text8", QMessageBox::Critical,
          "Ошибка 13: несоответствие типов\nПоле «Вес груза, кг» не содержит числа.\n\nРасчет не "
          "выполнен; введенные данные сохранены."},
    Click{&kPeriod, {{"Text8", "26795.4987246009"}, {"Text9", "100000"}, {"Text10", "2"}, {"Text11", "1000"}},
          "Command3", "Text12", kNoBox, "36336.709147685"}));
// clang-format on

}  // namespace
