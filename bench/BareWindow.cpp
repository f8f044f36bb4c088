// The reference for the start-up and memory measurements: a bare Qt window of the
// setup window's size and place, filled with the same pale green, nothing in it.
// Given "text" it also shows one line of text in the setup window's face, so that a
// run pays for the font database too, which every window with text needs.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 220, 192));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.resize(1154, 986);
    window.move(168, 12);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        auto* label = new QLabel(QStringLiteral("диаметр шарика индентора"), &window);
        QFont font;
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        font.setPixelSize(19);
        label->setFont(font);
        label->move(554, 8);
    }
    window.show();
    return application.exec();
}
