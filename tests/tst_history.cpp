// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo: the bounded list of steps on its own, and the window going back and forth
// between a load, a conversion and a drawing with its headings true.

#include "testhelpers.h"
#include "windowundertest.h"

#include "convert/history.h"

#include <QtTest>

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

namespace {

tess::DocumentStep named(const QString &name)
{
    tess::DocumentStep step;
    step.shown.notice = name;
    return step;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    static QAction *action(WindowUnderTest &w, const char *name)
    {
        return w.window->findChild<QAction *>(QLatin1String(name));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // moves: a letter is a change to that state, < an undo, > a redo, from the state "0".
    // Then the state reached, and those that undo and redo go through from it.
    void steps_data()
    {
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("forward");
        QTest::newRow("nothing yet") << "" << "0" << "" << "";
        QTest::newRow("changes") << "ab" << "b" << "a0" << "";
        QTest::newRow("undo") << "ab<" << "a" << "0" << "b";
        QTest::newRow("undo past the first") << "ab<<<" << "0" << "" << "ab";
        QTest::newRow("redo") << "abc<<>" << "b" << "a0" << "c";
        QTest::newRow("redo with none left") << "ab>" << "b" << "a0" << "";
        QTest::newRow("a change drops the redo") << "abc<<d" << "d" << "a0" << "";
        QTest::newRow("bound: the oldest goes") << "abcdefghij" << "j" << "ihgfedcb" << "";
        QTest::newRow("bound on the way forward") << "abcdefghij<<<<<<<<<" << "b" << "" << "cdefghij";
    }

    void steps()
    {
        QFETCH(QString, moves);
        QFETCH(QString, now);
        QFETCH(QString, back);
        QFETCH(QString, forward);
        tess::History history;
        QString state = QStringLiteral("0");
        for (const QChar move : moves) {
            std::optional<tess::DocumentStep> to;
            if (move == QLatin1Char('<'))
                to = history.undo(named(state));
            else if (move == QLatin1Char('>'))
                to = history.redo(named(state));
            else
                history.push(named(std::exchange(state, QString(move))));
            if (to)
                state = to->shown.notice;
        }
        QCOMPARE(state, now);
        // Walking the history changes it, so each way is walked in a copy.
        const auto walk = [&state](tess::History copy, bool undo) {
            QString through;
            QString at = state;
            while (auto to = undo ? copy.undo(named(at)) : copy.redo(named(at)))
                through += (at = to->shown.notice);
            return through;
        };
        QCOMPARE(walk(history, true), back);
        QCOMPARE(walk(history, false), forward);
        QCOMPARE(history.canUndo(), !back.isEmpty());
        QCOMPARE(history.canRedo(), !forward.isEmpty());
    }

    // A file read or written anew: the steps with those records are in it, the steps whose
    // records it held before are no longer saved, others keep what they had.
    void fileWrittenAnew()
    {
        const auto records = [](int n) { return std::make_shared<const tess::PixelRecords>(n); };
        const auto older = records(1), saved = records(2), other = records(3);
        tess::History history;
        const auto push = [&](std::shared_ptr<const tess::PixelRecords> r, const QString &file, bool isSaved) {
            tess::DocumentStep step;
            step.sheet.records = std::move(r);
            step.sheet.file = file;
            step.sheet.saved = isSaved;
            history.push(step);
        };
        push(older, QStringLiteral("a.csv"), true);
        push(saved, QString(), false);
        push(other, QStringLiteral("b.csv"), true);
        history.sheetInFile(QStringLiteral("a.csv"), saved);
        QList<std::tuple<QString, bool>> seen;
        tess::DocumentStep now;
        while (auto to = history.undo(now)) {
            seen.append({to->sheet.file, to->sheet.saved});
            now = *to;
        }
        using S = std::tuple<QString, bool>;
        QCOMPARE(seen, (QList<S>{S{"b.csv", true}, S{"a.csv", true}, S{"a.csv", false}}));
    }

    // Convert, draw, and back and forth with the keys: both sides and their headings as
    // they were at each step.
    void windowGoesBackAndForth()
    {
        WindowUnderTest w = WindowUnderTest::make();
        const QString path = m_dir.filePath(QStringLiteral("lesson.png"));
        QVERIFY(patternImage(3, 2).save(path));
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QVERIFY(!action(w, "undo")->isEnabled());
        w.dialogs->fileAnswers = {path};
        w.ui->loadImage->click();
        const QImage loaded = w.document().picture();
        w.ui->imageToSpreadsheet->click();
        w.ui->spreadsheetToImage->click();
        QVERIFY(w.document().pictureDrawn());
        const QImage drawn = w.document().picture();
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from lesson.png"));
        QVERIFY(action(w, "undo")->isEnabled());
        QVERIFY(!action(w, "redo")->isEnabled());

        const auto key = [&](bool redo) {
            QTest::keyClick(w.window.get(), Qt::Key_Z, redo ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier);
        };
        key(false); // the drawing taken back
        QCOMPARE(w.document().picture().cacheKey(), loaded.cacheKey());
        QVERIFY(!w.document().pictureDrawn() && w.document().pictureSaved());
        QVERIFY(w.document().before().isNull());
        QCOMPARE(w.ui->imageBox->toolTip(), QStringLiteral("Image: ") + path);
        QVERIFY(w.document().hasSheet() && !w.document().sheetSaved());
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet: from lesson.png"));
        QVERIFY(w.ui->ss_save_pos->isHidden());
        key(false); // the conversion
        QVERIFY(!w.document().hasSheet());
        QCOMPARE(w.ui->spreadsheetBox->title(), QStringLiteral("Spreadsheet"));
        QCOMPARE(w.ui->resolution->text(), QStringLiteral("No Spreadsheet Loaded"));
        key(false); // the load
        QVERIFY(!w.document().hasPicture());
        QVERIFY(!action(w, "undo")->isEnabled());
        key(true);
        key(true);
        QVERIFY(w.document().sheetConverted());
        QCOMPARE(w.cell(1, 0), QStringLiteral("0"));
        key(true);
        QCOMPARE(w.document().picture().cacheKey(), drawn.cacheKey());
        QCOMPARE(w.document().before().cacheKey(), loaded.cacheKey());
        QCOMPARE(w.ui->imageBox->title(), QStringLiteral("Image: drawn from lesson.png"));
        QVERIFY(!action(w, "redo")->isEnabled());
    }

    // A sheet saved after the drawing is saved also in the step before it, where a sheet
    // read from the file again since then is not; no undo while work runs.
    void savedStateKept()
    {
        WindowUnderTest w = WindowUnderTest::make();
        const QString picture = m_dir.filePath(QStringLiteral("kept.png"));
        const QString sheet = m_dir.filePath(QStringLiteral("kept.csv"));
        QVERIFY(patternImage(2, 2).save(picture));
        w.dialogs->fileAnswers = {picture};
        w.ui->loadImage->click();
        w.ui->imageToSpreadsheet->click();
        w.ui->spreadsheetToImage->click();
        w.dialogs->fileAnswers = {sheet};
        w.ui->saveSheet->click();
        QVERIFY(w.document().sheetSaved());
        action(w, "undo")->trigger();
        QVERIFY(w.document().sheetSaved());
        QCOMPARE(w.document().sheetFile(), sheet);
        QCOMPARE(w.ui->spreadsheetBox->toolTip(), QStringLiteral("Spreadsheet: ") + sheet);

        QVERIFY(writeFile(sheet, "x,y,r,g,b\n0,0,9,9,9\n"));
        QVERIFY(w.document().reloadSheet(tess::ColourModel::Rgb));
        QCOMPARE(w.document().records()->at(0).r, 9);
        action(w, "undo")->trigger();
        QVERIFY(w.document().records()->size() == 4 && !w.document().sheetSaved());

        w.document().setBlocking(false);
        w.ui->spreadsheetToImage->click();
        QVERIFY(w.document().busy());
        QVERIFY(!action(w, "undo")->isEnabled());
        QVERIFY(!w.document().undo());
        QTRY_VERIFY(!w.document().busy());
        QVERIFY(action(w, "undo")->isEnabled());
    }

    // The files loaded last, newest first and at most eight, in the next run too; a file
    // deleted since is left out, and choosing one loads it.
    void recentFiles()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("tessarine-tests"));
        QSettings().clear();
        FilePlaces::rememberAcrossRuns(true);
        const auto shown = [](WindowUnderTest &w) {
            auto *menu = w.window->findChild<QMenu *>(QStringLiteral("recentFiles"));
            emit menu->aboutToShow();
            return menu->actions();
        };
        QStringList names;
        {
            WindowUnderTest w = WindowUnderTest::make();
            const QList<QAction *> none = shown(w);
            QVERIFY(none.size() == 1 && !none.first()->isEnabled());
            for (int i = 0; i < 10; ++i) {
                const QString path = m_dir.filePath(QStringLiteral("recent%1.png").arg(i));
                QVERIFY(patternImage(i + 1, 1).save(path));
                w.dialogs->fileAnswers = {path};
                w.ui->loadImage->click();
                names.prepend(QFileInfo(path).fileName());
            }
        }
        QFile::remove(m_dir.filePath(QStringLiteral("recent8.png")));
        names.removeAll(QStringLiteral("recent8.png"));
        WindowUnderTest next = WindowUnderTest::make();
        QStringList listed;
        const QList<QAction *> actions = shown(next);
        for (QAction *action : actions)
            listed.append(action->text());
        QCOMPARE(listed, names.mid(0, 7));
        actions.first()->trigger();
        QCOMPARE(next.document().pictureFile(), m_dir.filePath(QStringLiteral("recent9.png")));
        FilePlaces::rememberAcrossRuns(false);
        QSettings().clear();
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
