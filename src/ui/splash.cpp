// The splash window.
#include "ui/splash.h"

#include "core/imagery/logo.h"
#include "ui/window_placement.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

QLabel *namedLabel(QWidget *parent, const char *name, const QString &text, qreal scale, bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

QString versionText()
{
    //: Under the program's name in the splash window and About Tessary; %1 is like 1.3.0
    return QCoreApplication::translate("frmSplash", "Version %1")
        .arg(QStringLiteral(TESSARY_VERSION));
}

frmSplash::frmSplash(std::function<void()> startProgram, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_startProgram(std::move(startProgram))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(5100), twipsToPixels(2535));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Raised);
    frame->setLineWidth(2);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->addWidget(frame);

    auto *logo = namedLabel(frame, "imgLogo");
    logo->setPixmap(QPixmap::fromImage(drawLogo(96, devicePixelRatioF())));
    m_lblProductName = namedLabel(frame, "lblProductName", {}, 2.2, true);
    m_lblVersion = namedLabel(frame, "lblVersion");
    auto *grid = new QGridLayout(frame);
    grid->addWidget(logo, 0, 0, 3, 1, Qt::AlignCenter);
    grid->addWidget(m_lblProductName, 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(m_lblVersion, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(namedLabel(frame, "lblCompany", QStringLiteral("Orvane.Works")), 2, 1,
                    Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(namedLabel(frame, "lblCopyright",
                               tr("Copyright \u00a9 2026 Orvane.Works. All rights reserved."),
                               0.85),
                    3, 0, 1, 2, Qt::AlignCenter);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Form_Load();
    // A copyright line longer in translation than the window was drawn for widens it, for that
    // language only.
    if (const int needed = sizeHint().width(); needed > width())
        setFixedWidth(needed);
    centreOnScreen(*this);
}

void frmSplash::Form_Load()
{
    m_lblVersion->setText(versionText());
    m_lblProductName->setText(ProgramTitle);
    m_timer1->start();
}

void frmSplash::Timer1_Timer()
{
    m_timer1->stop(); // once only
    if (m_startProgram)
        m_startProgram();
    close();
}
