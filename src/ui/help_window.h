// The help window: the help page with a contents list and a keyword index beside it.
#pragma once

#include "core/files/help_topics.h"
#include "core/platform/help_viewer.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Reads the help file and shows its first page with the contents list in front.
    // A missing or unreadable file gives a page that says so and empty lists.
    void openContentsAndIndex(const QString &helpFile);
    // Scrolls the page to the section or keyword target named anchor; nothing when no file is open.
    void showTopic(const QString &anchor);
    bool fileFound() const { return m_fileUrl.isValid(); }

private:
    QWidget *buildIndexTab();
    void fillLists(const HelpTopics &topics);
    void showNotFound(const QString &helpFile);
    void findKeyword(const QString &typed);
    void showItemTopic(const QListWidgetItem *item);

    QTabWidget *m_tabs = nullptr;
    QListWidget *m_contents = nullptr;
    QLineEdit *m_indexEdit = nullptr;
    QListWidget *m_index = nullptr;
    QTextBrowser *m_page = nullptr;
    QUrl m_fileUrl;
};

// The help viewer of the running game: one help window, made on first use and raised when asked
// again.
class QtHelpViewer : public HelpViewer
{
public:
    QtHelpViewer() = default;
    QtHelpViewer(const QtHelpViewer &) = delete;
    QtHelpViewer &operator=(const QtHelpViewer &) = delete;
    ~QtHelpViewer() override;

    void showContentsAndIndex(const QString &helpFile) override;
    HelpWindow *window() const { return m_window; }

private:
    QPointer<HelpWindow> m_window;
};
