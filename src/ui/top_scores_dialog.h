// TopScoresFrm: the modal Top Scores dialog, one category's five entries at a time.
#pragma once

#include "core/scores/score_book.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QRadioButton;

class TopScoresFrm : public QDialog
{
    Q_OBJECT
public:
    // Reads `scores` only; they must outlive the dialog. Opens on Numbers with Leaf chosen.
    explicit TopScoresFrm(const ScoreBook &scores, QWidget *parent = nullptr);

private:
    void buildGameTypeFrame();
    void buildSkillLevelFrame();
    void Form_Load();
    void OptNum_Click();
    void OptPict_Click();
    void Command2_Click();
    void FillScoreList();

    const ScoreBook &m_scores;
    QLabel *m_label1 = nullptr;
    QRadioButton *m_optNum = nullptr;
    QRadioButton *m_optPict = nullptr;
    QGroupBox *m_frame2 = nullptr;
    std::array<QRadioButton *, 6> m_pictureOptions{}; // Leaf .. Cow
    QListWidget *m_list1 = nullptr;
};
