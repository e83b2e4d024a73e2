// The interface language: the chosen language file decides the language of
// the program's own messages and of Qt's dialogs; every shipped translation
// is complete; the file dialog shows each filter once.

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include "platform/fakes/fake_services.h"
#include "platform/services/guard.h"
#include "platform/services/qt/interface_language.h"
#include "platform/services/qt/qt_services.h"
#include "platform/sys/file_operations.h"
#include "tests/support/test_support.h"

namespace {

std::vector<std::string> builtFolders() { return {testing::builtLanguageFolder().toStdString()}; }

QString buttonText(QWidget& window, QDialogButtonBox::StandardButton which)
{
    auto* box = window.findChild<QDialogButtonBox*>();
    QPushButton* button = box ? box->button(which) : nullptr;
    return button ? button->text() : QStringLiteral("(no such button)");
}

// What tscheck says of a translation source, and its exit status.
std::pair<int, QString> tscheck(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral(TSCHECK_PATH), {file});
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { platform::installInterfaceLanguage("english.qlk", builtFolders()); }

    void languageFollowsTheLanguageFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("czech") << "czech.qlk" << "en_US" << "cs";
        QTest::newRow("english, any case") << "ENGLISH.QLK" << "cs_CZ" << "en";
        QTest::newRow("slovak") << "slovak.qlk" << "C" << "sk";
        QTest::newRow("hungarian") << "hungarian.qlk" << "sk_SK" << "hu";
        QTest::newRow("own file, Slovak desktop") << "mine.qlk" << "sk_SK" << "sk";
        QTest::newRow("own file, English desktop") << "mine.qlk" << "en_GB" << "en";
        QTest::newRow("own file, no German messages") << "mine.qlk" << "de_DE" << "cs";
        QTest::newRow("own file, C locale") << "mine.qlk" << "C" << "cs";
    }
    void languageFollowsTheLanguageFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, desktop);
        QFETCH(QString, expected);
        QCOMPARE(platform::interfaceLanguage(file.toStdString(), QLocale(desktop), builtFolders()), expected);
    }

    void messagesSpeakTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("copyFailure"); // %1 source, %2 destination, both quoted
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("ok");
        QTest::newRow("czech") << "czech.qlk"
                               << "Soubor %1 nelze zkopírovat do %2: %1 nelze otevřít: soubor nebo složka neexistuje."
                               << "&Otevřít" << "Zrušit" << "OK";
        QTest::newRow("english") << "english.qlk"
                                 << "The file %1 cannot be copied to %2: %1 cannot be opened: No such file or directory."
                                 << "&Open" << "Cancel" << "OK";
        QTest::newRow("hungarian") << "hungarian.qlk"
                                   << "A(z) %1 fájl nem másolható ide: %2: %1 nem nyitható meg: nincs ilyen fájl vagy mappa."
                                   << "&Megnyitás" << "Mégse" << "OK";
    }
    void messagesSpeakTheChosenLanguage()
    {
        QFETCH(QString, file);
        QFETCH(QString, copyFailure);
        QFETCH(QString, open);
        QFETCH(QString, cancel);
        QFETCH(QString, ok);
        platform::installInterfaceLanguage(file.toStdString(), builtFolders());

        // A failed copy, through the guard every event handler runs in.
        QTemporaryDir dir;
        const QString source = dir.filePath("chybí.txt");
        const QString target = dir.filePath("cíl.txt");
        platform::fakes::FakeMessageBoxService boxes;
        platform::runGuarded(boxes, [&] { platform::file_operations::copyFile(source.toStdString(), target.toStdString()); });
        QCOMPARE(boxes.calls.size(), size_t(1));
        QCOMPARE(boxes.calls[0].text, copyFailure.arg('"' + source + '"', '"' + target + '"'));

        QString shownOpen, shownCancel, shownOk;
        platform::QtFileDialogService dialogs;
        QVERIFY(testing::inspectModal([&] { dialogs.show({}); }, [&](QWidget& window) {
            shownOpen = buttonText(window, QDialogButtonBox::Open);
            shownCancel = buttonText(window, QDialogButtonBox::Cancel);
        }));
        platform::QtMessageBoxService messageBoxes;
        QVERIFY(testing::inspectModal([&] { messageBoxes.show(QStringLiteral("x"), platform::ErrorOk, std::nullopt); },
                                      [&](QWidget& window) {
                                          auto* box = qobject_cast<QMessageBox*>(&window);
                                          shownOk = box ? box->button(QMessageBox::Ok)->text() : QString();
                                      }));
        QCOMPARE(shownOpen, open);
        QCOMPARE(shownCancel, cancel);
        QCOMPARE(shownOk, ok);
    }

    void translationsAreChecked_data()
    {
        QTest::addColumn<QString>("ts");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reported");
        const QString sources = QStringLiteral(QUELMARN_SOURCE_DIR "/languages/quelmarn_%1.ts");
        for (const char* language : {"cs", "en", "sk", "hu"})
            QTest::newRow(language) << sources.arg(QLatin1String(language)) << 0 << " 0 of ";
        const auto message = [](const char* translation) {
            return QStringLiteral("<message><source>The file %1 cannot be deleted</source>") + QLatin1String(translation)
                + QStringLiteral("</message>");
        };
        QTest::newRow("unfinished") << message("<translation type=\"unfinished\">x %1</translation>") << 1
                                    << "untranslated [platform] \"The file %1 cannot be deleted\"";
        QTest::newRow("empty") << message("<translation></translation>") << 1 << "untranslated";
        QTest::newRow("file name dropped") << message("<translation>Soubor nelze smazat</translation>") << 1
                                           << "placeholders differ";
        QTest::newRow("placeholder added") << message("<translation>Soubor %1 nelze smazat: %2</translation>")
                                           << 1 << "placeholders differ";
        QTest::newRow("translated") << message("<translation>Soubor %1 nelze smazat</translation>") << 0
                                    << " 0 of 1 messages undone";
    }
    void translationsAreChecked()
    {
        QFETCH(QString, ts);
        QFETCH(int, status);
        QFETCH(QString, reported);
        QString file = ts;
        QTemporaryDir dir;
        if (ts.startsWith(QLatin1Char('<'))) {
            file = dir.filePath("mine.ts");
            testing::writeFile(file, ("<?xml version=\"1.0\" encoding=\"utf-8\"?><TS version=\"2.1\"><context>"
                                      "<name>platform</name>" + ts + "</context></TS>").toStdString());
        }
        const auto [exitCode, output] = tscheck(file);
        QVERIFY2(output.contains(reported), qPrintable(output));
        QCOMPARE(exitCode, status);
    }

    // Each filter shows its description as given, its pattern not repeated.
    void fileDialogShowsEachFilterOnce_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("programs") << "Spustitelné programy (*.exe)|*.exe|Všechny typy souborů|*.*"
                                  << QStringList{"Spustitelné programy (*.exe)", "Všechny typy souborů"};
        QTest::newRow("notes") << "Textové soubory TXT (*.TXT)|*.TXT" << QStringList{"Textové soubory TXT (*.TXT)"};
        QTest::newRow("without pattern in the description") << "Programy|*.exe" << QStringList{"Programy"};
    }
    void fileDialogShowsEachFilterOnce()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, shown);
        platform::QtFileDialogService dialogs;
        platform::FileDialogRequest request;
        request.filter = filter;
        QStringList listed;
        QVERIFY(testing::inspectModal([&] { dialogs.show(request); }, [&](QWidget& window) {
            if (auto* types = window.findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
                for (int i = 0; i < types->count(); ++i) listed << types->itemText(i);
        }));
        QCOMPARE(listed, shown);
    }
};

QTEST_MAIN(InterfaceLanguageTest)
#include "test_interface_language.moc"
