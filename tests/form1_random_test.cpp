// A long random run of the real window: texts typed and pasted from a hostile alphabet, fields
// cleared, focus moved, buttons clicked and pressed from the keyboard, every box closed. After
// each click the output field holds exactly what the calculator gives for the window's texts,
// or keeps its text while exactly one box opened, word for word the one the failure calls for;
// no other field changes. Run under the period, Russian and German formats. Reproducible:
// FLIGHTCALC_RANDOM_SEED picks the run (printed with every failure) and FLIGHTCALC_RANDOM_ACTIONS
// its length.

#include "form1.h"

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"
#include "formats.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <variant>
#include <vector>

namespace {

constexpr std::uint64_t kDefaultSeed = 20'240'607;
constexpr std::uint64_t kDefaultActions = 20'000;

std::uint64_t numberFromEnvironment(const char* name, std::uint64_t fallback) {
    const QByteArray text = qgetenv(name);
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), value);
    return ec == std::errc() && end == text.constData() + text.size() ? value : fallback;
}

// Closes every box the moment it opens, noting its icon, title and text: a box opening shows
// it, and the zero timer armed then runs inside the box's own event loop.
class BoxCloser : public QObject {
public:
    struct Seen {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    std::vector<Seen> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* widget = qobject_cast<QWidget*>(watched);
                (widget != nullptr) && widget->isWindow() && widget->isModal()) {
                QTimer::singleShot(0, this, [this] { closeActiveBox(); });
            }
        }
        return false;
    }

private:
    void closeActiveBox() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            seen.push_back(
                {QMessageBox::NoIcon, {}, QStringLiteral("a modal window that is no box")});
            if (modal != nullptr) {
                modal->close();
            }
            return;
        }
        seen.push_back({box->icon(), box->windowTitle(), box->text()});
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->close();
        }
    }
};

// Drops the notice QTest gives for every key a widget ignores (Escape, Enter in a text box);
// anything else goes to the handler that was there, which a plain function can only find in a
// global.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
QtMessageHandler previousHandler = nullptr;

void dropIgnoredKeyNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("Keyboard event not accepted by receiving widget")) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}

// What a click must leave: the output field's new text, or a box and the old text.
struct Expected {
    std::optional<std::string> text;
    QMessageBox::Icon box = QMessageBox::NoIcon;
    // NOLINTNEXTLINE(readability-redundant-member-init): without it g++ warns of rows that omit it
    std::string boxText{};
};

const char* const kOutOfRangeText = "Неправильно введен эшелон и/или вес груза";

// The whole error box as the user reads it: the error, the field it names where a type
// mismatch is one field's, and what became of the click.
std::string errorBoxText(int command, const convert::Error& error) {
    static const std::map<convert::ErrorCode, std::string> kErrorLines{
        {convert::ErrorCode::Overflow, "Ошибка 6: переполнение"},
        {convert::ErrorCode::DivisionByZero, "Ошибка 11: деление на ноль"},
        {convert::ErrorCode::TypeMismatch, "Ошибка 13: несоответствие типов"}};
    std::string text = kErrorLines.at(error.code());
    if (command == 1 && error.input() == calc::kAltitudeInput) {
        text += "\nПоле «Высота, м» не содержит числа.";
    } else if (command == 1 && error.input() == calc::kCargoInput) {
        text += "\nПоле «Вес груза, кг» не содержит числа.";
    }
    return text + "\n\nРасчет не выполнен; введенные данные сохранены.";
}

struct Command {
    const char* button;
    int output;
};

constexpr std::array<Command, 3> kCommands{{{"Command1", 2}, {"Command2", 8}, {"Command3", 12}}};
constexpr std::array<int, 10> kEditable{1, 3, 4, 5, 6, 7, 8, 9, 10, 11};

using Texts = std::array<std::string, 13>;  // as the window reads them; index 0 unused

