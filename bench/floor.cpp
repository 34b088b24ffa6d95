// The floor of the start-up benchmark: the cheapest Qt Widgets window the calculator's could
// be, with its client size, its window font and one control of each kind it shows.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

// The calculator window's font, built the same way (app/form1.cpp, dialogFont).
QFont dialogFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.5);
    return font;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFont(dialogFont());
    window.resize(681, 603);
    auto* label = new QLabel(QStringLiteral("Высота, м"), &window);
    label->setGeometry(64, 432, 57, 17);
    auto* field = new QLineEdit(QStringLiteral("9100"), &window);
    field->setGeometry(128, 432, 89, 25);
    auto* button = new QPushButton(QStringLiteral("Расчет"), &window);
    button->setGeometry(128, 576, 89, 25);
    window.show();
    return QApplication::exec();
}
