// StatisticsFrm: how the player plays one board, and the trend of the last won games.
#pragma once

#include "core/stats/stats_summary.h"

#include <QDialog>
#include <QWidget>

class GameSession;
class QListWidget;
class QLabel;
class QPushButton;

// Bars of the last won games, oldest on the left; read out as text by screen readers.
class TrendChart : public QWidget
{
    Q_OBJECT
public:
    explicit TrendChart(QWidget *parent = nullptr);
    void setTrend(const BoardSummary &summary);
    QSize sizeHint() const override { return {360, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> m_values;
    QList<bool> m_overFewest;
};

class StatisticsFrm : public QDialog
{
    Q_OBJECT
public:
    // Opens on the board in play, or the first board played.
    explicit StatisticsFrm(GameSession &session, QWidget *parent = nullptr);
    // The board chosen as the statistics name it: "4x4 Numbers", "5x5 Leaf".
    QString board() const;

private:
    static QString boardLabel(const QString &board);
    void fillBoards(const QString &chosen);
    void showBoard();
    void Reset_Click();

    GameSession &m_session;
    QListWidget *m_boards = nullptr;
    QList<QLabel *> m_captions;
    QList<QLabel *> m_values;
    QLabel *m_chartCaption = nullptr;
    TrendChart *m_chart = nullptr;
    QPushButton *m_reset = nullptr;
};
