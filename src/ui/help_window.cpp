// The help window and the help viewer that opens it.
#include "ui/help_window.h"

#include "adapters/windows_off.h"
#include "ui/window_placement.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Tessary Help"));

    m_contents = new QListWidget;
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    selectOnlyWhenEnabled(m_contents);
    connect(m_contents, &QListWidget::itemClicked, this, &HelpWindow::showItemTopic);
    connect(m_contents, &QListWidget::itemActivated, this, &HelpWindow::showItemTopic);
    // Chosen without a click, by an assistive tool: its toggle takes the choice away again, which
    // a click never does, so the entry is chosen once more and shown as a click would show it.
    connect(m_contents, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_contents->selectedItems().isEmpty())
            return showItemTopic(m_contents->selectedItems().first());
        // Empty for a moment while another entry is chosen; still empty afterwards when taken away.
        QTimer::singleShot(0, m_contents, [this] {
            if (m_contents->selectedItems().isEmpty() && m_contents->currentItem())
                m_contents->currentItem()->setSelected(true);
        });
    });

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("HelpTabs"));
    //: A tab of the help window: the list of topics; & marks the mnemonic letter
    m_tabs->addTab(m_contents, tr("&Contents"));
    //: A tab of the help window: the keyword index; & marks the mnemonic letter
    m_tabs->addTab(buildIndexTab(), tr("&Index"));

    m_page = new QTextBrowser;
    m_page->setObjectName(QStringLiteral("HelpPage"));
    m_page->setOpenExternalLinks(true);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 570});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(splitter);

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(820, 580);
}

QWidget *HelpWindow::buildIndexTab()
{
    auto *tab = new QWidget;
    auto *prompt =
        //: & marks the mnemonic letter, unique in the help window with Contents, Index, Display
        new QLabel(tr("&Type the first letters of the word you are looking for:"));
    prompt->setWordWrap(true);
    m_indexEdit = new QLineEdit;
    m_indexEdit->setObjectName(QStringLiteral("HelpIndexEdit"));
    prompt->setBuddy(m_indexEdit);
    m_index = new QListWidget;
    m_index->setObjectName(QStringLiteral("HelpIndex"));
    //: Button: shows the topic of the keyword chosen in the index; & marks the mnemonic letter
    auto *display = new QPushButton(tr("&Display"));
    display->setObjectName(QStringLiteral("HelpIndexDisplay"));

    connect(m_indexEdit, &QLineEdit::textEdited, this, &HelpWindow::findKeyword);
    selectOnlyWhenEnabled(m_index);
    // The keyword shown is the one selected: by typing, by a click, or by an assistive tool.
    const auto showChosen = [this] { showItemTopic(m_index->selectedItems().value(0)); };
    connect(m_indexEdit, &QLineEdit::returnPressed, this, showChosen);
    connect(m_index, &QListWidget::itemActivated, this, &HelpWindow::showItemTopic);
    connect(display, &QPushButton::clicked, this, showChosen);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(prompt);
    layout->addWidget(m_indexEdit);
    layout->addWidget(m_index, 1);
    layout->addWidget(display, 0, Qt::AlignRight);
    return tab;
}

void HelpWindow::openContentsAndIndex(const QString &helpFile)
{
    m_tabs->setCurrentIndex(0);
    m_indexEdit->clear();
    const QFileInfo info(helpFile);
    QFile file(helpFile);
    if (helpFile.isEmpty() || !info.isFile() || !file.open(QIODevice::ReadOnly)) {
        showNotFound(helpFile);
        return;
    }
    fillLists(readHelpTopics(QString::fromUtf8(file.readAll())));
    m_fileUrl = QUrl::fromLocalFile(info.absoluteFilePath());
    m_page->setSearchPaths({info.absolutePath()});
    m_page->setSource(m_fileUrl);
    // setSource does not read a file it showed before; the file may have changed since.
    m_page->reload();
    m_page->clearHistory();
    m_page->verticalScrollBar()->setValue(0);
}

void HelpWindow::showTopic(const QString &anchor)
{
    if (!fileFound() || anchor.isEmpty())
        return;
    QUrl target = m_fileUrl;
    target.setFragment(anchor);
    m_page->setSource(target);
}

void HelpWindow::fillLists(const HelpTopics &topics)
{
    auto fill = [](QListWidget *list, const QList<HelpTopic> &entries) {
        const QSignalBlocker quiet(list); // filling shows no topic
        list->clear();
        for (const HelpTopic &topic : entries) {
            auto *item = new QListWidgetItem(topic.title, list);
            item->setData(Qt::UserRole, topic.anchor);
        }
        list->setCurrentRow(entries.isEmpty() ? -1 : 0);
    };
    fill(m_contents, topics.contents);
    fill(m_index, topics.index);
    // Headings longer than the lists were drawn for (a translated page): the lists' side widens so
    // that every entry shows whole. The English entries fit as drawn.
    auto *splitter = findChild<QSplitter *>();
    const int needed = std::max(m_contents->sizeHintForColumn(0), m_index->sizeHintForColumn(0))
                       + 2 * m_contents->frameWidth()
                       + m_contents->verticalScrollBar()->sizeHint().width()
                       + 2 * m_tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (const QList<int> sizes = splitter->sizes(); sizes.size() == 2 && needed > sizes[0])
        splitter->setSizes({needed, std::max(0, sizes[0] + sizes[1] - needed)});
}

void HelpWindow::showNotFound(const QString &helpFile)
{
    m_fileUrl.clear();
    fillLists({});
    m_page->clearHistory();
    m_page->setHtml(
        //: HTML shown in the help window when its page is missing; %1 the file's path
        tr("<h2>Help not found</h2>"
           "<p>The help file <code>%1</code> was not found.</p>"
           "<p>The game is not affected: close this window and go on playing.</p>")
            .arg(helpFile.toHtmlEscaped()));
}

// Selects the first keyword that begins with what has been typed, as a printed index would be read.
void HelpWindow::findKeyword(const QString &typed)
{
    const QString wanted = typed.trimmed();
    if (wanted.isEmpty())
        return;
    for (int row = 0; row < m_index->count(); ++row) {
        QListWidgetItem *item = m_index->item(row);
        if (item->text().startsWith(wanted, Qt::CaseInsensitive)) {
            m_index->setCurrentItem(item);
            m_index->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::showItemTopic(const QListWidgetItem *item)
{
    if (item)
        showTopic(item->data(Qt::UserRole).toString());
}

QtHelpViewer::~QtHelpViewer()
{
    delete m_window;
}

void QtHelpViewer::showContentsAndIndex(const QString &helpFile)
{
    const bool first = !m_window;
    if (first)
        m_window = new HelpWindow;
    m_window->openContentsAndIndex(helpFile);
    if (first) {
        centreOnScreen(*m_window);
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}
