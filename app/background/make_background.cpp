// Paints the window's background: an airport apron with a freighter and a stair
// truck on top, fading into the plain blue gradient the controls stand on; and the program's
// icon, the picture's round badge with its aircraft, at every size a desktop asks for.
// Everything is drawn here so the build needs no picture files.
#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

constexpr int kWidth = 687;
constexpr int kHeight = 619;
constexpr qreal kHorizon = 150.0;
constexpr qreal kGround = 237.0;  // where the aircraft's wheels touch the apron
const QColor kYellow(246, 190, 44);
const QPen kYellowEdge(QColor(150, 100, 10), 0.7);

QLinearGradient ramp(QPointF from, QPointF to, const QGradientStops& stops) {
    QLinearGradient g(from, to);
    g.setStops(stops);
    return g;
}

QLinearGradient vertical(qreal y0, qreal y1, const QGradientStops& stops) {
    return ramp(QPointF(0, y0), QPointF(0, y1), stops);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

void fill(QPainter& p, const QPainterPath& path, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

QFont font(const char* family, int pixels, bool bold, bool italic) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// A radial gradient squashed into an ellipse: clouds and ground shadows alike.
void softEllipse(QPainter& p, QPointF c, qreal rx, qreal ry, const QGradientStops& stops) {
    QRadialGradient g(c, rx);
    g.setStops(stops);
    p.save();
    p.translate(c);
    p.scale(1.0, ry / rx);
    p.translate(-c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, rx, rx);
    p.restore();
}

void drawShadow(QPainter& p, QPointF c, qreal rx, qreal ry, int alpha) {
    softEllipse(p, c, rx, ry,
                {{0.0, QColor(40, 42, 48, alpha)},
                 {0.7, QColor(40, 42, 48, alpha / 2)},
                 {1.0, QColor(40, 42, 48, 0)}});
}

void drawWheel(QPainter& p, QPointF c, qreal r) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(c, r, r);
    QRadialGradient hub(c - QPointF(r * 0.2, r * 0.2), r * 0.5);
    hub.setStops({{0.0, QColor(225, 228, 232)}, {1.0, QColor(120, 124, 130)}});
    p.setBrush(hub);
    p.drawEllipse(c, r * 0.45, r * 0.45);
}

void drawSky(QPainter& p) {
    const QRectF sky(0.0, 0.0, kWidth, kHorizon + 1.0);
    p.fillRect(sky, vertical(0, kHorizon,
                             {{0.0, QColor(58, 118, 196)},
                              {0.55, QColor(128, 176, 226)},
                              {1.0, QColor(214, 230, 242)}}));
    // The sun is off to the upper left; its glow warms that corner only.
    QRadialGradient glow(QPointF(-20, -10), 260);
    glow.setStops({{0.0, QColor(255, 250, 230, 150)}, {1.0, QColor(255, 250, 230, 0)}});
    p.fillRect(sky, glow);
}

void drawClouds(QPainter& p) {
    // Each cloud is a cluster of soft puffs, kept off the middle so the title stays clear.
    struct Puff {
        qreal x, y, rx, ry;
        int a;
    };
    static const Puff puffs[] = {
        {40, 78, 50, 18, 190},  {85, 70, 38, 20, 210},  {120, 82, 46, 14, 170},
        {70, 90, 70, 10, 120},  {470, 96, 44, 14, 170}, {510, 88, 34, 17, 200},
        {548, 98, 52, 12, 150}, {300, 112, 90, 7, 90},  {650, 120, 60, 9, 110},
        {200, 124, 70, 6, 80},
    };
    for (const Puff& c : puffs) {
        softEllipse(p, QPointF(c.x, c.y), c.rx, c.ry,
                    {{0.0, QColor(255, 255, 255, c.a)},
                     {0.6, QColor(248, 250, 253, c.a * 2 / 3)},
                     {1.0, QColor(240, 245, 252, 0)}});
    }
}

void drawDistance(QPainter& p) {
    // Hazy hills and a tree line give the horizon some depth.
    QPainterPath hills(QPointF(0, kHorizon));
    hills.cubicTo(80, 128, 160, 140, 240, 134);
    hills.cubicTo(330, 126, 420, 142, 520, 132);
    hills.cubicTo(600, 126, 650, 134, kWidth, 130);
    hills.lineTo(kWidth, kHorizon);
    fill(p, hills, QColor(168, 190, 208));
    p.fillRect(QRectF(0, kHorizon - 5, kWidth, 5), QColor(112, 138, 132));

    // Terminal: glass front under a gently curved roof.
    p.fillRect(
        QRectF(250, 122, 437, kHorizon - 122),
        vertical(118, kHorizon, {{0.0, QColor(170, 196, 216)}, {1.0, QColor(112, 138, 160)}}));
    p.setPen(QPen(QColor(70, 92, 112, 150), 1.0));
    for (int x = 256; x < kWidth; x += 9) {
        p.drawLine(QLineF(x, 124, x, kHorizon - 1));
    }
    p.drawLine(QLineF(250, 136, kWidth, 136));
    QPainterPath roof(QPointF(240, 124));
    roof.cubicTo(380, 108, 560, 108, kWidth + 5, 118);
    roof.lineTo(kWidth + 5, 124);
    roof.cubicTo(560, 114, 380, 114, 240, 126);
    fill(p, roof, QColor(222, 226, 230));

    // Control tower on the left.
    p.fillRect(QRectF(34, 92, 14, kHorizon - 92),
               ramp(QPointF(30, 0), QPointF(52, 0),
                    {{0.0, QColor(210, 214, 218)}, {1.0, QColor(150, 158, 166)}}));
    p.fillRect(QRectF(26, 88, 30, 5), QColor(200, 205, 210));
    p.fillRect(QRectF(27, 78, 28, 10), QColor(60, 90, 110));
    p.fillRect(QRectF(24, 74, 34, 4), QColor(185, 190, 196));
    p.fillRect(QRectF(40, 64, 2, 10), QColor(185, 190, 196));
}

void drawApron(QPainter& p) {
    const QRectF apron(0, kHorizon, kWidth, 400 - kHorizon);
    p.fillRect(apron, vertical(kHorizon, 400,
                               {{0.0, QColor(196, 198, 196)}, {1.0, QColor(168, 170, 170)}}));

    // Slab joints: rows crowd toward the horizon, columns run to one vanishing point.
    p.setPen(QPen(QColor(150, 152, 152, 110), 0.8));
    for (int k = 1; k < 12; ++k) {
        p.drawLine(QLineF(0, kHorizon + 2.2 * k * k, kWidth, kHorizon + 2.2 * k * k));
    }
    const QPointF vanish(343, kHorizon - 40);
    const qreal t = (kHorizon - vanish.y()) / (400 - vanish.y());
    for (int k = -14; k <= 14; ++k) {
        const QPointF bottom(343 + k * 90.0, 400);
        p.drawLine(QLineF(vanish + (bottom - vanish) * t, bottom));
    }

    // Yellow taxi lines: a lead-in curve sweeping toward the stand and a straight guide.
    QPainterPath lead(QPointF(-20, 300));
    lead.cubicTo(180, 250, 420, 196, kWidth + 10, 176);
    fill(p, lead, Qt::NoBrush, QPen(QColor(226, 186, 40), 3.0, Qt::SolidLine, Qt::FlatCap));
    p.setPen(QPen(QColor(226, 186, 40, 200), 1.6));
    p.drawLine(QLineF(0, kGround + 4, kWidth, kGround + 4));

    // Fine grain so the concrete does not look like flat paint; a fixed-seed LCG of our
    // own keeps it identical on every build and platform.
    std::uint32_t seed = 20240607U;
    auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525U + 1013904223U;
        return static_cast<int>((seed >> 8) % range);
    };
    QImage grain(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < grain.height(); ++y) {
        for (int x = 0; x < grain.width(); ++x) {
            const int v = next(2) != 0 ? 255 : 0;
            grain.setPixel(x, y, qRgba(v, v, v, next(16)));
        }
    }
    p.fillRect(apron, QBrush(grain));
}

