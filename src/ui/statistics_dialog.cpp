// The Statistics window: a board chosen from those played, its counts, bests and medians, and a
// chart of the last won games.
#include "ui/statistics_dialog.h"

#include "core/board/game_setup.h"
#include "core/platform/message_boxes.h"
#include "core/session/game_session.h"
#include "ui/window_placement.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
struct Row
{
    const char *name;
    const char *caption;
};
// A click slides a whole row or column; "the fewest" is the fewest clicks that solve a scramble.
const Row Rows[] = {
    //: A caption in the Statistics window, followed by a colon and a value
    {"GamesPlayed", QT_TRANSLATE_NOOP("StatisticsFrm", "Games played")},
    {"GamesWon", QT_TRANSLATE_NOOP("StatisticsFrm", "Games won")},
    {"BestClicks", QT_TRANSLATE_NOOP("StatisticsFrm", "Best clicks")},
    {"MedianClicks", QT_TRANSLATE_NOOP("StatisticsFrm", "Median clicks")},
    //: The shortest playing time of a won game
    {"BestTime", QT_TRANSLATE_NOOP("StatisticsFrm", "Best time")},
    {"MedianTime", QT_TRANSLATE_NOOP("StatisticsFrm", "Median time")},
    //: The share of won games solved in the fewest clicks possible, a percentage
    {"FewestShare", QT_TRANSLATE_NOOP("StatisticsFrm", "Solved in the fewest clicks possible")},
    //: The median of (clicks used - fewest clicks possible) over the won games
    {"MedianOverFewest",
     QT_TRANSLATE_NOOP("StatisticsFrm", "Median clicks over the fewest possible")},
};
constexpr int FewestRows = 2; // the last rows: only boards with a known fewest count

const QString None = QStringLiteral("-");

QString number(std::optional<double> value)
{
    return value ? QString::number(*value, 'f', std::fmod(*value, 1.0) == 0.0 ? 0 : 1) : None;
}

// "1:05" or "1:02:03"; under a minute, "0:42".
QString duration(std::optional<double> seconds)
{
    if (!seconds)
        return None;
    const qint64 whole = std::llround(*seconds);
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2").arg(whole / 60 % 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
    if (whole < 3600)
        return minutesAndSeconds;
    return QStringLiteral("%1:%2").arg(whole / 3600).arg(minutesAndSeconds.rightJustified(5, '0'));
}

QString share(std::optional<double> value)
{
    //: A share in percent, "50%"; the language's own spacing
    return value ? StatisticsFrm::tr("%1%").arg(std::lround(*value * 100.0)) : None;
}

// board: as the statistics name it, "3x3 Leaf".
bool knowsFewest(const QString &board)
{
    return board.startsWith(QLatin1String("3x3")) || board.startsWith(QLatin1String("4x4"));
}

QString boardInPlay(const GameSession &session)
{
    const GameSetup &setup = session.setup();
    return QStringLiteral("%1x%1 %2")
        .arg(setup.size)
        .arg(setup.picturesGame() ? setup.shownName : QStringLiteral("Numbers"));
}
} // namespace

TrendChart::TrendChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TrendChart"));
    setMinimumSize(sizeHint());
    //: What a screen reader calls the chart of the Statistics window
    setAccessibleName(tr("Last won games"));
}

void TrendChart::setTrend(const BoardSummary &summary)
{
    m_values = summary.trend;
    m_overFewest = summary.overFewest;
    QStringList spoken;
    for (qsizetype i = 0; i < m_values.size(); ++i)
        //: Read out by a screen reader, one bar of the chart: clicks beyond the fewest possible
        spoken << (m_overFewest[i] ? tr("%n over the fewest", nullptr, m_values[i])
                                   //: Read out by a screen reader, one bar of the chart
                                   : tr("%n clicks", nullptr, m_values[i]));
    //: Read out by a screen reader: the chart is empty
    setAccessibleDescription(
        m_values.isEmpty() ? tr("No game won yet")
                           //: Read out by a screen reader: %n the number of
                           //: bars, %1 their values separated by commas
                           : tr("%n won games, oldest first: %1", nullptr, int(m_values.size()))
                                 .arg(spoken.join(", ")));
    update();
}

void TrendChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF area = QRectF(rect()).adjusted(4.5, 4.5, -4.5, -4.5);
    p.fillRect(rect(), palette().base());
    p.setPen(QPen(palette().mid().color(), 1));
    p.drawRect(area);
    if (m_values.isEmpty())
        return;
    const int top = std::max(1, *std::max_element(m_values.begin(), m_values.end()));
    const qreal step = area.width() / TrendGames;
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        const qreal height = std::max(1.0, area.height() * m_values[i] / top);
        const QRectF bar(area.left() + step * qreal(i) + 1, area.bottom() - height,
                         std::max(1.0, step - 2), height);
        // Clicks where the fewest is not known are drawn paler: another measure.
        p.fillRect(bar, m_overFewest[i] ? palette().highlight() : palette().mid());
    }
}