Expected expectedClick(int command, const Texts& texts, const convert::NumberFormat& format) {
    auto read = [&texts](int n) { return texts.at(static_cast<std::size_t>(n)); };
    try {
        if (command == 0) {
            return {calc::descentDistance(read(1), format)};
        }
        if (command == 1) {
            const std::string altitude = read(3);
            const std::string range = read(4);
            const std::string cargo = read(5);
            const std::string taxiFuel = read(6);
            const std::string reserve = read(7);
            const auto estimate =
                calc::fuelEstimate({altitude, range, cargo, taxiFuel, reserve}, format);
            if (const auto* fuel = std::get_if<std::string>(&estimate)) {
                return {*fuel};
            }
            return {std::nullopt, QMessageBox::Warning, kOutOfRangeText};
        }
        const std::string fuelWeight = read(8);
        const std::string fuelOnBoard = read(11);
        const std::string fuelPrice = read(10);
        const std::string cargoIncome = read(9);
        return {calc::flightProfit({fuelWeight, fuelOnBoard, fuelPrice, cargoIncome}, format)};
    } catch (const convert::Error& error) {
        return {std::nullopt, QMessageBox::Critical, errorBoxText(command, error)};
    }
}

// Characters of every kind a user or a clipboard brings, the number-like ones more often.
const std::vector<QString>& hostileAlphabet() {
    static const std::vector<QString> alphabet = [] {
        std::vector<QString> pieces;
        for (int round = 0; round < 3; ++round) {
            for (char digit = '0'; digit <= '9'; ++digit) {
                pieces.emplace_back(QLatin1Char(digit));
            }
            for (const char* piece : {".", ",", "+", "-", "e", "E", " "}) {
                pieces.push_back(QString::fromUtf8(piece));
            }
        }
        for (const char* piece :
             {"d",      "D",      "&",      "H",      "h",      "O",      "o",      "\t",
              "\u00A0", "\u202F", "a",      "x",      "z",      "M",      "м",      "к",
              "г",      "Ж",      "я",      "\u0001", "\u0007", "\u0008", "\u001B", "\n",
              "\r",     "\u007F", "\u200B", "\uFEFF", "\u0660", "\u0663", "\u0669", "\uFF10",
              "\uFF15", "\uFF19", "\u00BD", "\u2212", "$",      "%",      "(",      "?"}) {
            pieces.push_back(QString::fromUtf8(piece));
        }
        return pieces;
    }();
    return alphabet;
}

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    std::size_t below(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }
    bool percent(std::size_t chance) { return below(100) < chance; }
    template <typename Container>
    const auto& among(const Container& items) {
        return items[below(items.size())];
    }

private:
    std::mt19937_64 engine_;
};

class RandomRun : public testing::TestWithParam<const convert::NumberFormat*> {
protected:
    void SetUp() override {
        previousHandler = qInstallMessageHandler(dropIgnoredKeyNotices);
        window_ = std::make_unique<Form1>(*GetParam());
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        qApp->installEventFilter(&closer_);
    }

    void TearDown() override {
        qApp->removeEventFilter(&closer_);
        window_.reset();
        qInstallMessageHandler(previousHandler);
    }

    [[nodiscard]] QLineEdit* field(int n) const { return window_->text(n); }
    [[nodiscard]] QPushButton* button(const Command& command) const {
        return window_->findChild<QPushButton*>(QLatin1String(command.button));
    }

    [[nodiscard]] Texts texts() const {
        Texts all;
        for (int n = 1; n <= 12; ++n) {
            all.at(static_cast<std::size_t>(n)) = field(n)->text().toStdString();
        }
        return all;
    }

    // A short text to type: mostly a number, a figure the calculators know now and then,
    // often with a few hostile characters slipped in, else hostile characters alone.
    QString shortText() {
        const convert::NumberFormat& format = *GetParam();
        QString text;
        const std::size_t roll = random_.below(100);
        if (roll < 20) {
            text = QString::fromUtf8(random_.among(kKnownTexts));
        } else if (roll < 75) {
            if (random_.percent(10)) {
                text += random_.percent(50) ? QStringLiteral("-") : QStringLiteral(" ");
            }
            for (std::size_t n = 1 + random_.below(6); n > 0; --n) {
                text += QLatin1Char(static_cast<char>('0' + random_.below(10)));
                if (n > 1 && random_.percent(5)) {
                    text += QString::fromStdString(format.groupSeparator);
                }
            }
            if (random_.percent(25)) {
                text += QString::fromStdString(random_.percent(80) ? format.decimalSeparator
                                                                   : std::string("."));
                text += QString::number(random_.below(1000));
            }
            if (random_.percent(5)) {
                text += random_.percent(50) ? QStringLiteral("E") : QStringLiteral("e-");
                text += QString::number(random_.below(400));
            }
        }
        std::size_t hostile = 0;
        if (text.isEmpty()) {
            hostile = 1 + random_.below(10);
        } else if (random_.percent(35)) {
            hostile = 1 + random_.below(4);
        }
        for (std::size_t n = hostile; n > 0; --n) {
            const auto at = random_.below(static_cast<std::size_t>(text.size()) + 1);
            text.insert(static_cast<qsizetype>(at), random_.among(hostileAlphabet()));
        }
        return text;
    }