void drawEngine(QPainter& p, qreal x, qreal y, qreal len, qreal h, qreal wingY) {
    // Pylon up into the wing, exhaust cone, then the nacelle with its dark intake.
    fill(p,
         polygon({{x + len * 0.3, y - h * 0.4},
                  {x + len * 0.5, wingY},
                  {x + len * 1.15, wingY - 1},
                  {x + len * 0.95, y - h * 0.3}}),
         vertical(wingY, y, {{0.0, QColor(200, 204, 210)}, {1.0, QColor(150, 156, 164)}}));
    fill(p,
         polygon({{x + len * 0.9, y - h * 0.28},
                  {x + len * 1.14, y + h * 0.02},
                  {x + len * 0.9, y + h * 0.28}}),
         QColor(104, 106, 112));
    QPainterPath nacelle(QPointF(x, y - h * 0.5));
    nacelle.lineTo(x + len * 0.6, y - h * 0.46);
    nacelle.cubicTo(x + len * 0.8, y - h * 0.42, x + len * 0.92, y - h * 0.32, x + len * 0.92, y);
    nacelle.cubicTo(x + len * 0.92, y + h * 0.32, x + len * 0.8, y + h * 0.42, x + len * 0.6,
                    y + h * 0.46);
    nacelle.lineTo(x, y + h * 0.5);
    nacelle.closeSubpath();
    fill(p, nacelle,
         vertical(y - h / 2, y + h / 2,
                  {{0.0, QColor(250, 251, 253)},
                   {0.4, QColor(226, 230, 236)},
                   {1.0, QColor(120, 126, 138)}}),
         QPen(QColor(110, 116, 126), 0.7));
    p.fillRect(QRectF(x + len * 0.18, y - h * 0.5 + 0.6, len * 0.08, h - 1.2), QColor(40, 84, 170));
    QRadialGradient intake(QPointF(x, y), h * 0.5);
    intake.setStops(
        {{0.0, QColor(20, 22, 28)}, {0.75, QColor(60, 64, 72)}, {1.0, QColor(214, 218, 224)}});
    p.setPen(Qt::NoPen);
    p.setBrush(intake);
    p.drawEllipse(QPointF(x, y), h * 0.22, h * 0.5);
}

