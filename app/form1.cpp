#include "form1.h"

#include "error_box.h"
#include "platform.h"
#include "window_description.h"

#include "calc/descent.h"
#include "calc/flight_profit.h"
#include "calc/fuel_estimate.h"
#include "convert/error.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QScreen>

#include <limits>
#include <string_view>
#include <variant>

namespace {

const QSize kPictureSize(window::kPicturePlace.width, window::kPicturePlace.height);

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect placeOf(const window::Control& c) {
    return {c.place.left, c.place.top, c.place.width, c.place.height};
}

// The number of a text box from its name, Text1 to Text12.
std::size_t fieldNumber(std::string_view name) {
    return static_cast<std::size_t>(std::stoi(std::string(name.substr(4))));
}

Qt::Alignment alignmentOf(window::Align align) {
    switch (align) {
    case window::Align::Centre: return Qt::AlignHCenter;
    case window::Align::Right: return Qt::AlignRight;
    case window::Align::Left: break;
    }
    return Qt::AlignLeft;
}

QFont dialogFont() {
    QFont font(fromView(window::kFace));
    font.setPointSizeF(window::kPoints);
    return font;
}

QFont headingFont() {
    // The classic face only where it draws Cyrillic (a Windows of another language has it for
    // Latin alone), else the condensed face: never a mix of two faces in one heading.
    const QString classic = fromView(window::kHeadingClassicFace);
    QFont font(QFontDatabase::writingSystems(classic).contains(QFontDatabase::Cyrillic)
                   ? classic
                   : fromView(window::kFace));
    font.setPointSizeF(window::kHeadingPoints);  // a new QFont's normal weight, no decoration
    return font;
}

// The three buttons share their caption; a screen reader tells them apart by their column, named
// after the caption so that the word a user sees is the word a voice command says.
QPushButton* makeButton(QWidget* parent, const window::Control& c) {
    auto* button = new QPushButton(fromView(c.text), parent);
    button->setObjectName(fromView(c.name));
    button->setGeometry(placeOf(c));
    button->setAccessibleName(fromView(c.text) + QStringLiteral(": ") +
                              fromView(window::control(c.partner).text));
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
    provideFonts();  // before the window looks up its faces
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(fromView(window::kTitle));
    setFont(dialogFont());
    resize(window::kWidth, window::kHeight);
    // Opens centred on the screen, as the platform's own dialogs do.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    buildControls();
    setFocusOrder();
    connect(button("Command1"), &QPushButton::clicked, this, &Form1::command1Click);
    connect(button("Command2"), &QPushButton::clicked, this, &Form1::command2Click);
    connect(button("Command3"), &QPushButton::clicked, this, &Form1::command3Click);
}

QLineEdit* Form1::text(int number) const { return texts_.at(static_cast<std::size_t>(number)); }

void Form1::buildControls() {
    // Creation order is the stacking order: the picture, then the labels, then the boxes.
    const QFont heading = headingFont();
    const QColor captionColour(window::kCaptionColour.red, window::kCaptionColour.green,
                               window::kCaptionColour.blue);
    for (const window::Control& c : window::kControls) {
        switch (c.kind) {
        case window::Kind::Picture: {
            auto* image = new QLabel(this);
            image->setObjectName(fromView(c.name));
            image->setPixmap(backgroundPicture(devicePixelRatioF()));
            image->setGeometry(placeOf(c));  // the picture's own size: nothing to align
            break;
        }
        case window::Kind::Heading:
        case window::Kind::FieldLabel:
        case window::Kind::Note: {
            auto* label = new QLabel(fromView(c.text), this);
            label->setObjectName(fromView(c.name));
            label->setGeometry(placeOf(c));
            label->setAlignment(alignmentOf(c.align) | Qt::AlignTop);
            if (c.kind != window::Kind::Note) {
                QPalette palette = label->palette();
                palette.setColor(QPalette::WindowText, captionColour);
                label->setPalette(palette);
            }
            if (c.kind == window::Kind::Heading) {
                label->setFont(heading);
            }
            if (c.kind == window::Kind::FieldLabel) {
                captions_.at(fieldNumber(c.partner)) = label;
            }
            break;
        }
        case window::Kind::TextBox: {
            auto* field = new QLineEdit(fromView(c.text), this);
            field->setObjectName(fromView(c.name));
            field->setGeometry(placeOf(c));
            field->setMaxLength(std::numeric_limits<int>::max());
            field->setReadOnly(c.readOnly);
            texts_.at(fieldNumber(c.name)) = field;
            break;
        }
        case window::Kind::Button: buttons_.push_back(makeButton(this, c)); break;
        }
    }

    // A screen reader announces each box by its caption.
    for (std::size_t number = 1; number < texts_.size(); ++number) {
        captions_.at(number)->setBuddy(texts_.at(number));
        texts_.at(number)->setAccessibleName(
            fromView(window::captionOf(texts_.at(number)->objectName().toStdString())));
    }
}

QPushButton* Form1::button(const char* name) const {
    for (QPushButton* b : buttons_) {
        if (b->objectName() == QLatin1String(name)) {
            return b;
        }
    }
    return nullptr;
}

void Form1::setFocusOrder() {
    QWidget* previous = nullptr;
    for (const std::string_view name : window::kFocusOrder) {
        auto* next = findChild<QWidget*>(fromView(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    findChild<QWidget*>(fromView(window::kFirstFocus), Qt::FindDirectChildrenOnly)->setFocus();
}

std::string Form1::read(int number) const { return text(number)->text().toStdString(); }

QString Form1::captionOf(const QLineEdit* field) const {
    return captions_.at(fieldNumber(field->objectName().toStdString()))->text().trimmed();
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
