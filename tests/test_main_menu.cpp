// The main menu: captions, clock, localisation line, advertisement, the
// single-instance windows, the easter egg and ending the program.

#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "main_menu/main_menu.h"
#include "tests/support/test_support.h"

namespace {

// A section window that counts how often it was created (loaded).
struct CountingFactory {
    int created = 0;
    QWidget* operator()()
    {
        ++created;
        auto* window = new QWidget;
        window->setObjectName(QStringLiteral("section%1").arg(created));
        return window;
    }
};

QPushButton* button(QWidget& menu, const char* name)
{
    auto* found = menu.findChild<QPushButton*>(QLatin1String(name));
    if (!found) qFatal("no button %s", name);
    return found;
}

QLabel* label(QWidget& menu, const char* name)
{
    auto* found = menu.findChild<QLabel*>(QLatin1String(name));
    if (!found) qFatal("no label %s", name);
    return found;
}

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void titleSizeAndCaptionsFromTheTable()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        QCOMPARE(menu.windowTitle(), QStringLiteral("Quelmarn Manager 0.05"));
        QCOMPARE(menu.size(), QSize(747, 320));
        const std::pair<const char*, int> captions[] = {
            {"Command1", 6},  {"Command2", 7},  {"Command7", 8},  {"Command3", 9},  {"Command4", 10},
            {"Command5", 11}, {"Command6", 12}, {"Command8", 13}, {"Command9", 14}, {"Command10", 15},
        };
        for (const auto& [name, entry] : captions)
            QCOMPARE(button(menu, name)->text(), QStringLiteral("T%1").arg(entry));
        QCOMPARE(label(menu, "Label1")->text(), QStringLiteral("v. 0.05"));
        QCOMPARE(label(menu, "Label3")->text(), QStringLiteral("&"));
    }

    void localisationLineAndTooltip()
    {
        testing::FakeApp app;
        {
            main_menu menu(app.context);
            QCOMPARE(label(menu, "Label5")->text(), QStringLiteral("T3T127 | T4T126 | T5T128"));
            QCOMPARE(label(menu, "Label5")->toolTip(), label(menu, "Label5")->text());
        }
        for (int n : {3, 4, 5, 126, 127, 128}) app.table.setText(n, QString());
        main_menu menu(app.context);
        QCOMPARE(label(menu, "Label5")->text(), QStringLiteral(" |  | "));
        QCOMPARE(label(menu, "Label5")->toolTip(), QStringLiteral(" |  | "));
    }

    void clockComposition_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("C") << QLocale::c() << "Dnes 7 Dec 2026 Cas09:05:03";
        QTest::newRow("czech") << QLocale(QLocale::Czech, QLocale::Czechia) << "Dnes 07.12.26 Cas9:05:03";
        QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "Dnes 12/7/26 Cas9:05:03 AM";
    }
    void clockComposition()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        const QDateTime at(QDate(2026, 12, 7), QTime(9, 5, 3));
        QCOMPARE(main_menu::clockText("Dnes", "Cas", at, locale), expected);
    }

    void clockShowsAtLoadAndTicksEverySecond()
    {
        testing::FakeApp app;
        app.table.setText(1, "A");
        app.table.setText(2, "B");
        main_menu menu(app.context);
        QLabel* clock = label(menu, "datum_a_cas");
        QVERIFY(clock->text().startsWith(QStringLiteral("A ")));
        QVERIFY(clock->text().contains(QStringLiteral(" B")));
        auto* timer = menu.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);

        // Each tick shows the time of that tick (the second may turn meanwhile).
        clock->clear();
        const QString before = main_menu::clockText("A", "B", QDateTime::currentDateTime(), QLocale());
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        const QString after = main_menu::clockText("A", "B", QDateTime::currentDateTime(), QLocale());
        QVERIFY2(clock->text() == before || clock->text() == after, qPrintable(clock->text()));

        // The real timer ticks by itself.
        clock->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!clock->text().isEmpty(), 10000);
    }

    void advertisementIsNavigatedOnceAfterTheFirstPaint()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        QVERIFY(app.fakes.browsers.created.empty()); // nothing before the window is painted
        menu.show();
        QTRY_COMPARE(app.fakes.browsers.created.size(), size_t(1));
        menu.repaint();
        QCoreApplication::processEvents(); // where a second navigation would run
        QCOMPARE(app.fakes.browsers.created.size(), size_t(1));
        auto* banner = app.fakes.browsers.created[0];
        QCOMPARE(banner->objectName(), QStringLiteral("Webreklama"));
        QCOMPARE(banner->geometry(), QRect(113, 0, 521, 73));
        QCOMPARE(banner->calls, QStringList{"navigate http://127.0.0.1:9/program/reklama/uvod/index.html"});
        QCOMPARE(app.fakes.network.pagesAsked, QStringList{"http://127.0.0.1:9/program/reklama/uvod/index.html"});
        QVERIFY(!menu.findChild<QWidget*>(QStringLiteral("offlineStrip")));
    }

    // The site is not even asked: a page that answered would load the
    // engine, which would end the process.
    void bannerSaysWhyWhenTheEngineCannotRun()
    {
        testing::FakeApp app;
        app.fakes.browsers.unavailableReason = QStringLiteral("no sandbox");
        main_menu menu(app.context);
        menu.show();
        QTRY_VERIFY(menu.findChild<QWidget*>(QStringLiteral("offlineStrip")));
        QCOMPARE(testing::child<QWidget>(menu, QStringLiteral("offlineStrip"))->geometry(), QRect(113, 0, 521, 73));
        QCOMPARE(testing::child<QLabel>(menu, QStringLiteral("offlineReason"))->text(), QStringLiteral("no sandbox"));
        QVERIFY(!testing::child<QPushButton>(menu, QStringLiteral("zkusitZnovu"))->isVisible());
        QVERIFY(app.fakes.network.pagesAsked.isEmpty());
        QVERIFY(app.fakes.browsers.created.empty());
    }

    void sectionButtonsKeepOneWindowEach()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        menu.show();
        CountingFactory factory;
        menu.windows().replace<frm_sit>(std::ref(factory));

        button(menu, "Command3")->click();
        button(menu, "Command3")->click();
        QCOMPARE(factory.created, 1);
        QPointer<QWidget> first = menu.windows().window<frm_sit>();
        QVERIFY(first && first->isVisible());
        QVERIFY(!first->parentWidget()); // no owner window
        QVERIFY(menu.isVisible());       // the menu stays

        first->close(); // destroyed on close...
        QTRY_VERIFY(first.isNull());
        button(menu, "Command3")->click(); // ...and loaded afresh
        QCOMPARE(factory.created, 2);
        QVERIFY(menu.windows().window<frm_sit>()->isVisible());
    }

    void windowClosedAMomentAgoIsMadeAfresh()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        CountingFactory factory;
        menu.windows().replace<frm_sit>(std::ref(factory));
        button(menu, "Command3")->click();
        menu.windows().window<frm_sit>()->close();
        button(menu, "Command3")->click(); // before the closed one is deleted
        QCOMPARE(factory.created, 2);
        QTRY_COMPARE(menu.windows().window<frm_sit>()->objectName(), QStringLiteral("section2"));
    }

    void clickDuringALoadThatWaitsMakesNoSecondWindow()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        int created = 0;
        QWidget* shownDuringLoad = &menu;
        // A load that runs the event loop while it waits, as the network
        // window's does; the user clicks its button again meanwhile.
        menu.windows().replace<frm_sit>([&]() -> QWidget* {
            ++created;
            if (created == 1) {
                QEventLoop wait;
                QTimer::singleShot(0, &menu, [&] {
                    button(menu, "Command3")->click();
                    wait.quit();
                });
                wait.exec();
                shownDuringLoad = menu.windows().window<frm_sit>();
            }
            return new QWidget;
        });
        button(menu, "Command3")->click();
        QCOMPARE(created, 1);
        QCOMPARE(shownDuringLoad, nullptr);
        QVERIFY(app.fakes.messages.calls.empty()); // the second click just waits
        QVERIFY(menu.windows().window<frm_sit>()->isVisible());
    }

    void konecClosesEverythingAndEndsTheProgram()
    {
        for (bool withWindows : {false, true}) {
            testing::FakeApp app;
            main_menu menu(app.context);
            menu.show();
            std::vector<QPointer<QWidget>> open;
            if (withWindows) {
                menu.windows().replace<frm_sit>([] { return new QWidget; });
                menu.windows().replace<frm_hlasky>([] { return new QWidget; });
                menu.windows().replace<frmAbout>([] { return new QWidget; });
                open.emplace_back(menu.windows().show<frm_sit>());
                open.emplace_back(menu.windows().show<frm_hlasky>());
                open.emplace_back(menu.windows().show<frmAbout>());
            }
            button(menu, "Command6")->click();
            QCOMPARE(app.endProgramCalls, 1);
            QVERIFY(!menu.isVisible());
            for (const auto& window : open) QTRY_VERIFY(window.isNull());
        }
    }

    // Konec closes every form, the start-up form among them, in the order
    // of their names without regard to case: "frm_" before "frmAbout".
    void closingOrderOfKonec()
    {
        const QStringList order = main_menu::closingOrder();
        QStringList forms = SectionWindows::classNames() << QStringLiteral("frm_load");
        QCOMPARE(QSet<QString>(order.begin(), order.end()), QSet<QString>(forms.begin(), forms.end()));
        QCOMPARE(order.size(), forms.size());
        QVERIFY(std::is_sorted(order.begin(), order.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        }));
        QCOMPARE(order.last(), QStringLiteral("frmAbout"));
    }

    void titleBarCloseEndsTheProgramOnlyWhenNothingElseIsOpen()
    {
        // Runs the real event loop: the program ends when its loop returns.
        testing::FakeApp app;
        const auto runUntilQuit = [] {
            QTimer watchdog; // the program did not end
            watchdog.setSingleShot(true);
            QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
            watchdog.start(5000);
            return QCoreApplication::exec();
        };
        {
            main_menu menu(app.context);
            menu.windows().replace<frm_sit>([] { return new QWidget; });
            menu.show();
            QPointer<QWidget> other = menu.windows().show<frm_sit>();
            bool aliveAfterMenuClosed = false;
            QTimer::singleShot(0, &menu, [&] { menu.close(); });
            QTimer::singleShot(300, [&] {
                aliveAfterMenuClosed = other && other->isVisible();
                other->close();
            });
            QCOMPARE(runUntilQuit(), 0);
            QVERIFY(aliveAfterMenuClosed); // the open section kept the program alive
        }
        main_menu alone(app.context);
        alone.show();
        QTimer::singleShot(0, &alone, [&] { alone.close(); });
        QCOMPARE(runUntilQuit(), 0);
    }

    void easterEggShowsBothPicturesForGood()
    {
        testing::FakeApp app;
        main_menu menu(app.context);
        menu.show();
        QLabel* image2 = label(menu, "Image2");
        QLabel* image3 = label(menu, "Image3");
        QVERIFY(!image2->isVisible() && !image3->isVisible());
        QVERIFY(!label(menu, "Image1")->pixmap().isNull());
        QWidget* egg = menu.findChild<QWidget*>("egg1_aktivuj");
        QTest::mouseClick(egg, Qt::LeftButton);
        QVERIFY(image2->isVisible() && image3->isVisible());
        QVERIFY(!image2->pixmap().isNull() && !image3->pixmap().isNull());
        QTest::mouseClick(egg, Qt::LeftButton);
        QVERIFY(image2->isVisible() && image3->isVisible());
        QVERIFY(image2->hasScaledContents());
    }
};

QTEST_MAIN(MainMenuTest)
#include "test_main_menu.moc"