void drawFuselage(QPainter& p) {
    // Tail fin in the company blue with a white and red flash.
    QPainterPath fin(QPointF(498, 168));
    fin.cubicTo(530, 140, 555, 110, 572, 94);
    fin.lineTo(597, 92);
    fin.lineTo(594, 171);
    fin.closeSubpath();
    fill(p, fin,
         ramp(QPointF(520, 92), QPointF(600, 170),
              {{0.0, QColor(40, 84, 170)}, {1.0, QColor(18, 44, 110)}}),
         QPen(QColor(16, 36, 90), 0.8));
    p.save();
    p.setClipPath(fin);
    p.setPen(QPen(Qt::white, 6.0));
    p.drawLine(QLineF(520, 172, 610, 108));
    p.setPen(QPen(QColor(214, 46, 46), 3.0));
    p.drawLine(QLineF(528, 176, 614, 116));
    p.restore();

    // Body with the upper-deck hump over the cockpit, lit from above.
    QPainterPath body(QPointF(92, 194));
    body.cubicTo(92, 178, 106, 158, 140, 153);
    body.lineTo(212, 151);
    body.cubicTo(246, 151, 262, 165, 296, 165);
    body.lineTo(516, 165);
    body.cubicTo(548, 166, 574, 168, 598, 171);
    body.lineTo(600, 177);
    body.cubicTo(566, 186, 512, 206, 462, 211);
    body.lineTo(140, 211);
    body.cubicTo(110, 211, 92, 205, 92, 194);
    fill(p, body,
         vertical(150, 211,
                  {{0.0, QColor(236, 238, 242)},
                   {0.3, QColor(255, 255, 255)},
                   {0.62, QColor(238, 240, 244)},
                   {0.78, QColor(196, 200, 208)},
                   {1.0, QColor(132, 138, 150)}}));
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(80, 186, 540, 4), QColor(30, 70, 160));
    p.fillRect(QRectF(80, 191, 540, 1.6), QColor(214, 46, 46));
    p.setPen(QPen(QColor(150, 156, 166), 0.8));  // main-deck cargo door, only its seam shows
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(430, 168, 40, 28), 3, 3);
    p.restore();

    // Cabin windows on both decks, the cockpit glazing and the open front door.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(38, 48, 66));
    for (qreal x = 176; x < 490; x += 7.5) {
        if (x < 426 || x > 474) {
            p.drawRoundedRect(QRectF(x, 177, 2.6, 3.8), 1.2, 1.2);
        }
    }
    for (qreal x = 160; x < 226; x += 7.5) {
        p.drawRoundedRect(QRectF(x, 158, 2.6, 3.6), 1.2, 1.2);
    }
    fill(p, polygon({{114, 165}, {121, 159}, {141, 158}, {141, 163.5}, {118, 165.5}}),
         QColor(24, 34, 52));
    p.setPen(QPen(QColor(235, 238, 242), 1.0));
    p.drawLine(QLineF(127, 158.5, 126, 165));
    p.drawLine(QLineF(134, 158.2, 134, 164.2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(44, 48, 58));
    p.drawRoundedRect(QRectF(151, 176, 11, 23), 2.5, 2.5);
    p.setFont(font("DejaVu Sans", 11, true, true));
    p.setPen(QColor(30, 60, 140));
    p.drawText(QPointF(262, 176), QStringLiteral("АВИАКАРГО"));
}

