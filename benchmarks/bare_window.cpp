// The yardstick for start-up: the least a Qt 6 program does to show a window with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Загрузка"));
    label.resize(817, 578);
    label.show();
    return app.exec();
}
