// The yardstick of the start-up and memory benchmarks: a bare Qt Widgets program with the game's two
// steps. Its first window is maximised with a focused OK button that Enter presses; the click hides
// it and shows the bare counterpart of the game window, maximised: a menu bar, the sea scene in a
// label, a line edit and four buttons, and nothing the game adds (canvas, sound, fonts, roster).
// With --bare-window it shows that second window alone, as the yardstick for memory: a bare program
// has no hidden first window holding a backing store.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr QSize sceneSize(735, 456);

struct Place {
    const char *caption;
    QRect rect;
};

// The game window's play controls, at their places in pixels.
constexpr Place buttons[] = {
    {"Clear", {224, 360, 81, 41}},
    {"Quit", {8, 408, 49, 41}},
    {"NEW WORD", {64, 408, 153, 41}},
    {"AM I RIGHT?", {224, 408, 81, 41}},
};
constexpr QRect lineEditPlace(8, 360, 209, 41);
constexpr QRect okPlace(16, 88, 89, 89);  // where the title window has its OK button

QPixmap scene()
{
    QImage picture(QStringLiteral(SCALLYWISE_SEA_SCENE));
    if (picture.isNull()) {  // the artwork is not built: the same size in one colour costs the same
        picture = QImage(sceneSize, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
    }
    return QPixmap::fromImage(picture);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow first;
    first.setWindowTitle(QStringLiteral("minimal first"));
    auto *titleClient = new QWidget;
    auto *ok = new QPushButton(QStringLiteral("OK"), titleClient);
    ok->setGeometry(okPlace);
    ok->setAutoDefault(true);  // Enter presses the focused button, as on the title window
    first.setCentralWidget(titleClient);

    QMainWindow second;
    second.setWindowTitle(QStringLiteral("minimal second"));
    QMenu *level = second.menuBar()->addMenu(QStringLiteral("LEVEL"));
    for (const char *item : {"easy", "medium", "harder", "difficult"})
        level->addAction(QString::fromLatin1(item))->setCheckable(true);
    second.menuBar()->addAction(QStringLiteral("ABOUT"));
    auto *client = new QWidget;
    auto *picture = new QLabel(client);
    picture->setPixmap(scene());
    picture->setGeometry(QRect(QPoint(0, 0), sceneSize));
    (new QLineEdit(client))->setGeometry(lineEditPlace);
    for (const Place &b : buttons)
        (new QPushButton(QString::fromLatin1(b.caption), client))->setGeometry(b.rect);
    second.setCentralWidget(client);

    if (QCoreApplication::arguments().contains(QStringLiteral("--bare-window"))) {
        second.showMaximized();
        return app.exec();
    }
    QObject::connect(ok, &QPushButton::clicked, [&] {
        first.hide();
        second.showMaximized();
    });
    first.showMaximized();
    ok->setFocus();
    return app.exec();
}
