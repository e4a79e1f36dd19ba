// The Number Setup dialog, opened from the real main window's Game menu.
#include "board/main_window.h"
#include "dialogs/number_setup.h"
#include "support/fakes.h"

#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

class TestNumberSetup : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Fakes> m_fakes;
    std::unique_ptr<Form1> m_w;
    Setupfrm2 *m_dlg = nullptr;

    bool open()
    {
        m_w->menuEntry(QStringLiteral("Numbers"))->trigger();
        // A dialog closed a moment ago may linger until it is deleted: take the one on screen.
        m_dlg = nullptr;
        for (Setupfrm2 *dialog : m_w->findChildren<Setupfrm2 *>())
            m_dlg = dialog->isVisible() ? dialog : m_dlg;
        return m_dlg && QTest::qWaitForWindowExposed(m_dlg);
    }
    QRadioButton *option(int i) { return m_dlg->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(i)); }
    void click(const QString &name)
    {
        QTest::mouseClick(m_dlg->findChild<QWidget *>(name), Qt::LeftButton, {}, QPoint(8, 8));
    }
    bool closed() const { return m_w->findChildren<Setupfrm2 *>().isEmpty(); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_w.reset();
        m_fakes = std::make_unique<Fakes>();
        m_w = std::make_unique<Form1>(m_fakes->platform());
        m_w->Form_Load();
        m_w->FourbyFour_Click();
        m_w->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_w.get()));
    }
    // Cancel and the close box alike change only the check marks; every opening starts at 4x4.
    void openCancelReopen_data()
    {
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("7x7, Cancel") << 5 << false;
        QTest::newRow("3x3, close box") << 1 << true;
    }
    void openCancelReopen()
    {
        QFETCH(int, pick);
        QFETCH(bool, closeBox);
        // A picture game under way, with the dialog's choice left unused.
        m_w->setChecked(QStringLiteral("Numbers"), false);
        m_w->setChecked(QStringLiteral("Pictures"), true);
        m_w->setPanelText(2, QStringLiteral("Door"));
        m_w->setPanelText(3, QStringLiteral("12 Clicks"));
        m_w->game().ClickCount = 12;
        for (const bool first : {true, false}) {  // the second time Numbers is already checked
            QVERIFY(open());
            QVERIFY(m_w->isChecked("Numbers") && !m_w->isChecked("Pictures"));
            QCOMPARE(m_dlg->windowTitle(), QStringLiteral("Number Setup"));
            QVERIFY(!m_dlg->isModal() && m_w->isEnabled());
            QCOMPARE(m_dlg->size(), QSize(163, 212));  // 2445 x 3180 twips
            const QMap<QString, QRect> places = {  // twips / 15
                {"Frame1", {40, 8, 81, 153}},   {"Option1", {16, 24, 49, 25}},   {"Option3", {16, 72, 49, 25}},
                {"Option5", {16, 120, 49, 25}}, {"Command1", {8, 176, 65, 25}}, {"Command2", {88, 176, 65, 25}}};
            for (auto it = places.cbegin(); it != places.cend(); ++it)
                QVERIFY2(m_dlg->findChild<QWidget *>(it.key())->geometry() == it.value(), qPrintable(it.key()));
            for (int i = 1; i <= 5; ++i) {
                QCOMPARE(option(i)->text(), QStringLiteral("%1x%1").arg(i + 2));
                QCOMPARE(option(i)->isChecked(), i == 2);
            }
            if (!first)
                break;
            click(QStringLiteral("Option%1").arg(pick));
            if (closeBox)
                m_dlg->close();
            else
                click("Command2");
            QTRY_VERIFY(closed());
            QCOMPARE(m_w->game().size(), 4);
            QCOMPARE(m_w->game().ClickCount, 12);
            QCOMPARE(QStringList({m_w->panelText(1), m_w->panelText(2), m_w->panelText(3)}),
                     QStringList({"4x4", "Door", "12 Clicks"}));
        }
    }

    void ok_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("n");
        QTest::newRow("at once: 4x4") << 0 << 4;
        QTest::newRow("3x3") << 1 << 3;
        QTest::newRow("5x5") << 3 << 5;
        QTest::newRow("7x7") << 5 << 7;
    }
    void ok()
    {
        QFETCH(int, option);
        QFETCH(int, n);
        m_w->setPanelText(2, QStringLiteral("Cow"));
        QVERIFY(open());
        if (option > 0)
            click(QStringLiteral("Option%1").arg(option));
        click("Command1");
        QCOMPARE(m_w->game().size(), n);
        QCOMPARE(m_w->game().SkillLevel, SkillNumbers);
        QCOMPARE(m_w->panelText(1), QStringLiteral("%1x%1").arg(n));
        QCOMPARE(m_w->panelText(2), QStringLiteral("N/A"));
        QTRY_VERIFY(closed());
    }

};

QTEST_MAIN(TestNumberSetup)
#include "tst_number_setup.moc"
