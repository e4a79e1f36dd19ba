// A shown 4 x 4 main window on fakes, with the stock pictures in its program folder, and the ways
// a player works its controls.
#pragma once

#include "fakes.h"
#include "ui/cell_view.h"
#include "ui/main_window.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

inline const QStringList StockFiles = {"cow.jpg",  "door.jpg",     "flower.jpg",
                                       "Leaf.gif", "mountain.jpg", "rose.jpg"};

// A click near the top-left corner, where every button and cell takes it.
inline void press(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, 6));
}

inline void chooseItem(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(text));
    list->scrollToItem(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items[0]).center());
}

// What the views show: picture names, "_" for a sunken view.
inline QString viewText(const Form1 &w)
{
    const int n = w.session().board().n;
    QStringList rows;
    for (int r = 0; r < n; ++r) {
        QStringList row;
        for (int c = 0; c < n; ++c) {
            const CellView *view = w.cellView(r, c);
            row << (view->specialEffect() == SpecialEffect::Sunken ? QStringLiteral("_")
                                                                   : view->picture().name);
        }
        rows << row.join(' ');
    }
    return rows.join('|');
}

struct App
{
    Fakes fakes;
    std::unique_ptr<Form1> w;

    explicit App(MessageBoxes *messages = nullptr, HelpViewer *help = nullptr,
                 const QString &language = {})
    {
        const QDir media(qEnvironmentVariable("TESSARY_MEDIA_DIR"));
        for (const QString &name : StockFiles)
            QFile::copy(media.filePath(name), fakes.folder.filePath(name));
        const Platform p = fakes.platform();
        w = std::make_unique<Form1>(Platform{p.programFolder, p.random, p.settings, p.waves,
                                             p.music, messages ? *messages : p.messages,
                                             help ? *help : p.help, p.program, p.clock,
                                             p.dataFolder, language});
        w->Form_Load();
        w->FourbyFour_Click();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void entry(const QString &name) const { w->menuEntry(name)->trigger(); }
    void click(int row, int col) const { QTest::mouseClick(w->cellView(row, col), Qt::LeftButton); }
    QString clicks() const { return w->panelText(StatusPanel::Clicks); }
    template<typename Window>
    Window *window() const
    {
        for (Window *open : w->findChildren<Window *>())
            if (open->isVisible())
                return open;
        return nullptr;
    }
    QByteArray scoreBytes() const
    {
        QFile file(fakes.folder.filePath("Hsl.hsf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
