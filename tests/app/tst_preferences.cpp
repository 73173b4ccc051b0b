#include "app/diagramview.h"
#include "app/mainwindow.h"
#include "app/preferences.h"
#include "boardlookup.h"
#include "scene/diagramscene.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <sys/stat.h>

namespace {

const char organization[] = "Corvane Group";
const char application[] = "CorvaneTaveloWindow2";

QSettings store()
{
    return QSettings(organization, application);
}

void writeStore(const QVariantMap &values)
{
    QSettings settings(organization, application);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
}

// The raw file, for values no QSettings call would write.
void writeRawStore(const QByteArray &iniBody)
{
    QSettings settings(organization, application);
    const QString path = settings.fileName();
    settings.clear();
    settings.sync();
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\n" + iniBody);
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { clearStore(); }

    void firstStartStoresTheFontOnly();
    void formattingSurvivesARestart();
    void storedColourWithoutMenuEntry();
    void hostileStoredValues_data();
    void hostileStoredValues();
    void hostileRawFile_data();
    void hostileRawFile();
    void fontSizeRule_data();
    void fontSizeRule();
    void typedSizesOutsideTheRange_data();
    void typedSizesOutsideTheRange();
    void damagedStoreIsSetAside_data();
    void damagedStoreIsSetAside();
    void lockedStoreNeverHoldsTheBoard();
};

void TestPreferences::initTestCase()
{
    QCoreApplication::setOrganizationName(organization);
    QCoreApplication::setApplicationName(application);
}

void TestPreferences::firstStartStoresTheFontOnly()
{
    MainWindow window;
    QSettings settings = store();
    QCOMPARE(sizeBox(window)->currentText(), QString());
    QCOMPARE(settings.value("fontSize").toString(), QString());
    QVERIFY(settings.contains("font"));
    for (const char *key : {"bold", "italic", "underLine"}) {
        QVERIFY(settings.contains(key));
        QCOMPARE(settings.value(key).toBool(), false);
    }
    for (const char *key : {"fontColor", "fillColor", "lineColor", "laserColor", "spotlightRadius"})
        QVERIFY2(!settings.contains(key), key);

    // The scene keeps its own colours until a colour is picked.
    auto *scene = window.findChild<DiagramScene *>();
    QCOMPARE(scene->currentItemColor(), QColor(255, 255, 255, 100));
    QCOMPARE(scene->currentLineColor(), QColor(Qt::black));
    QCOMPARE(colourButton(window, 0)->menu()->defaultAction()->text(), QString("Negro"));
    QCOMPARE(colourButton(window, 1)->menu()->defaultAction()->text(), QString("Blanco"));
}

void TestPreferences::formattingSurvivesARestart()
{
    {
        MainWindow window;
        window.findChild<QFontComboBox *>()->setCurrentFont(QFont("DejaVu Serif"));
        sizeBox(window)->setEditText("14");
        actionNamed(window, "Bold")->trigger();
        actionNamed(window, "Underline")->trigger();
        colourButton(window, 0)->menu()->actions().at(5)->trigger(); // azul
        colourButton(window, 1)->menu()->actions().at(4)->trigger(); // Rojo
        colourButton(window, 2)->menu()->actions().at(7)->trigger(); // Verde
        window.findChild<QToolButton *>("laserButton")->menu()->actions().at(2)->trigger();
        auto *view = window.findChild<diagramview *>();
        view->setSpotlight(true);
        window.findChild<QAction *>("mas-grueso")->trigger(); // the circle's size, not the pen's
        QCOMPARE(view->spotlightRadius(), 175);
    }

    MainWindow restarted;
    auto *scene = restarted.findChild<DiagramScene *>();
    QCOMPARE(restarted.findChild<QFontComboBox *>()->currentFont().family(),
             QString("DejaVu Serif"));
    QCOMPARE(sizeBox(restarted)->currentText(), QString("14"));
    QVERIFY(actionNamed(restarted, "Bold")->isChecked());
    QVERIFY(!actionNamed(restarted, "Italic")->isChecked());
    QVERIFY(actionNamed(restarted, "Underline")->isChecked());
    QCOMPARE(colourButton(restarted, 0)->menu()->defaultAction()->text(), QString("azul"));
    QCOMPARE(colourButton(restarted, 1)->menu()->defaultAction()->text(), QString("Rojo"));
    QCOMPARE(colourButton(restarted, 2)->menu()->defaultAction()->text(), QString("Verde"));
    QCOMPARE(scene->currentTextColor(), QColor(Qt::blue));
    QCOMPARE(scene->currentItemColor(), QColor(Qt::red));
    QCOMPARE(scene->currentLineColor(), QColor(Qt::green));
    QCOMPARE(scene->ink(DiagramScene::DrawLaser), QColor(40, 120, 255));
    QCOMPARE(scene->freehandPenWidth(), 5);
    QCOMPARE(restarted.findChild<diagramview *>()->spotlightRadius(), 175);
    QVERIFY(!restarted.findChild<diagramview *>()->isSpotlightOn());
    // The restored size differs from the box's first item, so the font reached the scene.
    QCOMPARE(scene->currentTextFont().pointSize(), 14);
    QCOMPARE(scene->currentTextFont().family(), QString("DejaVu Serif"));
    QCOMPARE(scene->currentTextFont().weight(), QFont::Bold);
    QVERIFY(scene->currentTextFont().underline());
}

void TestPreferences::storedColourWithoutMenuEntry()
{
    writeStore({{"fillColor", QColor(10, 20, 30)}});
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QCOMPARE(scene->currentItemColor(), QColor(10, 20, 30));
    QToolButton *fill = colourButton(window, 1);
    QVERIFY(!fill->menu()->defaultAction());
    fill->click(); // nothing to apply until a colour is picked
    QCOMPARE(scene->currentItemColor(), QColor(10, 20, 30));
    QCOMPARE(store().value("fillColor").value<QColor>(), QColor(10, 20, 30));
}

void TestPreferences::hostileStoredValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    const QString longText(100000, QChar('x'));
    const QList<QPair<const char *, QVariant>> hostile = {
        {"garbage text", QString("%&/()=?¿")},
        {"very long text", longText},
        {"huge number", QVariant(qint64(1) << 60)},
        {"negative number", -12},
        {"empty text", QString()},
        {"a list", QStringList{"a", "b"}},
        {"a byte array", QByteArray("\x00\xff\x10", 3)},
        {"a rectangle", QRect(1, 2, 3, 4)},
    };
    for (const char *key : {"font",
                            "fontSize",
                            "bold",
                            "italic",
                            "underLine",
                            "fontColor",
                            "fillColor",
                            "lineColor",
                            "laserColor",
                            "highlightColor",
                            "spotlightRadius",
                            "penWidth",
                            "screen",
                            "lastSaveFolder"}) {
        for (const auto &[name, value] : hostile)
            QTest::addRow("%s: %s", key, name) << QString(key) << value;
    }
    QTest::newRow("fontSize: zero") << "fontSize" << QVariant(QString("0"));
    QTest::newRow("fontSize: 65") << "fontSize" << QVariant(QString("65"));
    QTest::newRow("fontSize: 1") << "fontSize" << QVariant(QString("1"));
    QTest::newRow("fontSize: fraction") << "fontSize" << QVariant(QString("12.5"));
    QFont tiny("DejaVu Sans");
    tiny.setPointSizeF(0.1);
    QFont huge("DejaVu Sans", 500);
    QFont onePixel("DejaVu Sans");
    onePixel.setPixelSize(1);
    QTest::newRow("font: a tenth of a point") << "font" << QVariant(tiny);
    QTest::newRow("font: 500 points") << "font" << QVariant(huge);
    QTest::newRow("font: one pixel") << "font" << QVariant(onePixel);
    QTest::newRow("fillColor: invalid colour") << "fillColor" << QVariant(QColor());
    QTest::newRow("lineColor: unknown name") << "lineColor" << QVariant(QString("notacolour"));
}

