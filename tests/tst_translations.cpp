// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations: complete for every text the sources hold today, true to the
// placeholders of the English texts, and really used by the converter, without changing
// a single number in the files it writes.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QStringList Languages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty when finished
};

QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.append({context, {}, {}, {}});
        else if (xml.name() == u"source" && !messages.isEmpty())
            messages.last().source = xml.readElementText();
        else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QString &language, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), language);
    env.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TESSARINE_CLI), arguments);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void complete_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    // lupdate runs over today's sources into a copy of the shipped file, so that a text
    // added without refreshing the translations counts as unfinished too.
    void complete()
    {
        QFETCH(QString, language);
        const QString shipped = QStringLiteral(TESSARINE_TS_FOLDER "/tessarine_%1.ts").arg(language);
        QTemporaryDir work;
        const QString copy = work.filePath(QFileInfo(shipped).fileName());
        QVERIFY(QFile::copy(shipped, copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(TESSARINE_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral(TESSARINE_SOURCE_FOLDER), QStringLiteral("-ts"), copy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

        QString error;
        const QList<Message> messages = readTs(copy, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 100);
        QStringList faults;
        for (const Message &m : messages) {
            const QString where = QStringLiteral("[%1] \"%2\"").arg(m.context, m.source.left(70));
            if (!m.type.isEmpty() || m.translation.isEmpty())
                faults.append(QStringLiteral("%1 %2").arg(m.type.isEmpty() ? QStringLiteral("empty") : m.type, where));
            else if (placeholders(m.source) != placeholders(m.translation))
                faults.append(QStringLiteral("placeholders differ: %1").arg(where));
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("%1 text(s) not translated in %2 (refresh with the update_translations "
                                           "target, then translate them):\n  %3")
                                .arg(faults.size())
                                .arg(QFileInfo(shipped).fileName(), faults.join(QStringLiteral("\n  ")))));
    }

    void converterSpeaksTheLanguage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("onStandardError");
        QTest::newRow("missing picture") << QStringList{QStringLiteral("to-sheet"), QStringLiteral("/nonexistent/a.png"),
                                                        QStringLiteral("out.csv")} << true;
        QTest::newRow("not a sheet") << QStringList{QStringLiteral("to-image"), QStringLiteral(TESSARINE_TEST_DATA "/test.jpg"),
                                                    QStringLiteral("out.png")} << true;
        QTest::newRow("wrong command") << QStringList{QStringLiteral("frob")} << true;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << false;
    }

    void converterSpeaksTheLanguage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, onStandardError);
        QTemporaryDir work;
        QDir::setCurrent(work.path());
        const Run english = runCli(QStringLiteral("en"), arguments);
        const QByteArray englishText = onStandardError ? english.err : english.out;
        QVERIFY(!englishText.isEmpty());
        for (const QString &language : Languages) {
            const Run translated = runCli(language, arguments);
            QCOMPARE(translated.exitCode, english.exitCode);
            const QByteArray text = onStandardError ? translated.err : translated.out;
            QVERIFY2(!text.isEmpty() && text != englishText, qPrintable(language + QLatin1String(": ") + text));
        }
    }

    // The first language of the list that the program speaks wins, English included.
    void languageChoice_data()
    {
        QTest::addColumn<QString>("languages");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("region") << "de_AT" << "de";
        QTest::newRow("unknown first") << "pt_BR:fr" << "fr";
        QTest::newRow("English first") << "en_GB:de" << "en";
        QTest::newRow("C") << "C" << "en";
        QTest::newRow("only unknown") << "pt:ja" << "en";
    }

    void languageChoice()
    {
        QFETCH(QString, languages);
        QFETCH(QString, spoken);
        const Run expected = runCli(spoken, {});
        const Run chosen = runCli(languages, {});
        QVERIFY(!expected.err.isEmpty());
        QCOMPARE(chosen.err, expected.err);
    }

    // A sheet and a picture are the same bytes in every language.
    void filesDoNotChange()
    {
        QTemporaryDir work;
        QImage picture(QStringLiteral(TESSARINE_TEST_DATA "/test.jpg"));
        QVERIFY(!picture.isNull());
        const QString source = work.filePath(QStringLiteral("in.png"));
        QVERIFY(picture.scaled(40, 30).save(source));
        QMap<QString, QByteArray> sheets, pictures;
        for (const QString &language : QStringList{QStringLiteral("en")} + Languages) {
            for (const QString &model : {QStringLiteral("--hsv"), QStringLiteral("--excel2002")}) {
                const QString sheet = work.filePath(language + model + QStringLiteral(".csv"));
                const QString drawn = work.filePath(language + model + QStringLiteral(".png"));
                QCOMPARE(runCli(language, {QStringLiteral("to-sheet"), source, sheet, model}).exitCode, 0);
                QCOMPARE(runCli(language, {QStringLiteral("to-image"), sheet, drawn}).exitCode, 0);
                QFile s(sheet), p(drawn);
                QVERIFY(s.open(QIODevice::ReadOnly) && p.open(QIODevice::ReadOnly));
                const QByteArray sheetBytes = s.readAll(), pictureBytes = p.readAll();
                if (language == QLatin1String("en")) {
                    sheets[model] = sheetBytes;
                    pictures[model] = pictureBytes;
                    continue;
                }
                QVERIFY2(sheetBytes == sheets[model], qPrintable(language + model));
                QVERIFY2(pictureBytes == pictures[model], qPrintable(language + model));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
