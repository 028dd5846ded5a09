#include <QApplication>
#include <QLabel>

// The smallest Qt Widgets program: one window with one line of text.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Ulvane"));
    window.resize(400, 300);
    window.show();
    return application.exec();
}