void TestPreferences::hostileStoredValues()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    writeStore({{key, value}});
    const QVariant before = store().value(key);

    MainWindow window;

    // Start-up writes only the font keys it always writes; a bad colour stays as it was stored.
    const QStringList fontKeys{"font", "fontSize", "bold", "italic", "underLine"};
    QSettings after = store();
    for (const QString &written : after.allKeys())
        QVERIFY2(written == key || fontKeys.contains(written), qPrintable(written));
    if (!fontKeys.contains(key))
        QCOMPARE(after.value(key), before);

    // A usable board: sane size text, valid colours, and it still draws.
    auto *scene = window.findChild<DiagramScene *>();
    const QString size = sizeBox(window)->currentText();
    QVERIFY2(size.isEmpty() || Preferences::isValidFontSize(size), qPrintable(size.left(40)));
    QVERIFY(scene->currentItemColor().isValid());
    QVERIFY(scene->currentLineColor().isValid());
    QVERIFY(scene->currentTextColor().isValid());
    QVERIFY(scene->ink(DiagramScene::DrawLaser).isValid());
    QVERIFY(scene->ink(DiagramScene::DrawHighlight).isValid());
    QVERIFY(std::find(std::begin(Preferences::offeredPenWidths),
                      std::end(Preferences::offeredPenWidths),
                      scene->freehandPenWidth())
            != std::end(Preferences::offeredPenWidths));
    const int radius = window.findChild<diagramview *>()->spotlightRadius();
    QVERIFY(radius >= 40 && radius <= 800);
    // A label can be read, and the box shows the size it gets.
    QVERIFY(Preferences::hasReadableSize(scene->currentTextFont()));
    if (!size.isEmpty())
        QCOMPARE(size, QString::number(QFontInfo(scene->currentTextFont()).pointSize()));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!colourButton(window, i)->icon().isNull());
    QVERIFY(window.isVisible());
}

