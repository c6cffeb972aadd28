// Renders SVG pictures the way the game does (Qt Svg) into PNG files, so an
// artist can look at exactly what players will see.
// Usage: svgshot OUT.png WIDTH HEIGHT in1.svg [in2.svg ...]
// Several inputs are laid side by side on a checkerboard, each WIDTH x HEIGHT.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: svgshot OUT.png WIDTH HEIGHT in.svg...\n");
        return 2;
    }
    const int w = QString(argv[2]).toInt();
    const int h = QString(argv[3]).toInt();
    const int n = argc - 4;
    QImage image(w * n + 8 * (n + 1), h + 16, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < image.height(); y += 8)
        for (int x = 0; x < image.width(); x += 8)
            if (((x + y) / 8) % 2)
                painter.fillRect(x, y, 8, 8, QColor(220, 220, 220));
    int failures = 0;
    for (int i = 0; i < n; ++i) {
        QSvgRenderer renderer{QString::fromLocal8Bit(argv[4 + i])};
        if (!renderer.isValid()) {
            std::fprintf(stderr, "not a valid SVG for Qt: %s\n", argv[4 + i]);
            ++failures;
            continue;
        }
        renderer.render(&painter, QRectF(8 + i * (w + 8), 8, w, h));
    }
    painter.end();
    image.save(QString::fromLocal8Bit(argv[1]));
    return failures ? 1 : 0;
}
