// The yardstick for memory: a bare QWebEngineView of the banner's size
// showing the page given on the command line.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    view.setWindowTitle(QStringLiteral("Bare banner"));
    view.resize(521, 73);
    view.setUrl(QUrl(QString::fromLocal8Bit(argv[argc - 1])));
    view.show();
    return app.exec();
}
