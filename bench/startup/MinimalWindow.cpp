// The reference for start-up time: a Qt Widgets program that shows one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1020, 630);
    window.show();
    return QApplication::exec();
}
