// The player's language, chosen from the desktop's settings: the real window reads its menus, a
// dialog, a message, the status bar, Qt's own texts and the help in German or Japanese, and the
// game's own texts exactly in English or a language without a translation.
#include "adapters/translations.h"
#include "app.h"
#include "ui/top_scores_dialog.h"

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void window_data()
    {
        for (const char *column : {"LANGUAGE", "lcAll", "LANG"})
            QTest::addColumn<QByteArray>(column);
        for (const char *column : {"fileMenu", "clicks", "message", "dialog", "qtButton", "help"})
            QTest::addColumn<QString>(column);
        const auto row = [](const char *name, const QByteArrayList &settings,
                            const QStringList &texts) {
            QTestData &data = QTest::newRow(name);
            for (const QByteArray &setting : settings)
                data << setting;
            for (const QString &text : texts)
                data << text;
        };
        const QStringList english = {
            "&File",      "1 Clicks", "You got a new top score for this board!",
            "Top Scores", "Cancel",   "tessaryhelp.html"};
        row("German from LANGUAGE, before LANG", {"de:ja", "", "ja_JP.UTF-8"},
            {"&Datei", "1 Klick", "Neuer Rekord für dieses Spielfeld!", "Bestenliste", "Abbrechen",
             "tessaryhelp_de.html"});
        const QStringList japanese = {"ファイル(&F)",
                                      "1 クリック",
                                      "この盤面の新記録です！", // the top-score message
                                      "最高記録",
                                      "キャンセル",
                                      "tessaryhelp.html"};
        row("Japanese from LC_ALL, before LANG; no Japanese help", {"", "ja_JP.UTF-8", "de_DE"},
            japanese);
        row("English first in LANGUAGE, before German", {"en@quot:de", "", "de_DE.UTF-8"}, english);
        row("no translation, a path, an empty entry, then C: English",
            {"sv:../../de::", "", "C.UTF-8"}, english);
    }

    void window()
    {
        QFETCH(QByteArray, LANGUAGE);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, LANG);
        QFETCH(QString, fileMenu);
        QFETCH(QString, clicks);
        QFETCH(QString, message);
        QFETCH(QString, dialog);
        QFETCH(QString, qtButton);
        QFETCH(QString, help);
        qputenv("LANGUAGE", LANGUAGE);
        qputenv("LC_ALL", lcAll);
        qunsetenv("LC_MESSAGES");
        qputenv("LANG", LANG);
        const Translations translations(QStringLiteral(TESSARY_PROGRAM_DIR));
        App app(nullptr, nullptr, translations.language());
        QFile(app.fakes.folder.filePath("tessaryhelp_de.html")).open(QIODevice::WriteOnly);

        QCOMPARE(app.w->findChild<QMenu *>("FileMenu")->title(), fileMenu);
        app.entry("NewGame");
        app.click(3, 3); // a win in one click: a top score
        QCOMPARE(app.clicks(), clicks);
        QCOMPARE(app.fakes.messages.shown.value(0), message);
        app.entry("TopScores");
        QCOMPARE(app.window<TopScoresFrm>()->windowTitle(), dialog);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtButton);
        app.entry("HelpMe");
        QCOMPARE(QFileInfo(app.fakes.help.file).fileName(), help);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