void TestPreferences::hostileRawFile_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("truncated variant") << QByteArray("font=@Variant(\\0\\0\\0\n");
    QTest::newRow("colour variant of garbage")
        << QByteArray("fillColor=@Variant(\\0\\0\\0\\x43\\xff\\xff)\n");
    QTest::newRow("binary noise") << QByteArray("fontSize=\\x1\\x2\\x3\nbold=maybe\n");
    QTest::newRow("keys without values") << QByteArray("font=\nfontSize=\nlineColor=\n");
}

void TestPreferences::hostileRawFile()
{
    QFETCH(QByteArray, body);
    writeRawStore(body);
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QVERIFY(scene->currentItemColor().isValid());
    QVERIFY(scene->currentLineColor().isValid());
    const QString size = sizeBox(window)->currentText();
    QVERIFY(size.isEmpty() || Preferences::isValidFontSize(size));
}

void TestPreferences::fontSizeRule_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown"); // "label" for the size labels get instead
    QTest::newRow("nothing stored") << QVariant() << "";
    QTest::newRow("smallest") << QVariant("2") << "2";
    QTest::newRow("largest") << QVariant("64") << "64";
    QTest::newRow("stored as a number") << QVariant(18) << "18";
    QTest::newRow("too large") << QVariant("640") << "label";
    QTest::newRow("zero") << QVariant("0") << "label";
    QTest::newRow("not a number") << QVariant("doce") << "label";
    QTest::newRow("a boolean") << QVariant(true) << "label";
}

// A stored size a label cannot take is ignored, and said so: the box shows the size labels get.
void TestPreferences::fontSizeRule()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    if (stored.isValid())
        writeStore({{"fontSize", stored}});
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    const QString said = window.statusBar()->currentMessage();
    const bool ignored = shown == "label";
    if (ignored)
        shown = QString::number(QFontInfo(scene->currentTextFont()).pointSize());
    QCOMPARE(sizeBox(window)->currentText(), shown);
    QCOMPARE(store().value("fontSize").toString(), shown);
    QVERIFY(Preferences::hasReadableSize(scene->currentTextFont()));
    QCOMPARE(said.contains("no válido"), ignored);
    if (ignored)
        QVERIFY2(said.contains("«" + stored.toString() + "»") && said.contains(shown),
                 qPrintable(said));
}

void TestPreferences::typedSizesOutsideTheRange_data()
{
    QTest::addColumn<QString>("typed");
    for (const char *typed : {"1", "0", "65", "99"})
        QTest::newRow(typed) << QString(typed);
}

