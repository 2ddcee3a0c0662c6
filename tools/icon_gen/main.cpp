// qor-icon-gen: draws the program's icon, a round-bottomed flask with a
// violet potion, cork and bubbles, in the sizes of the hicolor icon theme:
//
//   qor-icon-gen OUT_DIR      writes OUT_DIR/<N>x<N>/apps/qor-alchemy.png
//
// The drawing is laid out on a 256-unit square and scaled; the smaller
// sizes leave out the details that would only blur.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cstdio>

namespace {

constexpr std::array kSizes{16, 24, 32, 48, 64, 128, 256};
const QColor kOutline(43, 36, 66);

// The glass: a neck on a round bulb, as one outline.
QPainterPath flaskPath() {
    QPainterPath bulb;
    bulb.addEllipse(QPointF(128, 164), 86, 80);
    QPainterPath neck;
    neck.addRect(QRectF(104, 44, 48, 70));
    return bulb.united(neck).simplified();
}

// Everything below a gently waving surface.
QPainterPath liquidPath(const QPainterPath &flask) {
    QPainterPath below;
    below.moveTo(20, 140);
    below.cubicTo(70, 124, 100, 156, 128, 140);
    below.cubicTo(156, 124, 190, 156, 236, 136);
    below.lineTo(236, 256);
    below.lineTo(20, 256);
    below.closeSubpath();
    return flask.intersected(below);
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / 256.0;
    p.scale(scale, scale);
    const bool detailed = size >= 32;
    // Outlines stay at least about a pixel and a half wide.
    const double outlineWidth = qMax(10.0, 1.6 / scale);

    const QPainterPath flask = flaskPath();
    // Glass.
    QLinearGradient glass(40, 0, 216, 0);
    glass.setColorAt(0, QColor(236, 244, 255, 235));
    glass.setColorAt(1, QColor(196, 214, 238, 235));
    p.fillPath(flask, glass);

    // Potion.
    const QPainterPath liquid = liquidPath(flask);
    QRadialGradient potion(QPointF(108, 176), 110);
    potion.setColorAt(0, QColor(206, 120, 255));
    potion.setColorAt(0.6, QColor(132, 48, 210));
    potion.setColorAt(1, QColor(76, 18, 140));
    p.fillPath(liquid, potion);

    if (detailed) {
        // Bubbles in the potion and one rising out of it.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        for (const auto &[x, y, r] : {std::array{150.0, 196.0, 12.0}, std::array{118.0, 214.0, 8.0},
                                      std::array{170.0, 168.0, 7.0}, std::array{98.0, 170.0, 6.0}})
            p.drawEllipse(QPointF(x, y), r, r);
        p.setBrush(QColor(214, 160, 255, 200));
        p.drawEllipse(QPointF(136, 100), 7, 7);
        p.drawEllipse(QPointF(120, 78), 5, 5);
    }

    // Glint on the left of the bulb.
    QPen glint(QColor(255, 255, 255, 220), detailed ? 12 : 18, Qt::SolidLine, Qt::RoundCap);
    p.setPen(glint);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(64, 106, 120, 116), 130 * 16, 45 * 16);

    p.setPen(QPen(kOutline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flask);

    // Lip of the neck and the cork.
    p.setBrush(QColor(226, 236, 250));
    p.drawRoundedRect(QRectF(94, 40, 68, 16), 6, 6);
    QLinearGradient cork(0, 8, 0, 44);
    cork.setColorAt(0, QColor(214, 160, 98));
    cork.setColorAt(1, QColor(150, 96, 48));
    p.setBrush(cork);
    p.drawRoundedRect(QRectF(106, 8, 44, 36), 8, 8);
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv) {
    // Drawing needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qor-icon-gen OUT_DIR\n");
        return 2;
    }
    for (const int size : kSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        const QString path = dir + QStringLiteral("/qor-alchemy.png");
        if (!QDir().mkpath(dir) || !drawIcon(size).save(path)) {
            std::fprintf(stderr, "qor-icon-gen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
