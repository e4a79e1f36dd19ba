// The Top Scores dialog: game type and picture choices on the left, the chosen list on the right.
#include "ui/top_scores_dialog.h"

#include "core/board/game_setup.h"
#include "core/scores/score_rules.h"
#include "ui/window_placement.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFont sansFont(qreal points, bool bold)
{
    // "MS Sans Serif" is not on Linux: the sans-serif hint brings in the system's stand-in
    // (DejaVu Sans here), so the dialog keeps the family it was laid out for wherever it exists.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

template<typename W>
W *place(W *widget, const char *name, const QRect &rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

// In the order of StockPictures, whose captions they show.
struct PictureOption
{
    const char *name;
    int top;
    int width;
};
const PictureOption PictureOptions[6] = {
    {"Option6", 240, 975},  {"Option7", 480, 1095},   {"Option8", 720, 1095},
    {"Option9", 960, 1215}, {"Option10", 1200, 1215}, {"Option12", 1440, 1215},
};

} // namespace

TopScoresFrm::TopScoresFrm(const ScoreBook &scores, QWidget *parent)
    : QDialog(parent, DialogFlags)
    , m_scores(scores)
{
    centreOnFirstShow(*this);
    setObjectName(QStringLiteral("TopScoresFrm"));
    //: The window with the fewest clicks per board; the dialog has a fixed size
    setWindowTitle(tr("Top Scores"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twipsToPixels(3555), twipsToPixels(3480));

    m_label1 =
        place(new QLabel(scoreCategoryLabel(0), this), "Label1", twipsRect(120, 120, 3735, 255));
    m_label1->setFont(sansFont(8.25, true));
    buildGameTypeFrame();
    buildSkillLevelFrame();
    m_list1 = place(new QListWidget(this), "List1", twipsRect(1680, 480, 1815, 1560));
    // narrower than the usual sans serif, so "7x7..........Empty" fits without a scroll bar
    QFont listFont = sansFont(12, false);
    listFont.setStretch(QFont::Condensed);
    m_list1->setFont(listFont);
    m_list1->setEnabled(
        false); // for reading only: nothing to select, not even by an assistive tool
    m_list1->setSelectionMode(QAbstractItemView::NoSelection);
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    //: Button; a fixed-size dialog
    auto *close =
        place(new QPushButton(tr("Close"), this), "Command2", twipsRect(1800, 2400, 1575, 375));
    connect(close, &QPushButton::clicked, this, &TopScoresFrm::Command2_Click);
    Form_Load();
}

void TopScoresFrm::buildGameTypeFrame()
{
    //: A group of two options, Numbers and Pictures; a fixed-size dialog with little room
    auto *frame1 =
        place(new QGroupBox(tr("Game Type"), this), "Frame1", twipsRect(120, 360, 1455, 1095));
    //: Option: the numbers games' list; little room
    m_optNum =
        place(new QRadioButton(tr("Numbers"), frame1), "OptNum", twipsRect(240, 360, 1095, 255));
    //: Option: the picture games' lists, one per stock picture; little room
    m_optPict =
        place(new QRadioButton(tr("Pictures"), frame1), "OptPict", twipsRect(240, 720, 1095, 255));
    m_optNum->setChecked(true);
    // toggled rather than clicked, so choosing by keyboard rebuilds the list as well
    connect(m_optNum, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptNum_Click();
    });
    connect(m_optPict, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OptPict_Click();
    });
}

void TopScoresFrm::buildSkillLevelFrame()
{
    //: The group of the six stock pictures, each with its own list; little room
    m_frame2 =
        place(new QGroupBox(tr("Skill Level"), this), "Frame2", twipsRect(120, 1560, 1455, 1815));
    for (size_t i = 0; i < m_pictureOptions.size(); ++i) {
        const PictureOption &o = PictureOptions[i];
        auto *option = new QRadioButton(
            shownNameText(QString::fromLatin1(StockPictures[i].caption)), m_frame2);
        m_pictureOptions[i] = place(option, o.name, twipsRect(120, o.top, o.width, 255));
        option->setChecked(i == 0);
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                FillScoreList();
        });
    }
    m_frame2->setEnabled(false);
}

void TopScoresFrm::Form_Load()
{
    FillScoreList();
}

void TopScoresFrm::OptNum_Click()
{
    m_frame2->setEnabled(false);
    FillScoreList();
}

void TopScoresFrm::OptPict_Click()
{
    m_frame2->setEnabled(true);
    FillScoreList();
}

void TopScoresFrm::Command2_Click()
{
    close();
}

void TopScoresFrm::FillScoreList()
{
    m_list1->clear();
    int category = 0;
    if (m_optPict->isChecked()) {
        for (size_t i = 0; i < m_pictureOptions.size(); ++i) {
            if (m_pictureOptions[i]->isChecked()) {
                category = static_cast<int>(i) + 1;
                break;
            }
        }
    }
    m_label1->setText(scoreCategoryLabel(category));
    const ScoreBook::List &list = m_scores.list(category);
    for (int k = 1; k <= ScoreEntries; ++k)
        m_list1->addItem(scoreListLine(k, list[static_cast<size_t>(k - 1)]));
    // A script whose font has taller lines (Japanese, Chinese) would push the last board out of
    // the list, which cannot scroll: its lines then share the height the list has.
    const int height = m_list1->contentsRect().height(); // no scroll bars
    if (m_list1->sizeHintForRow(0) * ScoreEntries > height)
        for (int row = 0; row < m_list1->count(); ++row)
            m_list1->item(row)->setSizeHint(
                QSize(m_list1->sizeHintForColumn(0), height / ScoreEntries));
}

// Centred on the screen, not over the main window.
