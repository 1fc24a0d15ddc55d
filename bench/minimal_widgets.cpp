// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a maximised
// window with a focused button and, when Enter presses it, a second maximised window in its place.
#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow first;
    first.setWindowTitle(QStringLiteral("minimal first"));
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setAutoDefault(true);  // Enter presses the focused button, as on the title window
    first.setCentralWidget(ok);
    QMainWindow second;
    second.setWindowTitle(QStringLiteral("minimal second"));
    QObject::connect(ok, &QPushButton::clicked, [&] {
        first.hide();
        second.showMaximized();
    });
    first.showMaximized();
    ok->setFocus();
    return app.exec();
}
