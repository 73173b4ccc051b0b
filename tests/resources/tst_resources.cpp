#include "testsupport.h"

#include "app/bundledfont.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QImage>
#include <QResource>

int qInitResources_resources();

namespace {

QStringList bundleEntries()
{
    QStringList entries;
    // Qt carries bundles of its own (":/qt-project.org", ":/qpdf"); only ours count.
    for (const char *folder : {":/images", ":/fonts", ":/chrome"}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            entries << it.next();
    }
    entries.sort();
    return entries;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void imageLoadsAtItsSize_data();
    void imageLoadsAtItsSize();
    void backgroundsAreOneBitTiles();
    void fontsAreCarriedAndTheFourRegister();
    void everyEntryIsUncompressed();
    void registeringTwiceChangesNothing();
};

void TestResources::imageLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const QList<QPair<const char *, QSize>> images = {
        {"about", {24, 24}},
        {"attach", {24, 24}},
        {"background1", {127, 127}},
        {"background2", {127, 127}},
        {"background3", {127, 127}},
        {"background4", {127, 127}},
        {"bold", {11, 13}},
        {"bringtofront", {22, 22}},
        {"clear", {24, 24}},
        {"cut", {24, 24}},
        {"delete", {22, 22}},
        {"dialog-close", {64, 64}},
        {"edit-delete", {64, 64}},
        {"floodfill", {42, 43}},
        {"italic", {11, 13}},
        {"linecolor", {42, 43}},
        {"linepointer", {27, 27}},
        {"pen", {42, 43}},
        {"pointer", {15, 24}},
        {"remove", {24, 24}},
        {"sendtoback", {22, 22}},
        {"textpointer", {42, 43}},
        {"underline", {11, 13}},
        {"undo", {24, 24}},
        {"view-fullscreen", {64, 64}},
    };
    for (const auto &[name, size] : images)
        QTest::newRow(name) << QString(":/images/%1.png").arg(name) << size;
}

void TestResources::imageLoadsAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(!QPixmap(path).isNull());
}

void TestResources::backgroundsAreOneBitTiles()
{
    for (int i = 1; i <= 4; ++i) {
        const QImage tile(QString(":/images/background%1.png").arg(i));
        QCOMPARE(tile.depth(), 1);
        QCOMPARE(tile.colorCount(), 2);
    }
}

void TestResources::fontsAreCarriedAndTheFourRegister()
{
    const QStringList fonts = QDir(":/fonts/lib/fonts").entryList(QDir::Files);
    QCOMPARE(fonts.size(), 22);
    QVERIFY(fonts.contains("DejaVuSerifCondensed-BoldItalic.ttf"));
    QVERIFY(fonts.contains("DejaVuSansMono.ttf"));

    QStringList families;
    for (const char *file : {"DejaVuMathTeXGyre.ttf",
                             "DejaVuSans.ttf",
                             "DejaVuSans-Bold.ttf",
                             "DejaVuSans-BoldOblique.ttf"}) {
        const QString path = QString(":/fonts/lib/fonts/") + file;
        const int id = registerBundledFont(path);
        QVERIFY2(id >= 0, file);
        families << QFontDatabase::applicationFontFamilies(id);
        // Read in place or copied out of the bundle, a font is the same font.
        QCOMPARE(QFontDatabase::applicationFontFamilies(id),
                 QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path)));
    }
    QVERIFY(families.contains("DejaVu Sans"));
    QVERIFY(families.contains("DejaVu Math TeX Gyre"));

    QCOMPARE(registerBundledFont(":/fonts/lib/fonts/missing.ttf"), -1);
    QCOMPARE(registerBundledFont(":/images/bold.png"), -1);
}

void TestResources::everyEntryIsUncompressed()
{
    const QStringList entries = bundleEntries();
    // The history's two icons beside the 25, and a double-size drawing of each icon.
    QCOMPARE(entries.size(), 25 + 2 + 23 + 22);
    for (const QString &path : entries) {
        const QResource resource(path);
        QVERIFY2(resource.isValid(), qPrintable(path));
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
    }
    QVERIFY(!QDir(":/chrome").exists());
}

void TestResources::registeringTwiceChangesNothing()
{
    const QStringList before = bundleEntries();
    qInitResources_resources();
    const QStringList after = bundleEntries();
    QCOMPARE(after, before);
    QCOMPARE(QDir(":/images").entryList().size(), 25 + 2 + 23);
    QVERIFY(!QImage(":/images/pen.png").isNull());
}

TAVELO_TEST_MAIN(TestResources)
#include "tst_resources.moc"
