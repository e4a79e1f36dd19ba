// The About window.
#include "ui/about.h"

#include "core/imagery/logo.h"
#include "ui/splash.h"
#include "ui/window_placement.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
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

    auto *image = namedLabel(this, "Image1");
    image->setPixmap(QPixmap::fromImage(drawLogo(72, devicePixelRatioF())));
    image->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblTitle = namedLabel(this, "lblTitle", {}, 1.9, true);
    m_lblVersion = namedLabel(this, "lblVersion");
    auto *credit = namedLabel(
        this, "Label1",
        //: "Fall Morning" is the tune's title: translate it as a title, with the language's quotes
        tr("Music: \u201c" // lupdate reads on past four hex digits: "Fa" would join the escape
           "Fall Morning\u201d, composed for Tessary by Orvane.Works"));
    credit->setWordWrap(true);
    auto *notices = namedLabel(this, "Label3",
                               tr("Copyright \u00a9 2026 Orvane.Works. All rights reserved.\n\n"
                                  "Warning: this program is protected by copyright law. Copying or "
                                  "passing it on, in whole or in part, without the permission of "
                                  "Orvane.Works is not allowed."));
    notices->setWordWrap(true);
    //: Button
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    layOut(image, credit, notices, ok);
    Form_Load();
    fitAndCentre(*this);
}

// The logo beside the title, the version and the credit; the notices across; OK at the foot.
void frmAbout::layOut(QWidget *image, QWidget *credit, QWidget *notices, QWidget *ok)
{
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
}

void frmAbout::Form_Load()
{
    //: The title of Help > About Tessary; %1 is the program's name
    setWindowTitle(tr("About %1").arg(ProgramTitle));
    m_lblVersion->setText(versionText());
    m_lblTitle->setText(ProgramTitle);
}

void frmAbout::cmdOK_Click()
{
    accept();
}
