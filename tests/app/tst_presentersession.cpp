#include "app/boarddocument.h"
#include "app/mainwindow.h"
#include "app/presentersession.h"
#include "boardcompare.h"
#include "boardlookup.h"
#include "items/diagramitem.h"
#include "scene/boardpages.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeySequenceEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>

namespace {

QImage renderOf(QGraphicsScene &page)
{
    return renderedArea(page, QRectF(0, 0, 1000, 600), 1);
}

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
    void boardKeptAtSalirOpensAgainAsOneStep();
    void settingsWindowWritesOnlyChangesAndRestablecerForgetsThem();
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

// Salir keeps the board with its pages; the next start begins empty, says so, and opens it again
// as one step of the history, which Ctrl+Z takes back. A file that is no board changes nothing.
void TestPresenterSession::boardKeptAtSalirOpensAgainAsOneStep()
{
    QTemporaryDir keep;
    const QString recoveryPath = keep.filePath("recovery.tavelo");
    QList<QImage> drawn;
    {
        MainWindow board;
        PresenterSession session(board);
        session.start(recoveryPath);
        for (int page = 0; page < 2; ++page) {
            if (page > 0)
                board.boardPages()->addPage();
            DiagramScene *scene = board.boardScene();
            auto *shape = new DiagramItem(DiagramItem::Square, nullptr);
            shape->setBrush(Qt::yellow);
            shape->setPos(100 + 300 * page, 200);
            scene->addItem(shape);
            scene->recordAddition({shape}, "forma");
            drawn << renderOf(*scene);
        }
        session.endCleanly();
    }
    QVERIFY(!QFile::exists(recoveryPath));

    MainWindow board;
    QSignalSpy messages(board.statusBar(), &QStatusBar::messageChanged);
    PresenterSession session(board);
    session.start(recoveryPath);
    QCOMPARE(said(messages).filter("Ctrl+O abre el último tablero").size(), 1);
    BoardPages &pages = *board.boardPages();
    const QImage empty = renderOf(*board.boardScene());

    QFile notABoard(keep.filePath("notes.tavelo"));
    QVERIFY(notABoard.open(QIODevice::WriteOnly) && notABoard.write("just words") > 0);
    notABoard.close();
    board.boardDocument()->openAsking(notABoard.fileName());
    QVERIFY(board.statusBar()->currentMessage().contains("no es un archivo del tablero"));
    QCOMPARE(pages.count(), 1);

    board.boardDocument()->openLastBoard();
    QCOMPARE(pages.count(), 2);
    for (int page = 0; page < 2; ++page)
        QCOMPARE(renderOf(*pages.all().at(page)), drawn.at(page));
    QVERIFY(!board.boardDocument()->hasUnsavedChanges());

    board.boardScene()->history()->undo();
    QCOMPARE(pages.count(), 1);
    QCOMPARE(renderOf(*board.boardScene()), empty);
}

// "Preferencias" writes a value only when it is changed, and "Restablecer" gives every one back
// as at the first start: nothing of the window is left in the store, the toggles off again.
void TestPresenterSession::settingsWindowWritesOnlyChangesAndRestablecerForgetsThem()
{
    MainWindow board;
    PresenterSession session(board);
    const QSettings &store = board.preferences();
    const QStringList written = store.allKeys(); // the text format, as the board always kept it
    const QList<QAction *> actions = board.actions();
    const auto preferences = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
        return action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Comma);
    });
    QVERIFY(preferences != actions.end());
    (*preferences)->trigger();
    auto *window = board.findChild<QDialog *>();
    QVERIFY(window && window->isVisible());
    QCOMPARE(store.allKeys(), written);
    // No X server here: the desktop would choose the key, which the field says and cannot change.
    QVERIFY(!window->findChild<QKeySequenceEdit *>()->isEnabled());

    const QList<QComboBox *> choices = window->findChildren<QComboBox *>();
    for (QComboBox *choice : choices)
        QTest::keyClick(choice, Qt::Key_Down);
    const QList<QCheckBox *> boxes = window->findChildren<QCheckBox *>();
    QList<bool> atFirstStart;
    for (QCheckBox *box : boxes) {
        atFirstStart << box->isChecked();
        box->click();
    }
    auto *spotlight = window->findChild<QSpinBox *>();
    spotlight->stepUp();
    emit spotlight->editingFinished();
    QVERIFY2(store.allKeys().size() >= written.size() + boxes.size() + 3,
             qPrintable(store.allKeys().join(' ')));
    QVERIFY(board.showClicksToggle()->isChecked());

    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    const auto reset = std::find_if(buttons.begin(), buttons.end(), [](QPushButton *button) {
        return button->text() == "Restablecer";
    });
    QVERIFY(reset != buttons.end());
    (*reset)->click();
    QCOMPARE(store.allKeys(), written);
    QVERIFY(!board.showClicksToggle()->isChecked());
    for (qsizetype at = 0; at < boxes.size(); ++at)
        QCOMPARE(boxes.at(at)->isChecked(), atFirstStart.at(at));
}

TAVELO_TEST_MAIN(TestPresenterSession)
#include "tst_presentersession.moc"
