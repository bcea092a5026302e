#include "install/log_list_model.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestLogListModel : public QObject {
    Q_OBJECT
private slots:
    void linesReachTheViewInBatches()
    {
        LogListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 1000; ++i)
            model.append(QString::number(i));
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.lineCount(), 1000);
        model.flush();
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(model.rowCount(), 1000);
        QCOMPARE(model.index(999).data().toString(), u"999"_qs);
        model.append(QString());
        model.flush();
        model.flush();
        QCOMPARE(inserted.size(), 2);
        QCOMPARE(model.lines().size(), 1001);
        QCOMPARE(model.index(1000).data().toString(), QString());

        model.append(u"pending"_qs);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.lineCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestLogListModel)
#include "test_log_list_model.moc"