StatisticsFrm::StatisticsFrm(GameSession &session, QWidget *parent)
    : QDialog(parent, DialogFlags)
    , m_session(session)
{
    centreOnFirstShow(*this);
    setObjectName(QStringLiteral("StatisticsFrm"));
    setWindowTitle(tr("Statistics"));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    // A list rather than a drop-down: a screen reader chooses an entry of it as a click does.
    m_boards = new QListWidget(this);
    m_boards->setObjectName(QStringLiteral("BoardList"));
    //: What a screen reader calls the list of boards played (3x3 Numbers, 4x4 Leaf...)
    m_boards->setAccessibleName(tr("Board"));
    m_boards->setSelectionMode(QAbstractItemView::SingleSelection);
    int widest = 0;
    for (const StockPicture &picture : StockPictures)
        widest = std::max(widest, m_boards->fontMetrics().horizontalAdvance(boardLabel(
                                      QStringLiteral("7x7 ") + QLatin1String(picture.caption))));
    m_boards->setFixedWidth(widest + 4 * m_boards->frameWidth() + 24);
    top->addWidget(m_boards);
    auto *form = new QFormLayout;
    for (const Row &row : Rows) {
        auto *value = new QLabel(this);
        value->setObjectName(QLatin1String(row.name));
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        //: A caption before its value, "Games played:"; the language's own colon and spacing
        auto *caption = new QLabel(tr("%1:").arg(tr(row.caption)), this);
        form->addRow(caption, value);
        m_captions << caption;
        m_values << value;
    }
    top->addLayout(form);
    layout->addLayout(top);
    m_chartCaption = new QLabel(this);
    m_chartCaption->setObjectName(QStringLiteral("TrendCaption"));
    m_chartCaption->setWordWrap(true);
    layout->addWidget(m_chartCaption);
    m_chart = new TrendChart(this);
    layout->addWidget(m_chart, 1);
    auto *buttons = new QDialogButtonBox(this);
    //: Button: forgets the games of the board chosen, after a question
    m_reset = buttons->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
    m_reset->setObjectName(QStringLiteral("ResetButton"));
    QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    layout->addWidget(buttons);
    connect(m_reset, &QPushButton::clicked, this, &StatisticsFrm::Reset_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_boards, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_boards->selectedItems().isEmpty())
            showBoard();
    });
    fillBoards(boardInPlay(session));
}

QString StatisticsFrm::board() const
{
    const QList<QListWidgetItem *> chosen = m_boards->selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->data(Qt::UserRole).toString();
}

// "4x4 Numbers" as the player reads it; the statistics keep the English name.
QString StatisticsFrm::boardLabel(const QString &board)
{
    const QString size = board.section(QLatin1Char(' '), 0, 0);
    const QString picture = board.section(QLatin1Char(' '), 1);
    //: A board in the list of the Statistics window, as in "4x4 Numbers", "5x5 Leaf"
    return tr("%1x%1 %2")
        .arg(size.section(QLatin1Char('x'), 0, 0),
             //: A numbers game in the list of boards, as in "4x4 Numbers"
             picture == QLatin1String("Numbers") ? tr("Numbers") : shownNameText(picture));
}

void StatisticsFrm::fillBoards(const QString &chosen)
{
    QStringList boards = boardsPlayed(m_session.statistics());
    if (!boards.contains(chosen))
        boards.prepend(chosen);
    const QSignalBlocker quiet(m_boards);
    m_boards->clear();
    for (const QString &key : std::as_const(boards))
        (new QListWidgetItem(boardLabel(key), m_boards))->setData(Qt::UserRole, key);
    m_boards->setCurrentRow(int(boards.indexOf(chosen)));
    showBoard();
}

void StatisticsFrm::showBoard()
{
    const BoardSummary s = summarize(m_session.statistics(), board());
    const QString values[] = {
        QString::number(s.played), QString::number(s.won),     number(s.bestClicks),
        number(s.medianClicks),    duration(s.bestSeconds),    duration(s.medianSeconds),
        share(s.fewestShare),      number(s.medianOverFewest),
    };
    const bool fewest = knowsFewest(board());
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        const bool shown = fewest || i < m_values.size() - FewestRows;
        m_values[i]->setText(values[i]);
        m_values[i]->setAccessibleName(m_captions[i]->text().chopped(1) + QStringLiteral(": ")
                                       + values[i]);
        m_values[i]->setVisible(shown);
        m_captions[i]->setVisible(shown);
    }
    const bool anyOver = s.overFewest.contains(true);
    const bool anyPlain = s.overFewest.contains(false);
    // Whole sentences, so that each language can order its own.
    QString caption;
    if (anyOver && anyPlain)
        //: Above the chart of the Statistics window: %n is 50; "the fewest possible" is the
        //: fewest clicks that solve the scramble
        caption = tr("The last %n won games, oldest on the left: clicks over the fewest possible; "
                     "pale bars, clicks where that is not known.",
                     nullptr, TrendGames);
    else if (anyOver)
        caption = tr("The last %n won games, oldest on the left: clicks over the fewest possible.",
                     nullptr, TrendGames);
    else
        caption = tr("The last %n won games, oldest on the left: clicks.", nullptr, TrendGames);
    m_chartCaption->setText(caption);
    m_chart->setTrend(s);
    m_reset->setEnabled(s.played > 0);
}

void StatisticsFrm::Reset_Click()
{
    const QString chosen = board();
    if (!m_session.platform().messages.ask(
            //: A question before Reset; %1 the board, as in "4x4 Numbers"
            tr("Forget every game played on the %1 board?").arg(boardLabel(chosen))))
        return;
    m_session.resetStatistics(chosen);
    fillBoards(chosen);
}