    static constexpr std::array<const char*, 12> kKnownTexts{"9100", "2000", "50000", "1000",
                                                             "4500", "5000", "11999", "12000",
                                                             "4999", "0",    "-1",    "1e999"};

    // Now and then a very long run: digits, blanks before a number, or anything.
    QString anyText() {
        if (!random_.percent(1)) {
            return shortText();
        }
        const auto length = 1000 + static_cast<qsizetype>(random_.below(9001));
        switch (random_.below(4)) {
        case 0: return QString(length, QLatin1Char('9'));
        case 1: return QString(length, QLatin1Char(' ')) + QStringLiteral("9100");
        case 2:
            return QStringLiteral("1") + QString(length, QLatin1Char('0')) +
                   QStringLiteral("e-9999");
        default: {
            QString text;
            while (text.size() < length) {
                text += random_.among(hostileAlphabet());
            }
            return text;
        }
        }
    }

    // Types the text key by key: the control characters that have a key press it, printable
    // ASCII goes by its key, anything else as the text of an unnamed key.
    static void type(QWidget* target, const QString& text) {
        for (const QChar c : text) {
            const char16_t code = c.unicode();
            const auto key = kControlKeys.find(code);
            if (key != kControlKeys.end()) {
                QTest::keyClick(target, key->second);
            } else if (code >= 0x20 && code < 0x7F) {
                QTest::keyClick(target, static_cast<char>(code));
            } else {
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }

    static inline const std::map<char16_t, Qt::Key> kControlKeys{
        {u'\b', Qt::Key_Backspace}, {u'\t', Qt::Key_Tab},      {u'\r', Qt::Key_Return},
        {u'\n', Qt::Key_Enter},     {u'\x1B', Qt::Key_Escape}, {u'\x7F', Qt::Key_Delete}};

    void pressButton(const Command& command, std::string& what) {
        QPushButton* target = button(command);
        const std::size_t roll = random_.below(10);
        if (roll < 6) {
            what += " click()";
            target->click();
        } else if (roll < 9) {
            what += " Space";
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Space);
        } else {
            // The mouse goes through the window system and repaints the window: now and then.
            what += " mouse";
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }

    // A figure the calculator expects in the field, near its ranges and their edges, in the
    // window's format; thousands grouped now and then.
    QString plausibleFigure(int n) {
        struct Range {
            std::size_t low, high;
            std::array<const char*, 4> edges;
        };
        static const std::map<int, Range> kRanges{
            {1, {0, 13000, {"5000", "12000", "0", "-500"}}},
            {3, {5000, 12000, {"4999", "5000", "11999", "12000"}}},
            {4, {0, 20000, {"0", "100", "500", "3000"}}},
            {5, {0, 50001, {"0", "50000", "50001", "-1"}}},
            {6, {0, 5000, {"0", "1000", "10", "4999"}}},
            {7, {0, 10000, {"0", "4500", "1", "9999"}}},
            {8, {0, 60000, {"0", "26795", "1000", "100"}}},
            {9, {0, 1000000, {"0", "100000", "1000", "-1"}}},
            {10, {0, 10, {"0", "2", "1", "5"}}},
            {11, {0, 60000, {"0", "1000", "100", "30000"}}},
        };
        const convert::NumberFormat& format = *GetParam();
        const Range& range = kRanges.at(n);
        if (random_.percent(15)) {
            return QString::fromUtf8(random_.among(range.edges));
        }
        QString text = QString::number(range.low + random_.below(range.high - range.low));
        if (text.size() > 3 && random_.percent(10)) {
            text.insert(text.size() - 3, QString::fromStdString(format.groupSeparator));
        }
        if (random_.percent(25)) {
            text += QString::fromStdString(format.decimalSeparator) +
                    QString::number(random_.below(100));
        }
        return text;
    }

    // One action: the number of the command it clicked, if it clicked one, and the fields it
    // may have changed, as bits by field number.
    struct Done {
        std::optional<std::size_t> command;
        std::uint32_t changed = 0;
    };

    static std::uint32_t bit(int n) { return 1U << static_cast<unsigned>(n); }

    Done act(std::string& what) {
        const std::size_t roll = random_.below(100);
        if (roll < 25) {
            const int n = random_.among(kEditable);
            const QString text = shortText();
            what = "type into Text" + std::to_string(n) + ": " + text.toStdString();
            field(n)->setFocus();
            const std::size_t where = random_.below(10);
            if (where < 5) {
                QTest::keyClick(field(n), Qt::Key_A, Qt::ControlModifier);  // typed over
            } else if (where < 7) {
                QTest::keyClick(field(n), Qt::Key_Home);
            } else {
                QTest::keyClick(field(n), Qt::Key_End);
            }
            type(field(n), text);
            return {std::nullopt, bit(n)};
        }
        if (roll < 34) {
            const int n = random_.among(kEditable);
            const QString text = anyText();
            what = "paste into Text" + std::to_string(n) + ": " + text.left(40).toStdString();
            QApplication::clipboard()->setText(text);
            field(n)->setFocus();
            if (random_.percent(50)) {
                QTest::keyClick(field(n), Qt::Key_A, Qt::ControlModifier);
            }
            QTest::keyClick(field(n), Qt::Key_V, Qt::ControlModifier);
            return {std::nullopt, bit(n)};
        }
        if (roll < 39) {
            const int n = random_.among(kEditable);
            const QString text = anyText();
            what = "set Text" + std::to_string(n) + ": " + text.left(40).toStdString();
            field(n)->setText(text);
            return {std::nullopt, bit(n)};
        }
        if (roll < 45) {
            const int n = random_.among(kEditable);
            what = "clear Text" + std::to_string(n);
            if (random_.percent(50)) {
                field(n)->clear();
            } else {
                field(n)->setFocus();
                QTest::keyClick(field(n), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field(n), Qt::Key_Delete);
            }
            return {std::nullopt, bit(n)};
        }
        if (roll < 51) {
            // Figures a pilot would type, into every input of one calculator.
            static const std::array<std::vector<int>, 3> kInputs{std::vector<int>{1},
                                                                 std::vector<int>{3, 4, 5, 6, 7},
                                                                 std::vector<int>{8, 9, 10, 11}};
            const std::vector<int>& inputs = random_.among(kInputs);
            Done done;
            what = "type figures:";
            for (const int n : inputs) {
                const QString text = plausibleFigure(n);
                what += " " + text.toStdString();
                field(n)->setFocus();
                QTest::keyClick(field(n), Qt::Key_A, Qt::ControlModifier);
                type(field(n), text);
                done.changed |= bit(n);
            }
            return done;
        }
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) {
            focused = window_.get();
        }
        if (roll < 66) {
            const bool back = random_.percent(35);
            what = back ? "Shift+Tab" : "Tab";
            QTest::keyClick(focused, back ? Qt::Key_Backtab : Qt::Key_Tab,
                            back ? Qt::ShiftModifier : Qt::NoModifier);
            return {};
        }
        if (roll < 76) {
            // Space or Enter only on a button: in a text box they press nothing.
            for (std::size_t c = 0; c < kCommands.size(); ++c) {
                if (focused == button(kCommands.at(c))) {
                    const Qt::Key key = random_.among(
                        std::array<Qt::Key, 3>{Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter});
                    what = std::string(kCommands.at(c).button) + " key " + std::to_string(key);
                    QTest::keyClick(focused, key);
                    return {c, bit(kCommands.at(c).output)};
                }
            }
            what = "Tab (no button focused)";
            QTest::keyClick(focused, Qt::Key_Tab);
            return {};
        }
        const std::size_t c = random_.below(kCommands.size());
        what = kCommands.at(c).button;
        pressButton(kCommands.at(c), what);
        return {c, bit(kCommands.at(c).output)};
    }

    std::unique_ptr<Form1> window_;
    BoxCloser closer_;
    Random random_{numberFromEnvironment("FLIGHTCALC_RANDOM_SEED", kDefaultSeed)};
};

TEST_P(RandomRun, EveryClickGivesTheCalculatorsResultOrOneBox) {
    const std::uint64_t seed = numberFromEnvironment("FLIGHTCALC_RANDOM_SEED", kDefaultSeed);
    const std::uint64_t actions =
        numberFromEnvironment("FLIGHTCALC_RANDOM_ACTIONS", kDefaultActions);
    SCOPED_TRACE("FLIGHTCALC_RANDOM_SEED=" + std::to_string(seed) +
                 " FLIGHTCALC_RANDOM_ACTIONS=" + std::to_string(actions));
    const convert::NumberFormat& format = *GetParam();
    const QPointer<Form1> alive(window_.get());
    std::array<std::size_t, 3> figures{};  // results written, by command
    std::size_t warnings = 0;
    std::size_t errors = 0;

    for (std::uint64_t i = 0; i < actions && !HasFailure(); ++i) {
        const Texts before = texts();
        closer_.seen.clear();
        std::string what;
        const Done done = act(what);
        const std::string where = "action " + std::to_string(i) + " (" + what + ")";

        ASSERT_FALSE(alive.isNull()) << where;
        ASSERT_TRUE(window_->isVisible()) << where;
        const Texts after = texts();
        for (int n = 1; n <= 12; ++n) {
            const auto at = static_cast<std::size_t>(n);
            if ((done.changed & bit(n)) == 0) {
                EXPECT_EQ(after.at(at), before.at(at))
                    << where << ": Text" << n << " is not this action's to change";
            }
        }
        if (!done.command) {
            EXPECT_TRUE(closer_.seen.empty()) << where << ": a box opened without a click";
            continue;
        }

        // The click read the texts as they were before it.
        const Command& command = kCommands.at(*done.command);
        const Expected expected = expectedClick(static_cast<int>(*done.command), before, format);
        const auto output = static_cast<std::size_t>(command.output);
        if (expected.text) {
            ++figures.at(*done.command);
            EXPECT_EQ(after.at(output), *expected.text) << where;
            EXPECT_TRUE(closer_.seen.empty()) << where << ": a box opened with a result";
            continue;
        }
        ++(expected.box == QMessageBox::Warning ? warnings : errors);
        EXPECT_EQ(after.at(output), before.at(output))
            << where << ": the output changed with a box";
        ASSERT_EQ(closer_.seen.size(), 1U) << where << ": one box for one failed click";
        EXPECT_EQ(closer_.seen.front().icon, expected.box) << where;
        EXPECT_EQ(closer_.seen.front().title.toStdString(), "Ошибка") << where;
        EXPECT_EQ(closer_.seen.front().text.toStdString(), expected.boxText)
            << where << ":\n"
            << closer_.seen.front().text.toStdString();
    }
    const std::string tally = "figures " + std::to_string(figures[0]) + "/" +
                              std::to_string(figures[1]) + "/" + std::to_string(figures[2]) +
                              ", warnings " + std::to_string(warnings) + ", errors " +
                              std::to_string(errors);
    RecordProperty("outcomes", tally);
    // A long run that never reaches an outcome tests nothing about it.
    if (actions >= kDefaultActions && !HasFailure()) {
        EXPECT_TRUE(figures[0] > 0 && figures[1] > 0 && figures[2] > 0 && warnings > 0 &&
                    errors > 0)
            << tally;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RandomRun, testing::Values(&kPeriod, &kComma, &kGerman),
                         [](const testing::TestParamInfo<const convert::NumberFormat*>& format) {
                             if (format.param->decimalSeparator == ".") {
                                 return "Period";
                             }
                             return format.param->groupSeparator == "." ? "German" : "Comma";
                         });

}  // namespace
