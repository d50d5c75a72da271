#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Flintora"));
    window.resize(975, 600);
    window.show();
    return app.exec();
}