void drawAircraft(QPainter& p) {
    drawShadow(p, QPointF(370, kGround + 2), 260, 9, 120);
    drawShadow(p, QPointF(430, kGround + 2), 130, 6, 90);
    drawFuselage(p);

    // Landing gear: nose leg, then the main bogies under the wing root.
    p.setPen(QPen(QColor(90, 94, 100), 2.2));
    p.drawLine(QLineF(137, 208, 137, kGround - 5));
    drawWheel(p, QPointF(134, kGround - 4.5), 4.5);
    drawWheel(p, QPointF(141, kGround - 4.5), 4.5);
    for (qreal x : {326.0, 350.0, 392.0, 416.0}) {
        p.setPen(QPen(QColor(90, 94, 100), 2.6));
        p.drawLine(QLineF(x + 6, 210, x + 6, kGround - 7));
        drawWheel(p, QPointF(x, kGround - 6), 6);
        drawWheel(p, QPointF(x + 13, kGround - 6), 6);
    }

    // Near wing: swept back and rising with dihedral, its underside in shade.
    fill(p, polygon({{268, 198}, {526, 183}, {538, 184}, {540, 189}, {392, 208}}),
         vertical(183, 208,
                  {{0.0, QColor(226, 229, 234)},
                   {0.45, QColor(176, 181, 190)},
                   {1.0, QColor(118, 124, 136)}}),
         QPen(QColor(96, 102, 114), 0.8));
    p.setPen(QPen(QColor(150, 156, 166), 0.6));
    p.drawLine(QLineF(272, 200.5, 526, 185.5));  // slat line
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 166, 176));
    for (qreal fx : {420.0, 458.0, 494.0}) {  // flap-track fairings under the trailing edge
        p.drawRoundedRect(QRectF(fx - 16, 205 - (fx - 392) * (19.0 / 148.0), 22, 4), 2, 2);
    }

    drawEngine(p, 404, 200, 42, 15, 191);
    drawEngine(p, 296, 214, 52, 19, 198);
    fill(p, polygon({{528, 180}, {566, 178}, {612, 183}, {616, 187}, {590, 186}}),
         vertical(178, 188, {{0.0, QColor(214, 218, 226)}, {1.0, QColor(120, 126, 138)}}),
         QPen(QColor(96, 102, 114), 0.8));
}

