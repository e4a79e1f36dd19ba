// SetUpFrm, the Picture Setup dialog: board size, a stock picture or one's own, preview and grid.
#pragma once

#include <QDialog>

class DriveList;
class FileList;
class FolderList;
class GameSession;
class PreviewBox;
class QRadioButton;

class SetUpFrm : public QDialog
{
    Q_OBJECT
public:
    // Non-modal and deleted when it closes, so every opening starts afresh.
    SetUpFrm(GameSession &session, QWidget *parent);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void Option12_Click();
    void Option11_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command3_Click(); // "Show Grid"
    void Command4_Click(); // "Hide grid"
    void Command1_Click(); // "Setup board"
    void Command2_Click(); // "Cancel"

    // The stock picture the status bar names while the dialog is open; empty before one is shown.
    QString shownName() const { return m_shownName; }

    qint16 GridCells = 3;
signals:
    // The status bar names the previewed picture while the dialog is open.
    void pictureShown(const QString &name);

public:
    // The picture file shown in the preview, as the file gives its size; 0 before any picture.
    qint32 PreviewSourceWidth = 0;
    qint32 PreviewSourceHeight = 0;

private:
    void Form_Load();
    bool ShowStockPicture();
    void stockOption_Click();
    bool showPictureFile(const QString &path, const QString &shownName);
    void setListsEnabled(bool enabled);
    void buildSizeFrame();
    void buildPictureFrame();
    void buildBrowser();
    void buildButtons();
    void connectChoice(QRadioButton *option, void (SetUpFrm::*handler)());

    GameSession &m_session;
    QRadioButton *m_sizeOptions[5] = {};
    QRadioButton *m_stockOptions[6] = {};  // Leaf, Rose, Flower, Door, Mountain, Cow
    QRadioButton *m_option11 = nullptr;    // "Custom"
    QRadioButton *m_shownChoice = nullptr; // the picture option the preview stands for
    QString m_shownName;
    int m_previewStock = 0; // the stock picture in the preview; -1 for a file of one's own
    QString m_previewFile;  // that file
    DriveList *m_drive1 = nullptr;
    FolderList *m_dir1 = nullptr;
    FileList *m_file1 = nullptr;
    PreviewBox *m_picture1 = nullptr;
};
