#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ResourceEntry
{
    int type = 0; // numeric type id, 0 when named
    QString name; // named resource, or the numeric id as text
    QByteArray data;
};

template<typename T>
T littleEndianAt(const QByteArray &bytes, qsizetype at)
{
    if (at < 0 || at + qsizetype(sizeof(T)) > bytes.size())
        return T(0);
    T value = 0;
    for (qsizetype i = qsizetype(sizeof(T)) - 1; i >= 0; --i)
        value = T(value << 8) | T(quint8(bytes.at(at + i)));
    return value;
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return littleEndianAt<quint32>(bytes, at);
}

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return littleEndianAt<quint16>(bytes, at);
}

// A type or name field: 0xFFFF followed by an id, or a NUL-terminated UTF-16 string.
qsizetype readIdentifier(const QByteArray &bytes, qsizetype at, int *id, QString *name)
{
    if (u16(bytes, at) == 0xFFFF) {
        *id = u16(bytes, at + 2);
        *name = QString::number(*id);
        return at + 4;
    }
    *id = 0;
    name->clear();
    while (u16(bytes, at) != 0) {
        *name += QChar(u16(bytes, at));
        at += 2;
    }
    return at + 2;
}

QList<ResourceEntry> parseRes(const QByteArray &bytes)
{
    QList<ResourceEntry> entries;
    qsizetype at = 0;
    while (at + 32 <= bytes.size()) {
        const quint32 dataSize = u32(bytes, at);
        const quint32 headerSize = u32(bytes, at + 4);
        ResourceEntry entry;
        QString typeName;
        qsizetype field = readIdentifier(bytes, at + 8, &entry.type, &typeName);
        int nameId = 0;
        readIdentifier(bytes, field, &nameId, &entry.name);
        entry.data = bytes.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            entries << entry;
        at += headerSize + dataSize;
        at = (at + 3) & ~qsizetype(3);
    }
    return entries;
}

// A String entry of the version block: length, value length (in 16-bit words), type, the key,
// padding to 32 bits, then the value.
QString versionString(const QByteArray &block, const QString &key)
{
    QByteArray keyBytes(reinterpret_cast<const char *>(key.utf16()), (key.size() + 1) * 2);
    qsizetype keyAt = block.indexOf(keyBytes);
    while (keyAt >= 0 && keyAt % 2 != 0)
        keyAt = block.indexOf(keyBytes, keyAt + 1);
    if (keyAt < 6)
        return QString("<missing>");
    const qsizetype valueAt = (keyAt + keyBytes.size() + 3) & ~qsizetype(3);
    const int valueWords = qMin<qsizetype>(u16(block, keyAt - 4), (block.size() - valueAt) / 2);
    if (valueWords < 0)
        return QString("<missing>");
    QString value = QString::fromUtf16(reinterpret_cast<const char16_t *>(block.constData()
                                                                          + valueAt),
                                       valueWords);
    while (value.endsWith(QChar(0)))
        value.chop(1);
    return value;
}

} // namespace

// Compiles the executable's Windows resource script with the cross tools and checks the icon
// group and the version block it produces.
class TestWindowsResources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void iconGroupHasTheThreeImages();
    void versionBlock_data();
    void versionBlock();

private:
    QList<ResourceEntry> entries;
};

void TestWindowsResources::initTestCase()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString res = out.filePath("app.res");
    QProcess windres;
    windres.start(WINDRES_EXECUTABLE, {"-O", "res", "-i", RC_FILE, "-o", res});
    QVERIFY(windres.waitForFinished(60000));
    QVERIFY2(windres.exitCode() == 0, windres.readAllStandardError().constData());
    QFile file(res);
    QVERIFY(file.open(QIODevice::ReadOnly));
    entries = parseRes(file.readAll());
    QVERIFY(!entries.isEmpty());
}

void TestWindowsResources::iconGroupHasTheThreeImages()
{
    constexpr int iconType = 3;
    constexpr int groupType = 14;
    const auto group = std::find_if(entries.cbegin(), entries.cend(), [](const ResourceEntry &e) {
        return e.type == groupType && e.name == "IDI_ICON1";
    });
    QVERIFY2(group != entries.cend(), "no icon group named IDI_ICON1");
    const QByteArray &dir = group->data;
    QCOMPARE(u16(dir, 2), quint16(1));
    const int count = u16(dir, 4);
    QCOMPARE(count, 3);

    QMap<int, QPair<int, bool>> imageBySize; // size -> bits per pixel, stored as PNG
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 14 * i;
        const int width = quint8(dir.at(at)) == 0 ? 256 : quint8(dir.at(at));
        const int bits = u16(dir, at + 6);
        const QString id = QString::number(u16(dir, at + 12));
        const auto image = std::find_if(entries.cbegin(),
                                        entries.cend(),
                                        [&id](const ResourceEntry &e) {
                                            return e.type == iconType && e.name == id;
                                        });
        QVERIFY(image != entries.cend());
        imageBySize.insert(width, {bits, image->data.startsWith("\x89PNG")});
        if (!image->data.startsWith("\x89PNG"))
            QCOMPARE(qint32(u32(image->data, 4)), width);
    }
    QCOMPARE(imageBySize.keys(), QList<int>({16, 32, 256}));
    QCOMPARE(imageBySize.value(16), qMakePair(32, false));
    QCOMPARE(imageBySize.value(32), qMakePair(32, false));
    QCOMPARE(imageBySize.value(256), qMakePair(32, true));
}

void TestWindowsResources::versionBlock_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("product name") << "ProductName"
                                  << "CorvaneTaveloWindow2";
    QTest::newRow("original file name") << "OriginalFilename"
                                        << "CorvaneTaveloWindow2.exe";
    QTest::newRow("file version") << "FileVersion"
                                  << "0.0.0.0";
    QTest::newRow("product version") << "ProductVersion"
                                     << "0.0.0.0";
    QTest::newRow("company name is empty") << "CompanyName"
                                           << "";
}

void TestWindowsResources::versionBlock()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    constexpr int versionType = 16;
    const auto version = std::find_if(entries.cbegin(), entries.cend(), [](const ResourceEntry &e) {
        return e.type == versionType;
    });
    QVERIFY(version != entries.cend());
    QVERIFY(versionString(version->data, "Translation") != "<missing>");
    QVERIFY(version->data.contains(QByteArray("0\0"
                                              "4\0"
                                              "0\0"
                                              "9\0"
                                              "0\0"
                                              "4\0"
                                              "b\0"
                                              "0\0",
                                              16)));
    QCOMPARE(versionString(version->data, key), value);
}

TAVELO_TEST_MAIN(TestWindowsResources)
#include "tst_windowsresources.moc"
