// Form1's top scores: the score file at start-up, the check after a win, the Top Scores dialog.
#include "board/main_window.h"

#include "platform/message_boxes.h"
#include "scores/score_book.h"
#include "scores/score_file.h"
#include "scores/score_rules.h"
#include "scores/top_scores_dialog.h"

namespace {
ScoreFile scoreFile(const Platform &platform, const QString &userFolder)
{
    return ScoreFile(platform.programFolder, userFolder);
}
} // namespace

bool Form1::ScoreFileExists()
{
    return scoreFile(m_platform, m_userScoreFolder).exists();
}

void Form1::CreateScoreFile()
{
    *m_scores = ScoreBook::empty();
    SaveScores();
}

void Form1::LoadScores()
{
    *m_scores = scoreFile(m_platform, m_userScoreFolder).load();
}

void Form1::SaveScores()
{
    const ScoreFile::SaveResult result = scoreFile(m_platform, m_userScoreFolder).save(*m_scores);
    // The records stay in memory for this run either way; the player hears about it once.
    if (result.ok() || m_scoreSaveWarned)
        return;
    m_scoreSaveWarned = true;
    m_platform.messages.show(QStringLiteral("The top scores cannot be saved, so new records last only until Tessary "
                                            "closes. Tessary tried to write them to:\n")
                             + result.tried.join(QLatin1Char('\n')));
}

void Form1::CheckHighScore()
{
    // A game won with a hint is not ranked, as a game on a picture of one's own is not.
    if (m_hintUsed)
        return;
    const ScoreFile file = scoreFile(m_platform, m_userScoreFolder);
    if (!recordTopScore(*m_scores, file, m_game.Setup.SkillLevel, m_game.LastCol + 1, m_game.ClickCount))
        return;
    // Closed during the win sound: the program is ending, so the record is kept without a word.
    if (m_closing)
        SaveScores();
    else
        AnnounceTopScore();
}

void Form1::AnnounceTopScore()
{
    m_platform.messages.show(QStringLiteral("You got a new top score for this board!"));
    SaveScores();
}

// Modal, yet it returns at once: the dialog deletes itself when closed, so each opening is fresh.
// It shows the file as it is now, records of other copies of the game included.
void Form1::TopScores_Click()
{
    scoreFile(m_platform, m_userScoreFolder).refresh(*m_scores);
    auto *dialog = new TopScoresFrm(*m_scores, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
