// Renders the application icon from its SVG into the PNG sizes that desktops
// look for. Usage: iconpng ICON.svg OUTDIR SIZE...  (writes OUTDIR/SIZE.png)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconpng ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
    if (!svg.isValid()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(out.path());
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, size, size));
        p.end();
        if (!image.save(out.filePath(QStringLiteral("%1.png").arg(size)))) {
            std::fprintf(stderr, "iconpng: cannot write size %d\n", size);
            return 1;
        }
    }
    return 0;
}
