#include "common/window_layout.h"

#include <QTest>

using namespace WindowLayout;

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void factorsHaveAFloor_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("layoutWidth");
        QTest::addColumn<double>("fx");
        QTest::addColumn<double>("fy");
        QTest::newRow("designed") << 888.0 << 529.0 << kFullWidth << 1.0 << 1.0;
        QTest::newRow("twice") << 1776.0 << 1058.0 << kFullWidth << 2.0 << 2.0;
        QTest::newRow("below three quarters") << 400.0 << 300.0 << kFullWidth << 0.75 << 0.75;
        QTest::newRow("exactly three quarters") << 666.0 << 396.75 << kFullWidth << 0.75 << 0.75;
        QTest::newRow("ncs coding only") << 888.0 << 529.0 << kNcsOnlyWidth << 888.0 / 448.0 << 1.0;
    }

    void factorsHaveAFloor()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, layoutWidth);
        QFETCH(double, fx);
        QFETCH(double, fy);
        const Factors f = factors(width, height, layoutWidth, kDesignedHeight);
        QCOMPARE(f.x, fx);
        QCOMPARE(f.y, fy);
    }

    void placement_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        // Designed 10,20,100,30; factors 2 x 1.5; current size 55 x 21; cmdShow ends at 400.
        QTest::newRow("scaled") << int(ControlKind::Other) << QString() << 20.0 << 30.0 << 200.0 << 45.0;
        QTest::newRow("combo keeps height") << int(ControlKind::ComboBox) << QString() << 20.0 << 30.0 << 200.0 << 21.0;
        QTest::newRow("NR keeps size") << int(ControlKind::Other) << u"NR"_qs << 20.0 << 30.0 << 55.0 << 21.0;
        QTest::newRow("NS aligns right to cmdShow") << int(ControlKind::Other) << u"NS"_qs << 400.0 - 55.0 - 8.0
                                                    << 30.0 << 55.0 << 21.0;
        QTest::newRow("line scales both ends") << int(ControlKind::Line) << QString() << 20.0 << 30.0 << 220.0 << 75.0;
    }

    void placement()
    {
        QFETCH(int, kind);
        QFETCH(QString, tag);
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, width);
        QFETCH(double, height);
        const Placement p = place({10, 20, 100, 30}, ControlKind(kind), tag, {2.0, 1.5}, 55, 21, 400);
        QCOMPARE(p.left, left);
        QCOMPARE(p.top, top);
        QCOMPARE(p.width, width);
        QCOMPARE(p.height, height);
    }

    void startUpPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("applied"); // "left,top,width,height" with - for not applied
        QTest::newRow("normal") << u"Normal"_qs << 0 << u"-,-,-,-"_qs;
        QTest::newRow("maximized") << u"Maximized"_qs << 1 << u"-,-,-,-"_qs;
        QTest::newRow("valid") << u"1200,900,13560,8640"_qs << 2 << u"1200,900,13560,8640"_qs;
        QTest::newRow("zero keeps designed place") << u"0,0,13560,8640"_qs << 2 << u"-,-,13560,8640"_qs;
        QTest::newRow("negative") << u"-15,-30,13560,8640"_qs << 2 << u"-,-,13560,8640"_qs;
        QTest::newRow("too far right and down") << u"20000,15000,13560,8640"_qs << 2 << u"-,-,13560,8640"_qs;
        QTest::newRow("missing parts") << u"1200,900"_qs << 2 << u"1200,900,-,-"_qs;
        QTest::newRow("not numbers") << u"a,b,c,d"_qs << 2 << u"-,-,-,-"_qs;
    }

    void startUpPosition()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QFETCH(QString, applied);
        // Screen 28800 x 16200 twips, designed window 13320 x 7935.
        const StartUpPosition p = parseStartUpPosition(text, 28800, 16200, 13320, 7935);
        QCOMPARE(int(p.mode), mode);
        auto show = [](const std::optional<double>& v) { return v ? QString::number(*v) : u"-"_qs; };
        QCOMPARE(show(p.left) + u',' + show(p.top) + u',' + show(p.width) + u',' + show(p.height), applied);
    }

    void startUpPositionText()
    {
        QCOMPARE(formatStartUpPosition(WindowState::Normal, 1200, 900, 13560, 8640), u"1200,900,13560,8640"_qs);
        QCOMPARE(formatStartUpPosition(WindowState::Minimized, 1, 2, 3, 4), u"Normal"_qs);
        QCOMPARE(formatStartUpPosition(WindowState::Maximized, 1, 2, 3, 4), u"Maximized"_qs);
    }
};

QTEST_GUILESS_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
