// The floor of the speed measurements: the smallest Qt Widgets program, one
// window with one label, reporting its first frame like the game does.
#include <QApplication>
#include <QLabel>

#include <chrono>
#include <cstdio>

namespace {

class Label final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QLabel::paintEvent(e);
        static bool reported = false;
        if (reported)
            return;
        reported = true;
        const qint64 launch = qEnvironmentVariable("TAROVIN_LAUNCH_NS").toLongLong();
        const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
        std::fprintf(stderr, "first-frame-ms %.1f\n", launch > 0 ? (now - launch) / 1e6 : -1.0);
        std::fflush(stderr);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Label label(QStringLiteral("咕嚕果"));
    label.setWindowTitle(QStringLiteral("floor"));
    label.resize(958, 576);
    label.show();
    return app.exec();
}
