#include "app/mainwindow.h"
#include "app/presentersession.h"
#include "boardlookup.h"
#include "items/diagramitem.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

namespace {

QStringList said(const QSignalSpy &messages)
{
    QStringList texts;
    for (const QList<QVariant> &message : messages)
        texts << message.first().toString();
    return texts;
}

} // namespace

// What the presenter is told at start and while drawing, when the machine does not let the board
// do what it promises.
class TestPresenterSession : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearStore(); }
    void unusableGlobalKeyIsNamedAndReplaced_data();
    void unusableGlobalKeyIsNamedAndReplaced();
    void recoveryCopyThatCannotBeWrittenIsSaidOnce();
};

void TestPresenterSession::unusableGlobalKeyIsNamedAndReplaced_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("named");
    QTest::newRow("a key no keyboard sends") << QVariant("Ctrl+Alt+Ñ") << "Ctrl+Alt+Ñ";
    QTest::newRow("words") << QVariant("pulsa la D") << "pulsa la D";
    QTest::newRow("a letter alone, which would steal typing") << QVariant("D") << "D";
    QTest::newRow("two keys in a row") << QVariant("Ctrl+E, Ctrl+F") << "Ctrl+E, Ctrl+F";
    QTest::newRow("a number") << QVariant(42) << "42";
}

void TestPresenterSession::unusableGlobalKeyIsNamedAndReplaced()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, named);
    QSettings("Corvane Group", "CorvaneTaveloWindow2").setValue("globalKey", stored);
    QTemporaryDir keep;
    MainWindow board;
    QSignalSpy messages(board.statusBar(), &QStatusBar::messageChanged);
    PresenterSession session(board);

    session.start(keep.filePath("recovery.tavelo"));

    const QStringList told = said(messages);
    QVERIFY2(told.filter("«" + named + "»").size() == 1 && told.filter("Ctrl+Alt+D").size() == 1,
             qPrintable(told.join(" | ")));
}

// No room or no permission: the presenter hears once that the drawings are not being kept, and
// once when they are again.
void TestPresenterSession::recoveryCopyThatCannotBeWrittenIsSaidOnce()
{
    QTemporaryDir keep;
    const QString blocker = keep.filePath("blocked");
    // A file where the copy's folder should be: nobody, root included, can write the copy there.
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    MainWindow board;
    auto *scene = board.findChild<DiagramScene *>();
    QSignalSpy messages(board.statusBar(), &QStatusBar::messageChanged);
    PresenterSession session(board);
    session.start(blocker + "/recovery.tavelo");

    auto addShape = [scene] {
        auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
        scene->addItem(shape);
        scene->recordAddition({shape}, "forma");
    };
    const QString notKept = "no se están guardando";
    QTRY_COMPARE(said(messages).filter(notKept).size(), 1);
    addShape(); // another copy that fails is not said again
    QTest::qWait(2500);
    QCOMPARE(said(messages).filter(notKept).size(), 1);

    QVERIFY(QFile::remove(blocker));
    addShape();
    QTRY_COMPARE_WITH_TIMEOUT(said(messages).filter("vuelven a guardarse").size(), 1, 5000);
    QTRY_VERIFY(QFile::exists(blocker + "/recovery.tavelo"));
    QCOMPARE(said(messages).filter(notKept).size(), 1);
}

TAVELO_TEST_MAIN(TestPresenterSession)
#include "tst_presentersession.moc"
