// The floor of the speed measurements: the smallest Qt Widgets program, one
// window with one label, reporting its first frame like the game does.
#include "frontend/FirstFrame.h"

#include <QApplication>
#include <QLabel>

namespace {

class Label final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QLabel::paintEvent(e);
        tarovin::reportFirstFrame();
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
