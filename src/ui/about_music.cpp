// "The Music" window and its picture.
#include "ui/about_music.h"

#include "core/imagery/logo.h"
#include "ui/about.h"
#include "ui/splash.h"
#include "ui/window_placement.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

AboutMusicFrm::AboutMusicFrm(QWidget *parent) : QDialog(parent, DialogFlags)
{
    setObjectName(QStringLiteral("AboutMusicFrm"));
    //: The window of Help > About The Music
    setWindowTitle(tr("The Music"));
    setWindowModality(Qt::ApplicationModal);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *image = namedLabel(frame, "Image1");
    image->setPixmap(QPixmap::fromImage(drawMusicPicture(72, devicePixelRatioF())));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto *credit = namedLabel(
        frame, "label1",
        //: "Fall Morning" is the tune's title: translate it as a title, with the language's quotes
        tr("The tune is \u201c" // apart, as in About: lupdate reads "Fa" into the escape
           "Fall Morning\u201d, a waltz in G major for flute, "
           "nylon-string guitar, strings and bass, composed for Tessary by Orvane.Works."));
    credit->setWordWrap(true);
    auto *invitation =
        namedLabel(frame, "Label2", tr("To hear more of Orvane.Works' music, visit its web page:"));
    invitation->setWordWrap(true);
    auto *address = new QLineEdit(MusicPageAddress, frame);
    address->setObjectName(QStringLiteral("Text1"));
    address->setReadOnly(true); // there to be copied, not changed

    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(14);
    grid->setColumnMinimumWidth(1, 280);
    grid->addWidget(image, 0, 0, 3, 1);
    grid->addWidget(credit, 0, 1);
    grid->addWidget(invitation, 1, 1);
    grid->addWidget(address, 2, 1);

    //: Button; & marks the mnemonic letter
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &AboutMusicFrm::Command1_Click);

    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addWidget(close, 0, Qt::AlignRight);
    fitAndCentre(*this);
}

void AboutMusicFrm::Command1_Click()
{
    accept();
}

namespace {
void drawLeaf(QPainter &p, qreal s)
{
    p.save();
    p.translate(s * 0.42, s * 0.6);
    p.rotate(-35);
    QPainterPath blade;
    blade.moveTo(0, s * 0.3);
    blade.cubicTo(s * 0.34, s * 0.12, s * 0.3, -s * 0.22, 0, -s * 0.38);
    blade.cubicTo(-s * 0.3, -s * 0.22, -s * 0.34, s * 0.12, 0, s * 0.3);
    QLinearGradient autumn(0, -s * 0.38, 0, s * 0.3);
    autumn.setColorAt(0, QColor(236, 150, 48));
    autumn.setColorAt(1, QColor(170, 52, 28));
    p.fillPath(blade, autumn);
    p.setPen(QPen(QColor(110, 40, 20), s * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, s * 0.42), QPointF(0, -s * 0.3)); // stem and midrib
    p.setPen(QPen(QColor(120, 46, 22, 190), s * 0.015, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = s * (0.12 - i * 0.13), reach = s * (0.17 - i * 0.03);
        p.drawLine(QPointF(0, y), QPointF(reach, y - s * 0.09));
        p.drawLine(QPointF(0, y), QPointF(-reach, y - s * 0.09));
    }
    p.restore();
}

void drawNotes(QPainter &p, qreal s)
{
    const QColor ink(52, 32, 20);
    const QPointF heads[2] = {QPointF(s * 0.55, s * 0.72), QPointF(s * 0.8, s * 0.64)};
    const qreal stemTop[2] = {s * 0.22, s * 0.14};
    p.setPen(QPen(ink, s * 0.035, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 2; ++i) {
        const qreal x = heads[i].x() + s * 0.075;
        p.drawLine(QPointF(x, heads[i].y() - s * 0.01), QPointF(x, stemTop[i]));
    }
    QPainterPath beam;
    const qreal x0 = heads[0].x() + s * 0.075 - s * 0.017,
                x1 = heads[1].x() + s * 0.075 + s * 0.017;
    beam.moveTo(x0, stemTop[0]);
    beam.lineTo(x1, stemTop[1]);
    beam.lineTo(x1, stemTop[1] + s * 0.08);
    beam.lineTo(x0, stemTop[0] + s * 0.08);
    beam.closeSubpath();
    p.fillPath(beam, ink);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const QPointF &head : heads) {
        p.save();
        p.translate(head);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), s * 0.09, s * 0.062);
        p.restore();
    }
}
} // namespace

QImage drawMusicPicture(int side, qreal devicePixelRatio)
{
    QImage image = clearSquare(side, devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QPainterPath card;
    card.addRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.12, s * 0.12);
    p.fillPath(card, QColor(248, 238, 214));
    p.setPen(QPen(QColor(176, 130, 80), s * 0.02));
    p.drawPath(card);
    drawLeaf(p, s);
    drawNotes(p, s);
    return image;
}
