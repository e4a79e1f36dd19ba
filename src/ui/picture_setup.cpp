// The Picture Setup dialog: its controls, its loading and the browsing for a picture of one's own.
#include "ui/picture_setup.h"

#include "core/files/picture_file.h"
#include "core/platform/message_boxes.h"
#include "core/session/game_session.h"
#include "ui/picture_setup_browser.h"
#include "ui/picture_setup_preview.h"
#include "ui/picture_setup_stock.h"
#include "ui/window_placement.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

SetUpFrm::SetUpFrm(GameSession &session, QWidget *parent)
    : QDialog(parent, DialogFlags)
    , m_session(session)
{
    setObjectName(QStringLiteral("SetUpFrm"));
    //: The dialog that sets up a picture game; it has a fixed size
    setWindowTitle(tr("Picture Setup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twipsToPixels(7185), twipsToPixels(5400));
    centreOnFirstShow(*this);
    buildSizeFrame();
    buildPictureFrame();
    buildBrowser();
    buildButtons();
    Form_Load();
}

// An option acts when it becomes chosen, however that happens: a click, the keyboard, or a screen
// reader's "toggle", which checks the option without a click.
void SetUpFrm::connectChoice(QRadioButton *option, void (SetUpFrm::*handler)())
{
    connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
        if (on)
            (this->*handler)();
    });
}

