#include "form1.h"

#include "error_box.h"

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResource>

#include <limits>
#include <variant>

namespace {

const QColor kCaptionColour(0, 0, 192);
const QSize kPictureSize(687, 619);

// Each column's heading; its button's accessible name carries it too.
constexpr const char* kFuelHeading = "Вычисление топлива";
constexpr const char* kDescentHeading = "Вычисление длины спуска";
constexpr const char* kProfitHeading = "Вычисление прибыли от рейса";

enum class LabelStyle { Heading, FieldLabel, Note };

struct LabelRow {
    const char* name{};
    const char* caption{};
    QRect geometry;
    LabelStyle style{};
    Qt::Alignment alignment;
    int captions{};  // number of the text box it captions, 0 for none
};

// Positions in pixels of the client area (15 twips each).
// clang-format off
const LabelRow kLabels[] = {
    {"Label15", kFuelHeading, {48, 408, 241, 17}, LabelStyle::Heading, Qt::AlignHCenter, 0},
    {"Label1", "Высота, м", {64, 432, 57, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 3},
    {"Label2", "Дальность, км", {40, 456, 81, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 4},
    {"Label6", "Вес груза, кг", {48, 480, 73, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 5},
    {"Label3", "Топливо на руление, кг", {-8, 504, 129, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 6},
    {"Label5", "Запас, кг", {72, 528, 49, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 7},
    {"Label11", "Вес топлива, кг", {40, 552, 81, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 8},
    {"Label14", kDescentHeading, {280, 408, 185, 17}, LabelStyle::Heading, Qt::AlignHCenter, 0},
    {"Label9", "Высота полета, м", {240, 432, 97, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 1},
    {"Label10", "Расстояние спуска, км", {216, 456, 121, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 2},
    {"Label16", kProfitHeading, {464, 408, 217, 17}, LabelStyle::Heading, Qt::AlignHCenter, 0},
    {"Label8", "Доход от груза, v$", {448, 432, 97, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 9},
    {"Label12", "Цена топлива, v$", {456, 456, 89, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 10},
    {"Label13", " Топлива на борту, кг", {432, 480, 113, 17}, LabelStyle::FieldLabel, Qt::AlignRight, 11},
    {"Label18", "Доход от рейса, v$", {448, 504, 97, 17}, LabelStyle::FieldLabel, Qt::AlignLeft, 12},
    {"Label17", "Version 2.1", {608, 584, 73, 17}, LabelStyle::Note, Qt::AlignLeft, 0},
};
// clang-format on

struct FieldRow {
    int number{};
    const char* textAtStart{};
    QPoint position;
    bool readOnly{};
};

const QSize kFieldSize(89, 25);

// Two a line, down each calculator's column.
// clang-format off
const FieldRow kFields[] = {
    {3, "9100", {128, 432}, false},  {4, "2000", {128, 456}, false},
    {5, "50000", {128, 480}, false}, {6, "1000", {128, 504}, false},
    {7, "4500", {128, 528}, false},  {8, "", {128, 552}, false},
    {1, "9100", {344, 432}, false},  {2, "", {344, 456}, true},
    {9, "", {552, 432}, false},      {10, "", {552, 456}, false},
    {11, "", {552, 480}, false},     {12, "", {552, 504}, true},
};
// clang-format on

// The caption boxes were laid out for a small dialog font: a condensed sans at 7.5 pt
// (10 pixels at 96 dpi) fits every caption inside its box.
QFont dialogFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

QFont headingFont() {
    // The classic face only where it draws Cyrillic (a Windows of another language has it for
    // Latin alone), else the condensed face: never a mix of two faces in one heading.
    const QString classic = QStringLiteral("MS Sans Serif");
    QFont font(QFontDatabase::writingSystems(classic).contains(QFontDatabase::Cyrillic)
                   ? classic
                   : QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

// The three buttons share their caption; a screen reader tells them apart by their column, named
// after the caption so that the word a user sees is the word a voice command says.
QPushButton* makeButton(QWidget* parent, const char* name, QPoint position, const char* column) {
    const QString caption = QStringLiteral("Расчет");
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(position, kFieldSize));
    button->setAccessibleName(caption + QStringLiteral(": ") + QString::fromUtf8(column));
    // Outside a dialog, auto-default only lets Enter click the button that has the focus;
    // no button becomes the window's default, so Enter in a text box presses nothing.
    button->setAutoDefault(true);
    return button;
}

// On a high-density screen the picture painted at twice the size keeps its edges sharp; the
// @2x name makes Qt load it with a device pixel ratio of 2, the same 687 x 619 on screen.
QPixmap backgroundPicture(qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        return QPixmap(QStringLiteral(":/background@2x.jpg"));
    }
    // Decoded at build time: no JPEG decoder and no image-plugin look-up at start-up.
    const QByteArray pixels = QResource(QStringLiteral(":/background.rgb32")).uncompressedData();
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): Qt's bytes are char or uchar
    const auto* bytes = reinterpret_cast<const uchar*>(pixels.constData());
    return QPixmap::fromImage(
        QImage(bytes, kPictureSize.width(), kPictureSize.height(), QImage::Format_RGB32));
}

}  // namespace

Form1::Form1(convert::NumberFormat format, QWidget* parent)
    : QWidget(parent), format_(std::move(format)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("B"));
    setFont(dialogFont());
    resize(681, 603);
    buildControls();
    setFocusOrder();
    connect(command1_, &QPushButton::clicked, this, &Form1::command1Click);
    connect(command2_, &QPushButton::clicked, this, &Form1::command2Click);
    connect(command3_, &QPushButton::clicked, this, &Form1::command3Click);
}

QLineEdit* Form1::text(int number) const { return texts_.at(static_cast<std::size_t>(number)); }

void Form1::buildControls() {
    // Creation order is the stacking order: the picture, then the labels, then the boxes.
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(backgroundPicture(devicePixelRatioF()));
    image->setGeometry(QRect(QPoint(0, -8), kPictureSize));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont heading = headingFont();
    for (const LabelRow& row : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(row.caption), this);
        label->setObjectName(QLatin1String(row.name));
        label->setGeometry(row.geometry);
        label->setAlignment(row.alignment | Qt::AlignTop);
        if (row.style != LabelStyle::Note) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, kCaptionColour);
            label->setPalette(palette);
        }
        if (row.style == LabelStyle::Heading) {
            label->setFont(heading);
        }
        if (row.captions != 0) {
            captions_.at(static_cast<std::size_t>(row.captions)) = label;
        }
    }

    for (const FieldRow& row : kFields) {
        auto* field = new QLineEdit(QString::fromUtf8(row.textAtStart), this);
        field->setObjectName(QStringLiteral("Text%1").arg(row.number));
        field->setGeometry(QRect(row.position, kFieldSize));
        field->setMaxLength(std::numeric_limits<int>::max());
        field->setReadOnly(row.readOnly);
        texts_.at(static_cast<std::size_t>(row.number)) = field;
    }

    // A screen reader announces each box by its caption.
    for (std::size_t number = 1; number < texts_.size(); ++number) {
        captions_.at(number)->setBuddy(texts_.at(number));
        texts_.at(number)->setAccessibleName(captions_.at(number)->text().trimmed());
    }

    command2_ = makeButton(this, "Command2", {128, 576}, kFuelHeading);
    command1_ = makeButton(this, "Command1", {344, 480}, kDescentHeading);
    command3_ = makeButton(this, "Command3", {552, 528}, kProfitHeading);
}

void Form1::setFocusOrder() {
    // Not the visual order: the two lower-numbered buttons, the fields by number, Command3.
    QWidget* previous = command1_;
    auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(command2_);
    for (int number = 1; number <= 12; ++number) {
        chain(text(number));
    }
    chain(command3_);
    command1_->setFocus();
}

std::string Form1::read(int number) const { return text(number)->text().toStdString(); }

QString Form1::captionOf(const QLineEdit* field) const {
    for (std::size_t number = 1; number < texts_.size(); ++number) {
        if (texts_.at(number) == field && captions_.at(number) != nullptr) {
            return captions_.at(number)->text().trimmed();
        }
    }
    return {};
}

void Form1::run(QLineEdit* output, std::initializer_list<QLineEdit*> inputs,
                const std::function<std::optional<std::string>()>& calculate) {
    try {
        if (const auto result = calculate()) {
            output->setText(QString::fromStdString(*result));
            // A long figure is wider than its box: show its leading digits, not its tail.
            output->setCursorPosition(0);
        }
    } catch (const convert::Error& error) {
        QString caption;
        if (const auto input = error.input();
            input && *input >= 0 && static_cast<std::size_t>(*input) < inputs.size()) {
            caption = captionOf(*(inputs.begin() + *input));
        }
        showErrorBox(this, error, caption);
    }
}

void Form1::command1Click() {
    run(text(2), {text(1)}, [this] { return calc::descentDistance(read(1), format_); });
}

void Form1::command2Click() {
    run(text(8), {text(3), text(4), text(5), text(6), text(7)},
        [this]() -> std::optional<std::string> {
            const std::string altitude = read(3);
            const std::string range = read(4);
            const std::string cargo = read(5);
            const std::string taxiFuel = read(6);
            const std::string reserve = read(7);
            auto estimate =
                calc::fuelEstimate({altitude, range, cargo, taxiFuel, reserve}, format_);
            if (auto* fuel = std::get_if<std::string>(&estimate)) {
                return std::move(*fuel);
            }
            // No figure is computed past the warning: Text8 keeps what it had.
            showOutOfRangeWarning(this);
            return std::nullopt;
        });
}

void Form1::command3Click() {
    run(text(12), {text(8), text(11), text(10), text(9)}, [this] {
        const std::string fuelWeight = read(8);
        const std::string fuelOnBoard = read(11);
        const std::string fuelPrice = read(10);
        const std::string cargoIncome = read(9);
        return calc::flightProfit({fuelWeight, fuelOnBoard, fuelPrice, cargoIncome}, format_);
    });
}
