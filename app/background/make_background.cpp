// Placeholder until the real painting lands: a plain gradient of the right size.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: make_background OUT.jpg\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QImage image(687, 619, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 619);
    gradient.setColorAt(0.0, QColor(150, 190, 230));
    gradient.setColorAt(0.65, QColor(200, 225, 250));
    gradient.setColorAt(1.0, QColor(60, 120, 220));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 88) ? 0 : 1;
}
