// The yardstick for start-up: a bare Qt Widgets window with ten buttons.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(747, 320);
    for (int i = 0; i < 10; ++i)
        (new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window))
            ->setGeometry(i % 7 * 106, 256 + i / 7 * 25, 105, 25);
    window.show();
    return app.exec();
}
