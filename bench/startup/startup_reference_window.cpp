#include <QApplication>
#include <QLineEdit>
#include <QWidget>

// The yardstick of the start-up benchmark: the least a Qt program with a window of the
// converter's size that draws text does, an empty window holding one line edit.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(610, 450);
    QLineEdit edit(QStringLiteral("1"), &window);
    edit.setGeometry(304, 124, 290, 21);
    window.show();
    return QApplication::exec();
}
