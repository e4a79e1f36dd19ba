// The drive, folder and file lists of the Picture Setup dialog.
#pragma once

#include "core/files/file_pattern.h"

#include <QComboBox>
#include <QDirIterator>
#include <QListWidget>
#include <QStringList>
#include <QTimer>
#include <memory>

// The root of the mounted file system that holds `path`.
QString driveOf(const QString &path);

// The mounted file systems, each named by its root folder.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);
    // The chosen file system's root folder.
    QString drive() const;
    // Selects the file system that holds `path`, quietly (no `changed`).
    void setDrive(const QString &path);

signals:
    // The player chose another file system.
    void changed();
};

// A folder and its way up: the folders above it, itself, then its subfolders; a double click or
// Enter on an entry opens it.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    // Shows `folder`; false, changing nothing, when it is no folder that can be read.
    bool setPath(const QString &folder);
    // Opens `folder` as a double click does: when it cannot be entered (gone, unreadable), the
    // nearest folder above it that can, listed anew.
    void enter(const QString &folder);

signals:
    // The folder shown changed.
    void changed();

private:
    void addEntry(const QString &text, const QString &folder, int depth, bool open);

    QString m_path;
};

// The files of one folder whose names match a pattern, sorted by name regardless of case.
// A large folder is read a batch at a time between events, so the window stays responsive.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);
    QString path() const { return m_path; }
    void setPath(const QString &folder);
    void setPattern(const QString &pattern);
    QString fileName() const; // the selected file, "" for none
    bool isListing() const { return m_iterator != nullptr; }

signals:
    // The player chose a file, by mouse or keyboard.
    void fileClicked();
    // The folder has been read to its end and the list is complete.
    void listed();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void restart();
    void readBatch();

    QString m_path;
    FilePattern m_pattern;
    std::unique_ptr<QDirIterator> m_iterator;
    QStringList m_found;
    QTimer m_batchTimer;
    bool m_filling = false;
    bool m_changedByPress = false;
};