void SetUpFrm::buildSizeFrame()
{
    //: A group of options 3x3 .. 7x7; little room
    auto *frame = new QGroupBox(tr("Board Size"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    placeInTwips(*frame, 120, 120, 1215, 2175);
    void (SetUpFrm::*const handlers[5])() = {&SetUpFrm::Option1_Click, &SetUpFrm::Option2_Click,
                                             &SetUpFrm::Option3_Click, &SetUpFrm::Option4_Click,
                                             &SetUpFrm::Option5_Click};
    for (int i = 0; i < 5; ++i) {
        const int n = i + 3;
        //: An option of board size: 3x3 .. 7x7
        auto *option = new QRadioButton(tr("%1x%1").arg(n), frame);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        placeInTwips(*option, 240, 240 + 360 * i, 735, 375);
        connectChoice(option, handlers[i]);
        m_sizeOptions[i] = option;
    }
    const QSignalBlocker opening(m_sizeOptions[0]);
    m_sizeOptions[0]->setChecked(true);
}

void SetUpFrm::buildPictureFrame()
{
    //: The group of the six stock pictures and Custom; little room
    auto *frame = new QGroupBox(tr("Skill Level"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    placeInTwips(*frame, 1440, 120, 1575, 2175);
    void (SetUpFrm::*const handlers[6])() = {&SetUpFrm::Option6_Click,  &SetUpFrm::Option7_Click,
                                             &SetUpFrm::Option8_Click,  &SetUpFrm::Option9_Click,
                                             &SetUpFrm::Option10_Click, &SetUpFrm::Option12_Click};
    for (int i = 0; i < 6; ++i) {
        const StockOption &place = StockOptions[i];
        auto *option =
            new QRadioButton(shownNameText(QString::fromLatin1(StockPictures[i].caption)), frame);
        option->setObjectName(QString::fromLatin1(place.name));
        placeInTwips(*option, 240, place.top, place.width, 255);
        connectChoice(option, handlers[i]);
        m_stockOptions[i] = option;
    }
    m_option11 = new QRadioButton(shownNameText(QString::fromLatin1(CustomPictureName)), frame);
    m_option11->setObjectName(QStringLiteral("Option11"));
    placeInTwips(*m_option11, 240, 1800, 1095, 255);
    connectChoice(m_option11, &SetUpFrm::Option11_Click);
    const QSignalBlocker opening(m_stockOptions[0]); // Form_Load paints it once the preview exists
    m_stockOptions[0]->setChecked(true);
    m_shownChoice = m_stockOptions[0];
}

void SetUpFrm::buildBrowser()
{
    m_drive1 = new DriveList(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    placeInTwips(*m_drive1, 120, 2520, 2895, 315);
    m_dir1 = new FolderList(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    placeInTwips(*m_dir1, 120, 2880, 2895, 1215);
    m_file1 = new FileList(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    placeInTwips(*m_file1, 120, 4200, 2895, 1065);
    connect(m_drive1, &DriveList::changed, this, &SetUpFrm::Drive1_Change);
    connect(m_dir1, &FolderList::changed, this, &SetUpFrm::Dir1_Change);
    connect(m_file1, &FileList::fileClicked, this, &SetUpFrm::File1_Click);
    setListsEnabled(false);

    m_picture1 = new PreviewBox(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    placeInTwips(*m_picture1, 3240, 120, 3855, 3855);
}

void SetUpFrm::buildButtons()
{
    const struct
    {
        const char *name;
        const char *caption;
        int left, top, width;
        void (SetUpFrm::*handler)();
    } buttons[] = {
        //: Button: draws the lines where the picture will be cut into tiles; little room
        {"Command3", QT_TR_NOOP("Show Grid"), 3240, 4320, 1695, &SetUpFrm::Command3_Click},
        //: Button: takes the cutting lines away again; little room
        {"Command4", QT_TR_NOOP("Hide grid"), 5520, 4320, 1575, &SetUpFrm::Command4_Click},
        //: Button: starts a game on the picture shown; little room
        {"Command1", QT_TR_NOOP("Setup board"), 3240, 4800, 1695, &SetUpFrm::Command1_Click},
        //: Button; little room
        {"Command2", QT_TR_NOOP("Cancel"), 5520, 4800, 1575, &SetUpFrm::Command2_Click}};
    for (const auto &b : buttons) {
        auto *button = new QPushButton(tr(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setAutoDefault(false);
        placeInTwips(*button, b.left, b.top, b.width, 375);
        connect(button, &QPushButton::clicked, this, b.handler);
    }
}

void SetUpFrm::Form_Load()
{
    ShowStockPicture();
    m_file1->setPattern(QStringLiteral("*.bmp;*.jpg;*.gif"));
    // The folder may have gone since it was last shown; fall back rather than show nothing.
    const QString candidates[] = {m_session.lastPictureFolder(), m_session.platform().programFolder,
                                  QDir::homePath(), QDir::rootPath()};
    for (const QString &folder : candidates) {
        if (m_dir1->setPath(folder))
            break;
    }
    // The drive list names the file system that holds the folder shown, so that the two lists
    // agree.
    m_drive1->setDrive(m_dir1->path());
    GridCells = 3;
}

void SetUpFrm::setListsEnabled(bool enabled)
{
    m_dir1->setEnabled(enabled);
    m_file1->setEnabled(enabled);
    m_drive1->setEnabled(enabled);
}

void SetUpFrm::Drive1_Change()
{
    // A file system that cannot be read: back to the one of the folder shown, silently.
    if (!m_dir1->setPath(m_drive1->drive()))
        m_drive1->setDrive(m_dir1->path());
}

void SetUpFrm::Dir1_Change()
{
    m_file1->setPath(m_dir1->path());
    m_session.rememberPictureFolder(m_dir1->path());
    m_drive1->setDrive(m_dir1->path());
}

void SetUpFrm::File1_Click()
{
    const QString name = m_file1->fileName();
    const QString path = QDir(m_file1->path()).filePath(name);
    if (!name.isEmpty() && showPictureFile(path, name)) {
        m_previewStock = -1;
        m_previewFile = path;
    }
}

// Loads and paints a picture; a file that cannot be shown is reported and changes nothing.
bool SetUpFrm::showPictureFile(const QString &path, const QString &shownName)
{
    const PictureFile picture = loadPictureFile(path, m_picture1->devicePictureSize());
    if (!picture.ok()) {
        m_session.platform().messages.show(
            //: %1 the file's name, %2 why, a whole sentence
            tr("The picture \"%1\" cannot be shown. %2").arg(shownName, picture.error));
        return false;
    }
    m_picture1->setAutoRedraw(true);
    PreviewSourceWidth = picture.sourceSize.width();
    PreviewSourceHeight = picture.sourceSize.height();
    m_picture1->paintPicture(picture.image);
    return true;
}