void drawStairs(QPainter& p) {
    const qreal ground = kGround + 6;  // the truck stands a little nearer than the aircraft
    drawShadow(p, QPointF(117, ground), 65, 5, 110);

    // Chassis and cab; the cab sits under the platform, facing the aircraft.
    const QLinearGradient yellow =
        vertical(208, ground - 6, {{0.0, QColor(255, 206, 60)}, {1.0, QColor(214, 146, 20)}});
    fill(p, polygon({{60, ground - 16}, {164, ground - 16}, {164, ground - 8}, {60, ground - 8}}),
         yellow, kYellowEdge);
    fill(p, polygon({{132, ground - 10}, {132, 210}, {158, 210}, {168, 221}, {168, ground - 10}}),
         yellow, kYellowEdge);
    fill(p, polygon({{148, 213}, {157, 213}, {164, 221}, {148, 221}}), QColor(60, 86, 110));
    p.fillRect(QRectF(136, 213, 9, 8), QColor(60, 86, 110));
    p.fillRect(QRectF(60, ground - 12, 104, 1.2), QColor(40, 40, 40));
    drawWheel(p, QPointF(80, ground - 6), 6);
    drawWheel(p, QPointF(152, ground - 6), 6);

    // Platform level with the door sill, on a post standing on the cab.
    const QPointF foot(66, ground - 16);
    const QPointF landing(130, 199);
    const QPointF sill(150, 199);
    const QColor steel(112, 118, 128);
    p.setPen(QPen(steel, 2.0));
    p.drawLine(QLineF(142, 202, 142, 210));
    fill(p, polygon({landing, sill + QPointF(2, 0), sill + QPointF(2, 4), landing + QPointF(0, 4)}),
         kYellow, kYellowEdge);

    // Truss under the flight, then the yellow stringer with the steps cut into it.
    p.setPen(QPen(steel, 1.0));
    for (int i = 1; i <= 4; ++i) {
        const QPointF a = foot + (landing - foot) * (i * 0.2);
        p.drawLine(QLineF(a, QPointF(a.x() - 8, foot.y())));
        p.drawLine(QLineF(a, QPointF(a.x(), foot.y())));
    }
    fill(p, polygon({foot, landing, landing + QPointF(0, 4), foot + QPointF(5, 4)}), kYellow,
         kYellowEdge);
    const int steps = 9;
    const QPointF run = (landing - foot) / steps;
    QPainterPath treads(foot);
    for (int i = 0; i < steps; ++i) {
        const QPointF s = foot + run * i;
        treads.lineTo(s.x(), s.y() + run.y());
        treads.lineTo(s.x() + run.x(), s.y() + run.y());
    }
    fill(p, treads, Qt::NoBrush, QPen(QColor(60, 64, 72), 1.1));

    // Handrail on posts, carried along the platform to the door.
    const QPointF rail(0, -13);
    p.setPen(QPen(steel, 1.4));
    p.drawLine(QLineF(foot + rail, landing + rail));
    p.drawLine(QLineF(landing + rail, sill + rail));
    p.drawLine(QLineF(foot + rail * 0.5, landing + rail * 0.5));
    for (int i = 0; i <= 4; ++i) {
        const QPointF s = foot + (landing - foot) * (i * 0.25);
        p.drawLine(QLineF(s, s + rail));
    }
    p.drawLine(QLineF(sill, sill + rail));
}

void drawCargoTrain(QPainter& p) {
    // A tug pulling dollies of contoured containers toward the cargo door.
    const qreal ground = 252.0;
    drawShadow(p, QPointF(575, ground + 0.5), 105, 4.5, 100);
    p.setPen(kYellowEdge);
    p.setBrush(QColor(240, 180, 40));
    p.drawRoundedRect(QRectF(476, ground - 13, 26, 8), 2, 2);
    p.drawRect(QRectF(482, ground - 24, 16, 2));
    p.fillRect(QRectF(484, ground - 22, 12, 9), QColor(60, 86, 110));
    drawWheel(p, QPointF(482, ground - 3.5), 3.5);
    drawWheel(p, QPointF(497, ground - 3.5), 3.5);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 510 + i * 56.0;
        p.setPen(QPen(QColor(70, 74, 80), 1.2));
        p.drawLine(QLineF(x - 8, ground - 6, x, ground - 6));
        p.fillRect(QRectF(x, ground - 8, 48, 3), QColor(70, 74, 80));
        drawWheel(p, QPointF(x + 8, ground - 3.5), 3.5);
        drawWheel(p, QPointF(x + 40, ground - 3.5), 3.5);
        fill(p,
             polygon({{x + 8, ground - 8},
                      {x + 2, ground - 16},
                      {x + 2, ground - 28},
                      {x + 46, ground - 28},
                      {x + 46, ground - 8}}),
             ramp(QPointF(x, ground - 28), QPointF(x + 30, ground - 4),
                  {{0.0, QColor(240, 242, 246)}, {1.0, QColor(150, 156, 166)}}),
             QPen(QColor(110, 116, 126), 0.7));
        p.setPen(QPen(QColor(150, 156, 166), 0.6));
        for (qreal rx = x + 12; rx < x + 46; rx += 8) {
            p.drawLine(QLineF(rx, ground - 27, rx, ground - 9));
        }
    }
}

