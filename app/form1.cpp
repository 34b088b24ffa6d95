#include "form1.h"

#include "error_box.h"
#include "platform.h"

#include "window/click.h"
#include "window/description.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRawFont>
#include <QResource>
#include <QScreen>

#include <limits>
#include <string_view>

namespace {

const QSize kPictureSize(window::kPicturePlace.width, window::kPicturePlace.height);

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect placeOf(const window::Control& c) {
    return {c.place.left, c.place.top, c.place.width, c.place.height};
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

// Whether the face draws every letter of every heading itself, with no other face filling in.
bool drawsEveryHeading(const QFont& font) {
    const QRawFont face = QRawFont::fromFont(font, QFontDatabase::Cyrillic);
    for (const window::Control& c : window::kControls) {
        if (c.kind != window::Kind::Heading) {
            continue;
        }
        for (const uint letter : fromView(c.text).toUcs4()) {
            if (!face.supportsCharacter(letter)) {
                return false;
            }
        }
    }
    return true;
}

QFont headingFont() {
    // The classic face only where it draws Cyrillic (a Windows of another language has it for
    // Latin alone, and Wine's has the code page but not the letters), else the condensed face:
    // never a mix of two faces in one heading.
    QFont classic(fromView(window::kHeadingClassicFace));
    classic.setPointSizeF(window::kHeadingPoints);  // a new QFont's normal weight, no decoration
    if (QFontDatabase::writingSystems(classic.family()).contains(QFontDatabase::Cyrillic) &&
        drawsEveryHeading(classic)) {
        return classic;
    }
    QFont condensed(fromView(window::kFace));
    condensed.setPointSizeF(window::kHeadingPoints);
    return condensed;
}

// The three buttons share their caption; a screen reader tells them apart by their column, named
// after the caption so that the word a user sees is the word a voice command says.
void makeButton(QWidget* parent, const window::Control& c) {
    auto* button = new QPushButton(fromView(c.text), parent);
    button->setObjectName(fromView(c.name));
    button->setGeometry(placeOf(c));
    button->setAccessibleName(fromView(c.text) + QStringLiteral(": ") +
                              fromView(window::control(c.partner).text));
    // Outside a dialog, auto-default only lets Enter click the button that has the focus;
    // no button becomes the window's default, so Enter in a text box presses nothing.
    button->setAutoDefault(true);
}

// On a high-density screen the picture painted at twice the size keeps its edges sharp; the
// @2x name makes Qt load it with a device pixel ratio of 2, the same 687 x 619 on screen.
QPixmap backgroundPicture(qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        return QPixmap(QStringLiteral(":/background@2x.jpg"));
    }
    // Rendered to the screen's own pixel format at build time: no decoder, no image-plugin
    // look-up and no conversion at start-up.
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
    for (const window::Click& c : window::kClicks) {
        connect(control<QPushButton>(c.button), &QPushButton::clicked, this,
                [this, button = c.button] { click(button); });
    }
}

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
            break;
        }
        case window::Kind::TextBox: {
            auto* box = new QLineEdit(fromView(c.text), this);
            box->setObjectName(fromView(c.name));
            box->setGeometry(placeOf(c));
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setReadOnly(c.readOnly);
            break;
        }
        case window::Kind::Button: makeButton(this, c); break;
        }
    }

    // A screen reader announces each box by its caption, the label read first.
    for (const window::Control& c : window::kControls) {
        if (c.kind == window::Kind::FieldLabel) {
            control<QLabel>(c.name)->setBuddy(field(c.partner));
            field(c.partner)->setAccessibleName(fromView(window::captionOf(c.partner)));
        }
    }

    // Tab follows the description's order, not the visual one.
    QWidget* previous = nullptr;
    for (const std::string_view name : window::kFocusOrder) {
        QWidget* next = control(name);
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    control(window::kFirstFocus)->setFocus();
}

void Form1::click(std::string_view button) {
    window::Texts texts;
    for (const window::Control& c : window::kControls) {
        if (c.kind == window::Kind::TextBox) {
            texts.emplace(c.name, field(c.name)->text().toStdString());
        }
    }
    const window::Answer answer = window::click(button, texts, format_);
    if (answer.box != window::Box::None) {
        showBox(this, answer.box, QString::fromStdString(answer.text));
        return;
    }
    QLineEdit* output = field(answer.output);
    output->setText(QString::fromStdString(answer.text));
    // A long figure is wider than its box: show its leading digits, not its tail.
    output->setCursorPosition(0);
}
