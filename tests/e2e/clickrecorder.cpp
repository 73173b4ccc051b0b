// A window that stands for the slides under the board: it prints
// "click X Y" on its standard output for every press it receives.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRasterWindow>

#include <cstdio>

class ClickRecorder : public QRasterWindow
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(QRect(QPoint(), size()), QColor(40, 90, 60));
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint at = event->globalPosition().toPoint();
        std::printf("click %d %d\n", at.x(), at.y());
        std::fflush(stdout);
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setDesktopFileName("tavelo-clicks");
    ClickRecorder window;
    window.showMaximized(); // the board, started later, stands above it
    return app.exec();
}