void drawFade(QPainter& p) {
    // The scene dissolves into pale blue, then the plain gradient the controls stand on;
    // it stays light where the labels sit and deepens only near the bottom edge.
    const qreal top = 250.0;
    const qreal span = kHeight - top;
    auto at = [&](qreal y) { return (y - top) / span; };
    const QColor pale(200, 225, 250);
    p.fillRect(QRectF(0, top, kWidth, span), vertical(top, kHeight,
                                                      {{0.0, QColor(200, 225, 250, 0)},
                                                       {at(285), QColor(200, 225, 250, 70)},
                                                       {at(325), QColor(200, 225, 250, 190)},
                                                       {at(370), pale},
                                                       {at(410), pale},
                                                       {at(500), QColor(178, 208, 246)},
                                                       {at(560), QColor(132, 174, 236)},
                                                       {1.0, QColor(58, 116, 216)}}));
}

void drawTitle(QPainter& p) {
    auto draw = [&](const QFont& f, const QString& text, qreal top) {
        p.setFont(f);
        const QFontMetricsF fm(f);
        const QPointF at((kWidth - fm.horizontalAdvance(text)) / 2.0, top + fm.ascent());
        // A soft dark halo first, so white letters hold up over the lighter sky.
        p.setPen(QColor(10, 30, 70, 60));
        for (int dx = -1; dx <= 2; ++dx) {
            for (int dy = -1; dy <= 2; ++dy) {
                p.drawText(at + QPointF(dx, dy), text);
            }
        }
        p.setPen(QColor(10, 30, 70, 140));
        p.drawText(at + QPointF(1.2, 1.4), text);
        p.setPen(Qt::white);
        p.drawText(at, text);
    };
    // Starts below the rows the window hides.
    draw(font("DejaVu Serif", 23, true, true), QStringLiteral("Калькулятор грузового рейса"), 13);
    draw(font("DejaVu Serif", 16, false, true), QStringLiteral("расчет топлива, спуска и прибыли"),
         42);
}

// A swept-wing aircraft seen from above, nose up, 34 units from wing tip to wing tip.
QPainterPath aircraftFromAbove() {
    return polygon({{0, -17},
                    {2, -14},
                    {2, -6},
                    {15, 2},
                    {15, 5},
                    {2, 1},
                    {2, 9},
                    {6, 13},
                    {6, 15},
                    {0, 13},
                    {-6, 15},
                    {-6, 13},
                    {-2, 9},
                    {-2, 1},
                    {-15, 5},
                    {-15, 2},
                    {-2, -6},
                    {-2, -14}});
}

void drawLogo(QPainter& p) {
    const QPointF c(644, 44);
    const qreal r = 33;
    QRadialGradient disc(c - QPointF(10, 12), r * 1.4);
    disc.setStops({{0.0, QColor(70, 130, 220)}, {1.0, QColor(14, 36, 100)}});
    p.setPen(QPen(QColor(236, 190, 60), 2.4));
    p.setBrush(disc);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 4, r - 4);

    // A small swept-wing aircraft seen from above, climbing to the upper right.
    p.save();
    p.translate(c + QPointF(0, -7));
    p.rotate(45);
    fill(p, aircraftFromAbove(), Qt::white);
    p.restore();

    p.setFont(font("DejaVu Sans", 13, true, false));
    p.setPen(QColor(236, 190, 60));
    p.drawText(QRectF(c.x() - r, c.y() + 8, 2 * r, 16), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("ГР"));
}

// The picture at `scale` times its size in pixels; at 2 the painter draws the same scene with
// twice the detail, for screens with a device pixel ratio of 2.
QImage paint(int scale) {
    QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(QColor(200, 225, 250));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawSky(painter);
    drawClouds(painter);
    drawDistance(painter);
    drawApron(painter);
    drawAircraft(painter);
    drawStairs(painter);
    drawCargoTrain(painter);
    drawFade(painter);
    drawTitle(painter);
    drawLogo(painter);
    painter.end();
    return image;
}

