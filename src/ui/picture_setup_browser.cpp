// Drive, folder and file lists for choosing a picture of one's own.
#include "ui/picture_setup_browser.h"

#include "adapters/windows_off.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStorageInfo>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {
constexpr int FolderRole = Qt::UserRole;
constexpr int DepthRole = Qt::UserRole + 1;
constexpr int IndentPixels = 8;
// A batch of the file list ends after this long, so input and painting get their turn.
constexpr qint64 BatchMilliseconds = 8;
// Indents each folder by its depth, leaving its name plain for type-ahead search.
class FolderDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem indented = option;
        indented.rect.setLeft(option.rect.left() + index.data(DepthRole).toInt() * IndentPixels);
        QStyledItemDelegate::paint(painter, indented, index);
    }
};
} // namespace

QString driveOf(const QString &path)
{
    const QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QStorageInfo::root().rootPath();
}

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(), [](const QStorageInfo &a, const QStorageInfo &b) {
        return a.rootPath() < b.rootPath();
    });
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString device = QFileInfo(QString::fromLocal8Bit(volume.device())).fileName();
        const QString label = volume.name().isEmpty() ? device : volume.name();
        addItem(label.isEmpty()
                    ? volume.rootPath()
                    : volume.rootPath() + QStringLiteral("  [") + label + QLatin1Char(']'),
                volume.rootPath());
    }
    connect(this, &QComboBox::activated, this, &DriveList::changed);
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::setDrive(const QString &path)
{
    const QString root = driveOf(path);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    selectOnlyWhenEnabled(this);
    setItemDelegate(new FolderDelegate(this));
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { enter(item->data(FolderRole).toString()); });
}

void FolderList::enter(const QString &folder)
{
    // The entry was listed earlier; the folder may have been removed or locked since.
    QString candidate = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!setPath(candidate)) {
        const QString parent = QFileInfo(candidate).path();
        if (parent == candidate)
            return;
        candidate = parent;
    }
}

void FolderList::addEntry(const QString &text, const QString &folder, int depth, bool open)
{
    const QIcon icon =
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto *item = new QListWidgetItem(icon, text, this);
    item->setData(FolderRole, folder);
    item->setData(DepthRole, depth);
}

bool FolderList::setPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable())
        return false;
    const QString path = QDir::cleanPath(info.absoluteFilePath());
    const bool changedFolder = path != m_path;
    m_path = path;

    clear();
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked = QStringLiteral("/");
    addEntry(walked, walked, 0, true);
    for (int i = 0; i < parts.size(); ++i) {
        walked = QDir(walked).filePath(parts[i]);
        addEntry(parts[i], walked, i + 1, true);
    }
    QListWidgetItem *current = item(count() - 1);
    const QDir dir(path);
    for (const QString &name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addEntry(name, dir.filePath(name), int(parts.size()) + 1, false);
    setCurrentItem(current);
    current->setSelected(true); // marked also while the list is switched off
    scrollToItem(current);
    if (changedFolder)
        emit changed();
    return true;
}

FileList::FileList(QWidget *parent) : QListWidget(parent), m_pattern(QStringLiteral("*.*"))
{
    setUniformItemSizes(true);
    selectOnlyWhenEnabled(this);
    m_batchTimer.setInterval(0);
    connect(&m_batchTimer, &QTimer::timeout, this, &FileList::readBatch);
    // Selection, not the current item: tabbing into the list makes a current item but chooses
    // nothing.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_filling || selectedItems().isEmpty())
            return;
        m_changedByPress = true;
        emit fileClicked();
    });
    // A click on the file already selected loads it again; a click that selected it has loaded it.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!std::exchange(m_changedByPress, false))
            emit fileClicked();
    });
}

void FileList::mousePressEvent(QMouseEvent *event)
{
    m_changedByPress = false;
    QListWidget::mousePressEvent(event);
}

void FileList::setPath(const QString &folder)
{
    m_path = folder;
    restart();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = FilePattern(pattern);
    if (!m_path.isEmpty())
        restart();
}

QString FileList::fileName() const
{
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

void FileList::restart()
{
    m_filling = true;
    clear();
    m_filling = false;
    m_found.clear();
    m_iterator = std::make_unique<QDirIterator>(m_path, QDir::Files);
    m_batchTimer.start();
}

void FileList::readBatch()
{
    QElapsedTimer clock;
    clock.start();
    for (int n = 1; m_iterator->hasNext(); ++n) {
        const QString name = m_iterator->nextFileInfo().fileName();
        if (m_pattern.matches(name))
            m_found << name;
        if (n % 256 == 0 && clock.elapsed() >= BatchMilliseconds)
            return;
    }
    m_batchTimer.stop();
    m_iterator.reset();
    std::sort(m_found.begin(), m_found.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    m_filling = true;
    addItems(m_found);
    m_filling = false;
    emit listed();
}
