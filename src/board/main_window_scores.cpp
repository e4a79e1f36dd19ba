// Form1's top scores: the score file at start-up, the check after a win, the Top Scores dialog.
#include "board/main_window.h"

#include "scores/score_book.h"

void Form1::createScoreBook()
{
    m_scores = std::make_unique<ScoreBook>();
}

bool Form1::ScoreFileExists() { return false; }
void Form1::CreateScoreFile() {}
void Form1::LoadScores() {}
void Form1::SaveScores() {}
void Form1::CheckHighScore() {}
void Form1::AnnounceTopScore() {}
void Form1::TopScores_Click() {}