// Whatever is typed, only sizes from 2 to 64 reach the labels and the store, and the box ends
// up showing the size in force.
void TestPreferences::typedSizesOutsideTheRange()
{
    QFETCH(QString, typed);
    MainWindow window;
    auto *scene = window.findChild<DiagramScene *>();
    QComboBox *box = sizeBox(window);
    box->setEditText("12");
    box->lineEdit()->selectAll();
    auto sizeInForceIsValid = [&] {
        const QString stored = store().value("fontSize").toString();
        return Preferences::isValidFontSize(stored)
               && scene->currentTextFont().pointSize() == stored.toInt();
    };
    for (const QChar c : typed) {
        QTest::keyClick(box->lineEdit(), c.toLatin1());
        QVERIFY(sizeInForceIsValid());
    }
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QVERIFY(sizeInForceIsValid());
    QCOMPARE(box->currentText(), store().value("fontSize").toString());
}

void TestPreferences::damagedStoreIsSetAside_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("fifo");
    QTest::addColumn<QByteArray>("keptLines"); // in the live file afterwards
    const QByteArray level("\\0\\0\\0\\t\\0\\0\\0\\x1");
    const QByteArray valid("fillColor=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0"
                           "\\0\\0\\0\\0)\n");
    QTest::newRow("a value nested 50,000 levels under an unread key")
        << "[General]\n" + valid + "other=@Variant(" + level.repeated(50000) + ")\n"
        << false << QByteArray();
    QByteArray continued = "[General]\n" + valid + "other=@Variant(";
    for (int i = 0; i < 2000; ++i)
        continued += level + "\\\n";
    QTest::newRow("nesting spread over continued lines") << continued + ")\n"
                                                         << false << QByteArray();
    QTest::newRow("a named pipe") << QByteArray() << true << QByteArray();
    QTest::newRow("larger than a store, a user's key in another group after the nesting")
        << "[General]\n" + valid + "other=@Variant(" + level.repeated(100000)
               + ")\n[Other]\nsentinel=keep-me\n"
        << false << QByteArray("[Other]\nsentinel=keep-me");
}

// Qt's reader would overflow its stack on the nesting and wait for ever on the pipe; the board
// moves such a store aside, keeps the sound lines and starts.
void TestPreferences::damagedStoreIsSetAside()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, fifo);
    QFETCH(QByteArray, keptLines);
    const QString path = store().fileName();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (fifo) {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(body);
    }

    {
        MainWindow window;
        QVERIFY(window.statusBar()->currentMessage().contains("apartadas"));
        if (!fifo)
            QCOMPARE(window.findChild<DiagramScene *>()->currentItemColor(), QColor(Qt::red));
    }

    QFile live(path);
    QVERIFY(keptLines.isEmpty()
            || (live.open(QIODevice::ReadOnly) && live.readAll().contains(keptLines)));
    const QFileInfo info(path);
    const QStringList aside = info.dir().entryList({info.fileName() + ".damaged-*"},
                                                   QDir::AllEntries | QDir::System);
    QCOMPARE(aside.size(), 1);
    QVERIFY(QFile::remove(info.dir().filePath(aside.first())));
    QVERIFY(!QFileInfo(path).exists() || QFileInfo(path).isFile());
}

// A running program holding the store's lock costs the board its changes for this run, never
// its use: Qt's store would wait for the lock without end, at the change or when the board ends.
void TestPreferences::lockedStoreNeverHoldsTheBoard()
{
    writeStore({{"fillColor", QColor(Qt::red)}});
    QLockFile holder(store().fileName() + ".lock"); // this very process: running, never stale
    holder.setStaleLockTime(0);
    QVERIFY(holder.lock());
    {
        MainWindow window;
        colourButton(window, 1)->menu()->actions().at(7)->trigger(); // Verde
        QVERIFY(window.statusBar()->currentMessage().contains("bloqueadas"));
        QCOMPARE(window.findChild<DiagramScene *>()->currentItemColor(), QColor(Qt::green));
    }
    holder.unlock();
    QCOMPARE(store().value("fillColor").value<QColor>(), QColor(Qt::red));
}

TAVELO_TEST_MAIN(TestPreferences)
#include "tst_preferences.moc"
