// The language file decides the language of messages and Qt's dialogs;
// shipped translations are complete; file dialogs show each filter once.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "platform/fakes/fake_services.h"
#include "platform/services/guard.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/file_operations.h"
#include "startup/interface_language.h"
#include "tests/support/test_support.h"

namespace {

std::vector<std::string> builtFolders() { return {testing::builtLanguageFolder().toStdString()}; }

QString buttonText(QWidget& window, QDialogButtonBox::StandardButton which)
{
    auto* box = window.findChild<QDialogButtonBox*>();
    return box && box->button(which) ? box->button(which)->text() : QStringLiteral("(none)");
}

} // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { installInterfaceLanguage("english.qlk", builtFolders()); }

    void languageFollowsTheLanguageFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("czech") << "czech.qlk"
                               << "en_US"
                               << "cs";
        QTest::newRow("english, any case") << "ENGLISH.QLK"
                                           << "cs_CZ"
                                           << "en";
        QTest::newRow("slovak, C locale") << "slovak.qlk"
                                          << "C"
                                          << "sk";
        QTest::newRow("hungarian") << "hungarian.qlk"
                                   << "sk_SK"
                                   << "hu";
        QTest::newRow("own file, Slovak desktop") << "mine.qlk"
                                                  << "sk_SK"
                                                  << "sk";
        QTest::newRow("own file, no German messages") << "mine.qlk"
                                                      << "de_DE"
                                                      << "cs";
    }
    void languageFollowsTheLanguageFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, desktop);
        QFETCH(QString, expected);
        QCOMPARE(interfaceLanguage(file.toStdString(), QLocale(desktop), builtFolders()), expected);
    }

    void messagesSpeakTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("copyFailure"); // %1 source, %2 destination, both quoted
        QTest::addColumn<QStringList>("buttons"); // the file dialog's Open and Cancel, the message box's OK
        QTest::newRow("czech") << "czech.qlk"
                               << "Soubor %1 nelze zkopírovat do %2: %1 nelze otevřít: soubor nebo složka neexistuje."
                               << QStringList{"&Otevřít", "Zrušit", "OK"};
        QTest::newRow("english")
            << "english.qlk"
            << "The file %1 cannot be copied to %2: %1 cannot be opened: No such file or directory."
            << QStringList{"&Open", "Cancel", "OK"};
    }
    void messagesSpeakTheChosenLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QString, copyFailure);
        QFETCH(QStringList, buttons);
        installInterfaceLanguage(file.toStdString(), builtFolders());

        // A failed copy, through the guard every event handler runs in.
        QTemporaryDir dir;
        const QString source = dir.filePath("chybí.txt"), target = dir.filePath("cíl.txt");
        platform::fakes::FakeMessageBoxService boxes;
        platform::runGuarded(boxes,
                             [&] { platform::file_operations::copyFile(source.toStdString(), target.toStdString()); });
        QCOMPARE(boxes.calls.size(), size_t(1));
        QCOMPARE(boxes.calls[0].text, copyFailure.arg('"' + source + '"', '"' + target + '"'));

        QStringList shown;
        platform::QtFileDialogService dialogs;
        QVERIFY(testing::inspectModal([&] { dialogs.show({}); },
                                      [&](QWidget& window) {
                                          shown << buttonText(window, QDialogButtonBox::Open)
                                                << buttonText(window, QDialogButtonBox::Cancel);
                                      }));
        platform::QtMessageBoxService messageBoxes;
        QVERIFY(testing::inspectModal([&] { messageBoxes.show("x", platform::ErrorOk, std::nullopt); },
                                      [&](QWidget& window) { shown << buttonText(window, QDialogButtonBox::Ok); }));
        QCOMPARE(shown, buttons);
    }

    void translationsAreChecked_data()
    {
        QTest::addColumn<QString>("ts");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reported");
        for (const char* language : {"cs", "en", "sk", "hu"})
            QTest::newRow(language) << QStringLiteral(QUELMARN_SOURCE_DIR "/languages/quelmarn_%1.ts").arg(language)
                                    << 0 << " 0 of ";
        QTest::newRow("unfinished") << "<translation type=\"unfinished\">x %1</translation>" << 1
                                    << "untranslated [platform] \"The file %1 cannot be deleted\"";
        QTest::newRow("file name dropped")
            << "<translation>Soubor nelze smazat</translation>" << 1 << "placeholders differ";
    }
    void translationsAreChecked()
    {
        QFETCH(QString, ts);
        QFETCH(int, status);
        QFETCH(QString, reported);
        QTemporaryDir dir;
        if (ts.startsWith(QLatin1Char('<'))) { // one message of a .ts written here
            testing::writeFile(dir.filePath("mine.ts"),
                               "<TS version=\"2.1\"><context><name>platform</name><message>"
                               "<source>The file %1 cannot be deleted</source>"
                                   + ts.toStdString() + "</message></context></TS>");
            ts = dir.filePath("mine.ts");
        }
        QProcess tscheck;
        tscheck.start(QStringLiteral(TSCHECK_PATH), {ts});
        QVERIFY(tscheck.waitForFinished(30000));
        const QString output = QString::fromUtf8(tscheck.readAllStandardOutput());
        QVERIFY2(output.contains(reported), qPrintable(output));
        QCOMPARE(tscheck.exitCode(), status);
    }

    // Each filter shows its description as given, its pattern not repeated.
    void fileDialogShowsEachFilterOnce_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("programs") << "Spustitelné programy (*.exe)|*.exe|Všechny typy souborů|*.*"
                                  << QStringList{"Spustitelné programy (*.exe)", "Všechny typy souborů"};
        QTest::newRow("notes") << "Textové soubory TXT (*.TXT)|*.TXT" << QStringList{"Textové soubory TXT (*.TXT)"};
    }
    void fileDialogShowsEachFilterOnce()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        platform::QtFileDialogService dialogs;
        QStringList listed;
        QVERIFY(testing::inspectModal(
            [&] {
                dialogs.show({platform::FileDialogRequest::Open, filter, {}, {}});
            },
            [&](QWidget& window) {
                auto* types = window.findChild<QComboBox*>("fileTypeCombo");
                for (int i = 0; types && i < types->count(); ++i) listed << types->itemText(i);
            }));
        QCOMPARE(listed, shown);
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "test_interface_language.moc"