// The badge alone on a transparent square of `size` pixels: a thicker ring and a larger
// aircraft than in the picture, so that it still reads at 16 pixels. Maskable, for a phone's
// home screen, which cuts it to a shape of its own: the square filled with the disc's deep blue
// and the badge within the middle 80 %, the part every shape keeps.
QImage paintIcon(int size, bool maskable = false) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(maskable ? QColor(14, 36, 100) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    if (maskable) {
        p.translate(32, 32);
        p.scale(0.8, 0.8);
        p.translate(-32, -32);
    }
    const QPointF c(32, 32);
    QRadialGradient disc(c - QPointF(9, 11), 42);
    disc.setStops({{0.0, QColor(70, 130, 220)}, {1.0, QColor(14, 36, 100)}});
    p.setPen(QPen(QColor(236, 190, 60), size < 32 ? 5.0 : 3.5));
    p.setBrush(disc);
    p.drawEllipse(c, 29, 29);
    p.translate(c);
    p.rotate(45);
    p.scale(1.45, 1.45);
    fill(p, aircraftFromAbove(), Qt::white);
    p.end();
    return image;
}

constexpr std::array kIconSizes{16, 24, 32, 48, 64, 128, 192, 256, 512};
constexpr std::array kIcoSizes{16, 24, 32, 48, 256};  // what Windows asks of an .ico

// The icon's sizes as PNG files named by their size, the maskable one for a phone, and the
// Windows ones in one .ico, each entry a PNG as Windows Vista and later read them.
bool writeIcons(const QString& folder) {
    QByteArray entries;
    QByteArray images;
    QDataStream directory(&entries, QIODevice::WriteOnly);
    directory.setByteOrder(QDataStream::LittleEndian);
    constexpr auto kIcoEntries = static_cast<int>(kIcoSizes.size());
    const int dataStart = 6 + 16 * kIcoEntries;
    for (const int size : kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !paintIcon(size).save(&buffer, "PNG")) {
            return false;
        }
        QFile file(QDir(folder).filePath(QStringLiteral("%1.png").arg(size)));
        if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
            return false;
        }
        if (std::ranges::find(kIcoSizes, size) == kIcoSizes.end()) {
            continue;
        }
        // Width and height, 0 meaning 256; no palette; one plane of 32 bits; size and offset.
        const auto side = static_cast<quint8>(size == 256 ? 0 : size);
        directory << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
                  << static_cast<quint32>(png.size())
                  << static_cast<quint32>(dataStart + images.size());
        images += png;
    }
    QByteArray header;
    QDataStream head(&header, QIODevice::WriteOnly);
    head.setByteOrder(QDataStream::LittleEndian);
    head << quint16(0) << quint16(1) << quint16(kIcoEntries);
    if (!paintIcon(512, true).save(QDir(folder).filePath(QStringLiteral("maskable-512.png")))) {
        return false;
    }
    QFile ico(QDir(folder).filePath(QStringLiteral("flightcalc.ico")));
    const QByteArray whole = header + entries + images;
    return ico.open(QIODevice::WriteOnly) && ico.write(whole) == whole.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5) {
        std::fputs("usage: make_background OUT.jpg OUT@2x.jpg OUT.rgb32 ICON-FOLDER\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    for (const int scale : {1, 2}) {
        const char* path = argv[scale];
        if (!paint(scale).save(QString::fromLocal8Bit(path), "JPG", 88)) {
            std::fprintf(stderr, "make_background: cannot write %s\n", path);
            return 1;
        }
    }
    // The 1x picture also as the pixels its JPEG decodes to: the same picture, no decoder at
    // start-up.
    const QImage decoded =
        QImage(QString::fromLocal8Bit(argv[1]), "JPG").convertToFormat(QImage::Format_RGB32);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): Qt's bytes are char or uchar
    const auto* bytes = reinterpret_cast<const char*>(decoded.constBits());
    QFile raw(QString::fromLocal8Bit(argv[3]));
    if (decoded.isNull() || !raw.open(QIODevice::WriteOnly) ||
        raw.write(bytes, decoded.sizeInBytes()) != decoded.sizeInBytes()) {
        std::fprintf(stderr, "make_background: cannot write %s\n", argv[3]);
        return 1;
    }
    if (!QDir().mkpath(QString::fromLocal8Bit(argv[4])) ||
        !writeIcons(QString::fromLocal8Bit(argv[4]))) {
        std::fprintf(stderr, "make_background: cannot write the icons into %s\n", argv[4]);
        return 1;
    }
    return 0;
}
