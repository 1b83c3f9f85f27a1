// The reference for start-up time: a Qt Widgets program that shows one empty
// window. With --text it shows a line of text in it instead, which adds what
// any window with text pays before it appears (the font system's start).
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool withText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QWidget window;
    window.resize(1020, 630);
    if (withText)
        new QLabel(QStringLiteral("Base UPS selector"), &window);
    window.show();
    return QApplication::exec();
}
