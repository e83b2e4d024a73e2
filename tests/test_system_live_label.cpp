// The fast up-time label must look and read like an ordinary label.

#include <QBackingStore>
#include <QLabel>
#include <QPaintEvent>
#include <QtTest>

#include "sections/system/live_label.h"
#include "startup/appearance.h"

namespace {

QImage rendered(QLabel& label)
{
    label.setGeometry(0, 0, 297, 17);
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Share of pixels that differ noticeably between two pictures of one size.
double differingShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return 1.0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96) ++differing;
    return double(differing) / (a.width() * a.height());
}

QImage asPlainLabel(const QString& text)
{
    QLabel plain(text);
    plain.setTextFormat(Qt::PlainText);
    return rendered(plain);
}

// Remembers the area of every paint of the widget it watches.
class PaintRecorder : public QObject {
public:
    QList<QRect> areas;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) areas.append(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

} // namespace

class LiveLabelTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { applyAppearance(*qApp); }

    void looksAndReadsLikeAPlainLabel_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("value");
        QTest::newRow("czech up-time") << "Windows již běží "
                                       << "12h 34m 56s 789ms";
        QTest::newRow("empty entry") << ""
                                     << "0h 0m 0s 0ms";
        QTest::newRow("value outside the cache") << "Up: "
                                                 << "čas 5 ms"; // drawn as a whole
    }
    void looksAndReadsLikeAPlainLabel()
    {
        QFETCH(QString, entry);
        QFETCH(QString, value);
        LiveLabel live;
        live.setTextFormat(Qt::PlainText);
        live.setAttribute(Qt::WA_OpaquePaintEvent);
        live.setParts(entry, value);
        QCOMPARE(live.text(), entry + value);
        const QImage fast = rendered(live);
        const QImage plain = asPlainLabel(entry + value);
        QVERIFY(differingShare(plain, asPlainLabel(QString())) > 0.02); // the text is really drawn
        const double share = differingShare(fast, plain);
        QVERIFY2(share < 0.01, qPrintable(QStringLiteral("%1 of the pixels differ").arg(share)));
    }

    void newEntryAndValueReplaceTheOldOnes()
    {
        LiveLabel live;
        live.setAttribute(Qt::WA_OpaquePaintEvent);
        live.setParts("A ", "1h 0m 0s 0ms");
        rendered(live);
        live.setParts("Running ", "2h 0m 0s 0ms");
        QCOMPARE(live.text(), QStringLiteral("Running 2h 0m 0s 0ms"));
        QVERIFY(differingShare(rendered(live), asPlainLabel("Running 2h 0m 0s 0ms")) < 0.01);

        QFont bigger = live.font();
        bigger.setPixelSize(14);
        live.setFont(bigger); // cached pictures of the old font are not reused
        QLabel plain("Running 2h 0m 0s 0ms");
        plain.setFont(bigger);
        QVERIFY(differingShare(rendered(live), rendered(plain)) < 0.01);
    }

    void repaintsOnlyWhatChangedYetShowsTheWholeText()
    {
        QWidget window;
        window.setFixedSize(297, 17);
        LiveLabel live(QString(), &window);
        live.setTextFormat(Qt::PlainText);
        live.setAttribute(Qt::WA_OpaquePaintEvent);
        live.setGeometry(0, 0, 297, 17);
        PaintRecorder recorder;
        live.installEventFilter(&recorder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPaintDevice* device = window.backingStore()->paintDevice();
        QVERIFY(device && device->devType() == QInternal::Image);

        const QList<QPair<QString, QString>> steps{
            {"Běží: ", "1h 59m 59s 998ms"}, {"Běží: ", "1h 59m 59s 999ms"}, {"Běží: ", "2h 0m 0s 0ms"},
            {"Běží: ", "2h 0m 0s 17ms"},    {"Běží: ", "2h 0m 0s 5ms"},     {"Up ", "2h 0m 0s 5ms"},
            {"Up ", "10h 0m 0s 5ms"},       {"Up ", "9h 0m 0s 5ms"},
        };
        for (const auto& [entry, value] : steps) {
            live.setParts(entry, value);
            // What the window holds now is what painting the text afresh gives:
            // no pixels of an older, longer or shifted text are left behind.
            const QImage shown =
                static_cast<QImage*>(device)->copy(live.geometry()).convertToFormat(QImage::Format_RGB32);
            const QImage afresh = live.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(shown == afresh, qPrintable(entry + value));
        }

        recorder.areas.clear();
        live.setParts("Up ", "9h 0m 0s 6ms");
        QCOMPARE(recorder.areas.size(), 1);
        QVERIFY2(recorder.areas[0].width() < live.width() / 4, "a new last digit repaints only its neighbourhood");
        recorder.areas.clear();
        live.setParts("Up ", "9h 0m 0s 6ms");
        QVERIFY(recorder.areas.isEmpty()); // nothing changed, nothing painted
    }
};

QTEST_MAIN(LiveLabelTest)
#include "test_system_live_label.moc"
