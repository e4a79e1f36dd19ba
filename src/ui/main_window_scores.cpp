// Form1's Top Scores and Statistics windows.
#include "ui/main_window.h"

#include "ui/statistics_dialog.h"
#include "ui/top_scores_dialog.h"

// Modal, yet it returns at once: the dialog deletes itself when closed, so each opening is fresh.
// It shows the file as it is now, records of other copies of the game included.
void Form1::TopScores_Click()
{
    m_session.refreshScores();
    auto *dialog = new TopScoresFrm(m_session.scores(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// As Top Scores: fresh at each opening, with the games of other copies saved since.
void Form1::Statistics_Click()
{
    m_session.refreshStatistics();
    auto *dialog = new StatisticsFrm(m_session, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
