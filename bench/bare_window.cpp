// The floor for the audio benchmark: a Qt Widgets window with a menu, a status bar and a painted
// 4 x 4 board, linked with Qt Widgets alone.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

namespace {
class BareBoard : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int i = 0; i < 16; ++i) {
            const QRect cell(i % 4 * 60, i / 4 * 60, 58, 58);
            painter.fillRect(cell, QColor(170, 200, 230));
            painter.drawText(cell, Qt::AlignCenter, QString::number(i + 1));
        }
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("New Game"));
    file->addAction(QStringLiteral("Exit"), &app, &QCoreApplication::quit);
    window.setCentralWidget(new BareBoard);
    window.statusBar()->showMessage(QStringLiteral("4x4"));
    window.resize(240, 300);
    window.show();
    return QApplication::exec();
}
