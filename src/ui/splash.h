// frmSplash: the window the program opens with; after a second it starts the program and goes.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

inline const QString ProgramTitle = QStringLiteral("Tessary");
// "Version 1.3.0": the version comes from the build, which takes it from the project's one
// declaration.
QString versionText();

// A label named for the tests and tools that find it; `scale` sizes its font from the default.
QLabel *namedLabel(QWidget *parent, const char *name, const QString &text = {}, qreal scale = 1.0,
                   bool bold = false);

class frmSplash : public QWidget
{
    Q_OBJECT
public:
    // startProgram runs once, when Timer1 fires.
    explicit frmSplash(std::function<void()> startProgram, QWidget *parent = nullptr);

    QTimer *Timer1() const { return m_timer1; }

private:
    void Form_Load();
    void Timer1_Timer();

    std::function<void()> m_startProgram;
    QTimer *m_timer1 = nullptr;
    QLabel *m_lblProductName = nullptr;
    QLabel *m_lblVersion = nullptr;
};
