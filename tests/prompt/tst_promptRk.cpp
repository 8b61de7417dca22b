#include "promptRk.h"

#include <QApplication>
#include <QtTest>

// The seam must never show a real dialog in test mode, must hand out the
// scripted answers in order and fall back to the answer that does nothing.
class tst_promptRk : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        promptRk::setTesting(true);
        promptRk::clearHistory();
    }

    void scriptedAnswersComeInOrder()
    {
        promptRk::setNextAnswer(QMessageBox::Yes);
        promptRk::setNextAnswer(QMessageBox::No);
        QCOMPARE(promptRk::question(nullptr, "Tips", "first?"), QMessageBox::Yes);
        QCOMPARE(promptRk::question(nullptr, "Tips", "second?"), QMessageBox::No);
    }

    void unscriptedQuestionAnswersSafely_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("expected");
        QTest::newRow("yes/no") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No);
        QTest::newRow("ok/cancel")
            << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Cancel);
        QTest::newRow("yes/no/cancel")
            << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
            << int(QMessageBox::No);
    }

    void unscriptedQuestionAnswersSafely()
    {
        QFETCH(int, buttons);
        QFETCH(int, expected);
        const auto answer =
            promptRk::warning(nullptr, "Warning", "Upload?", QMessageBox::StandardButtons(buttons));
        QCOMPARE(int(answer), expected);
        QCOMPARE(promptRk::history().size(), 1);
        QCOMPARE(promptRk::history().first().kind, promptRk::Warning);
    }

    // A plain box does not eat the answer scripted for the question after it.
    void plainBoxesDoNotConsumeAnswers()
    {
        promptRk::setNextAnswer(QMessageBox::Yes);
        QCOMPARE(promptRk::information(nullptr, "Tips", "note"), QMessageBox::Ok);
        promptRk::timedInformation(nullptr, "Tips", "White calibration success!", 1500);
        QCOMPARE(promptRk::question(nullptr, "Tips", "Do you want white calibration?"),
                 QMessageBox::Yes);

        const QList<promptRk::Record> h = promptRk::history();
        QCOMPARE(h.size(), 3);
        QCOMPARE(h.at(0).kind, promptRk::Information);
        QCOMPARE(h.at(1).kind, promptRk::TimedInformation);
        QCOMPARE(h.at(1).text, QString("White calibration success!"));
        QCOMPARE(h.at(2).kind, promptRk::Question);
        QCOMPARE(h.at(2).title, QString("Tips"));
    }

    void fileDialogsTakeScriptedNamesOrCancel()
    {
        promptRk::setNextFileName("/tmp/a.qcm");
        QCOMPARE(promptRk::getOpenFileName(nullptr, "Open", "/tmp", "*.qcm"),
                 QString("/tmp/a.qcm"));
        QVERIFY(promptRk::getSaveFileName(nullptr, "Save As").isEmpty());
        QVERIFY(promptRk::getExistingDirectory(nullptr, "Library").isEmpty());
        const QList<promptRk::Record> h = promptRk::history();
        QCOMPARE(h.size(), 3);
        QCOMPARE(h.at(0).kind, promptRk::OpenFileName);
        QCOMPARE(h.at(0).title, QString("Open"));
        QCOMPARE(h.at(1).kind, promptRk::SaveFileName);
        QCOMPARE(h.at(2).kind, promptRk::ExistingDirectory);
    }

    void clearForgetsQueuedAnswers()
    {
        promptRk::setNextAnswer(QMessageBox::Yes);
        promptRk::setNextFileName("x");
        promptRk::clearHistory();
        QCOMPARE(promptRk::question(nullptr, "Tips", "?"), QMessageBox::No);
        QVERIFY(promptRk::getOpenFileName(nullptr, "Open").isEmpty());
    }

    // Outside test mode a real box is shown; a timer accepts it so the test
    // never blocks.
    void realBoxIsShownOutsideTestMode()
    {
        promptRk::setTesting(false);
        bool seen = false;
        QTimer::singleShot(50, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->text() == "real";
                box->accept();
            }
        });
        promptRk::timedInformation(nullptr, "Tips", "real", 5000);
        promptRk::setTesting(true);
        QVERIFY(seen);
        QVERIFY(promptRk::history().isEmpty());
    }

    // The calibration success box closes itself; nobody presses anything.
    void timedBoxClosesItself()
    {
        promptRk::setTesting(false);
        bool wasShown = false;
        QTimer::singleShot(20, [&wasShown] {
            wasShown = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()) != nullptr;
        });
        promptRk::timedInformation(nullptr, "Tips", "closes alone", 200);
        promptRk::setTesting(true);
        QVERIFY(wasShown);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(tst_promptRk)
#include "tst_promptRk.moc"
