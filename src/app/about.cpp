// The About window.
#include "app/about.h"

#include "app/splash.h"
#include "imagery/logo.h"
#include "platform/window_placement.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel *label(const char *name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QFrame *line(const char *name, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::HLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}
} // namespace

void fitAndCentre(QWidget &window)
{
    if (window.layout())
        window.layout()->activate();
    window.adjustSize();
    centreOnScreen(window);
}

frmAbout::frmAbout(QWidget *parent) : QDialog(parent, DialogFlags)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowModality(Qt::ApplicationModal);

    auto *image = label("Image1", QString(), this);
    image->setPixmap(QPixmap::fromImage(drawLogo(72, devicePixelRatioF())));
    image->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblTitle = label("lblTitle", QString(), this);
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.9);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);
    m_lblVersion = label("lblVersion", QString(), this);
    auto *credit = label("Label1", QStringLiteral("Music: \u201cFall Morning\u201d, composed for Tessary by Orvane.Works"), this);
    credit->setWordWrap(true);
    auto *notices = label("Label3",
                          QStringLiteral("Copyright \u00a9 2026 Orvane.Works. All rights reserved.\n\n"
                                         "Warning: this program is protected by copyright law. Copying or "
                                         "passing it on, in whole or in part, without the permission of "
                                         "Orvane.Works is not allowed."),
                          this);
    notices->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(14, 14, 14, 12);
    grid->setHorizontalSpacing(16);
    grid->setColumnMinimumWidth(1, 320);
    grid->setColumnStretch(1, 1);
    grid->addWidget(image, 0, 0, 4, 1);
    grid->addWidget(m_lblTitle, 0, 1);
    grid->addWidget(m_lblVersion, 1, 1);
    grid->addWidget(line("Line1", this), 2, 1);
    grid->addWidget(credit, 3, 1, Qt::AlignTop);
    grid->addWidget(line("Line2", this), 4, 0, 1, 2);
    grid->addWidget(notices, 5, 0, 1, 2);
    grid->addWidget(ok, 6, 1, Qt::AlignRight);

    Form_Load();
    fitAndCentre(*this);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("About ") + ProgramTitle);
    m_lblVersion->setText(VersionText);
    m_lblTitle->setText(ProgramTitle);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
