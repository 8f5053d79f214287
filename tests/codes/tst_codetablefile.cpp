#include "codes/CodeTableFile.h"
#include "util/AppError.h"

#include "ErrorOf.h"
#include "FileSizeLimitedChild.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using Keys = QList<QByteArray>;

class TestCodeTableFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sectionKeys_data();
    void sectionKeys();
    void withSectionReplaced_data();
    void withSectionReplaced();
    void largeSectionReadWhole();
    void missingFileReadsEmpty();
    void missingFileCreated();
    void roundTrip_data();
    void roundTrip();
    void refusedWrite_data();
    void refusedWrite();
    void refusedWriteAsUser_data();
    void refusedWriteAsUser();
    void loneCarriageReturnKeepsOtherKeys();
    void fullDiskLeavesFileWhole_data();
    void fullDiskLeavesFileWhole();
};

void TestCodeTableFile::sectionKeys_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<Keys>("keys");

    const QByteArray two("[A]\r\n01 Uno=0\r\n02 Dos=1\r\n[B]\r\n1 B=0\r\n");
    QTest::addRow("file order") << QByteArray("[A]\r\n02 Dos=0\r\n01 Uno=1\r\n") << QByteArray("A")
                                << Keys{"02 Dos", "01 Uno"};
    QTest::addRow("stops at next section") << two << QByteArray("A") << Keys{"01 Uno", "02 Dos"};
    QTest::addRow("second section") << two << QByteArray("B") << Keys{"1 B"};
    QTest::addRow("section name without case") << two << QByteArray("b") << Keys{"1 B"};
    QTest::addRow("section header without case")
        << QByteArray("[tipo linea]\r\n00 X=0\r\n") << QByteArray("Tipo Linea") << Keys{"00 X"};
    QTest::addRow("blanks inside brackets") << QByteArray("[ A ]\r\nk=0\r\n") << QByteArray("A") << Keys{"k"};
    QTest::addRow("missing section") << two << QByteArray("C") << Keys{};
    QTest::addRow("name is not a prefix") << two << QByteArray("[A") << Keys{};
    QTest::addRow("empty section") << QByteArray("[A]\r\n[B]\r\nk=0\r\n") << QByteArray("A") << Keys{};
    QTest::addRow("empty file") << QByteArray() << QByteArray("A") << Keys{};
    QTest::addRow("case duplicate kept once at first place")
        << QByteArray("[A]\r\n01 uno=0\r\n02 Dos=1\r\n01 UNO=2\r\n") << QByteArray("A")
        << Keys{"01 uno", "02 Dos"};
    QTest::addRow("cp1252 case duplicate") << QByteArray("[A]\r\n01 \321and\xFA=0\r\n01 \361and\xDA=1\r\n")
                                           << QByteArray("A") << Keys{"01 \321and\xFA"};
    QTest::addRow("differs by more than case")
        << QByteArray("[A]\r\n01 A=0\r\n01  A=1\r\n") << QByteArray("A") << Keys{"01 A", "01  A"};
    QTest::addRow("equals sign in description")
        << QByteArray("[A]\r\n01 Uno = dos=0\r\n") << QByteArray("A") << Keys{"01 Uno"};
    QTest::addRow("blanks around key dropped") << QByteArray("[A]\r\n  01 Uno  =0\r\n\t02 Dos\t=1\r\n")
                                               << QByteArray("A") << Keys{"01 Uno", "02 Dos"};
    QTest::addRow("key without value")
        << QByteArray("[A]\r\n01 Uno\r\n02 Dos=\r\n") << QByteArray("A") << Keys{"01 Uno", "02 Dos"};
    QTest::addRow("empty key skipped")
        << QByteArray("[A]\r\n=0\r\n  =1\r\nk=2\r\n") << QByteArray("A") << Keys{"k"};
    QTest::addRow("comments and blank lines skipped")
        << QByteArray("; top\r\n[A]\r\n; note\r\n\r\n  ;indented\r\nk=0\r\n\r\n") << QByteArray("A")
        << Keys{"k"};
    QTest::addRow("cp1252 bytes kept") << QByteArray("[A]\r\n01 \xD1u\xF1oa \xE1 \xBA=0\r\n")
                                       << QByteArray("A") << Keys{"01 \xD1u\xF1oa \xE1 \xBA"};
    QTest::addRow("LF line ends") << QByteArray("[A]\n01 Uno=0\n02 Dos=1") << QByteArray("A")
                                  << Keys{"01 Uno", "02 Dos"};
    QTest::addRow("no final line end") << QByteArray("[A]\r\n01 Uno=0") << QByteArray("A") << Keys{"01 Uno"};
    QTest::addRow("keys before any section ignored")
        << QByteArray("k=0\r\n[A]\r\nj=0\r\n") << QByteArray("A") << Keys{"j"};
    QTest::addRow("repeated section read as one")
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n2 Y=0\r\n[a]\r\n3 Z=0\r\n1 x=1\r\n") << QByteArray("A")
        << Keys{"1 X", "3 Z"};
    QTest::addRow("utf-8 mark before first section")
        << QByteArray("\xEF\xBB\xBF[A]\r\nk=0\r\n") << QByteArray("A") << Keys{"k"};
}

void TestCodeTableFile::sectionKeys()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(Keys, keys);
    QCOMPARE(::sectionKeys(content, section), keys);
}

void TestCodeTableFile::withSectionReplaced_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<Keys>("entries");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray file("; Tablas\r\n"
                          "\r\n"
                          "[A]\r\n"
                          "01 Uno=0\r\n"
                          "02 Dos=1\r\n"
                          "\r\n"
                          "[CCAF]\r\n"
                          "; sexto por omisi\xF3n\r\n"
                          "01 Los Andes=0\r\n"
                          "; entre entradas\r\n"
                          "00 Sin CCAF=1\r\n"
                          "\r\n"
                          "; sobre B\r\n"
                          "[B]\r\n"
                          "  1 \xD1u\xF1oa  =  7 \r\n");
    QTest::addRow("in place, the rest byte for byte")
        << file << QByteArray("ccaf") << Keys{"02 La Araucana", "03 Los H\xE9roes"}
        << QByteArray("; Tablas\r\n"
                      "\r\n"
                      "[A]\r\n"
                      "01 Uno=0\r\n"
                      "02 Dos=1\r\n"
                      "\r\n"
                      "[CCAF]\r\n"
                      "; sexto por omisi\xF3n\r\n"
                      "02 La Araucana=0\r\n"
                      "03 Los H\xE9roes=1\r\n"
                      "; entre entradas\r\n"
                      "\r\n"
                      "; sobre B\r\n"
                      "[B]\r\n"
                      "  1 \xD1u\xF1oa  =  7 \r\n");
    QTest::addRow("first section") << file << QByteArray("A") << Keys{"09 Nueve"}
                                   << QByteArray(file).replace("01 Uno=0\r\n02 Dos=1\r\n", "09 Nueve=0\r\n");
    QTest::addRow("last section without line end changes")
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n1 Y=0") << QByteArray("B") << Keys{"2 Z"}
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n2 Z=0\r\n");
    QTest::addRow("other last line without line end kept")
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n1 Y=0") << QByteArray("A") << Keys{"2 Z"}
        << QByteArray("[A]\r\n2 Z=0\r\n[B]\r\n1 Y=0");
    QTest::addRow("missing section appended")
        << QByteArray("; c\r\n[A]\r\n1 X=0\r\n") << QByteArray("Mutual") << Keys{"01 ACHS", "00 Sin mutual"}
        << QByteArray("; c\r\n[A]\r\n1 X=0\r\n\r\n[Mutual]\r\n01 ACHS=0\r\n"
                      "00 Sin mutual=1\r\n");
    QTest::addRow("appended after a blank line")
        << QByteArray("[A]\r\n1 X=0\r\n\r\n") << QByteArray("B") << Keys{"k"}
        << QByteArray("[A]\r\n1 X=0\r\n\r\n[B]\r\nk=0\r\n");
    QTest::addRow("appended to file without final line end")
        << QByteArray("[A]\r\n1 X=0") << QByteArray("B") << Keys{"k"}
        << QByteArray("[A]\r\n1 X=0\r\n\r\n[B]\r\nk=0\r\n");
    QTest::addRow("empty file") << QByteArray() << QByteArray("Tipo Linea")
                                << Keys{"00 L\xEDnea principal o base"}
                                << QByteArray("[Tipo Linea]\r\n00 L\xEDnea principal o base=0\r\n");
    QTest::addRow("empty section gets entries after header")
        << QByteArray("[A]\r\n\r\n[B]\r\n") << QByteArray("A") << Keys{"k", "j"}
        << QByteArray("[A]\r\nk=0\r\nj=1\r\n\r\n[B]\r\n");
    QTest::addRow("header last line")
        << QByteArray("[A]") << QByteArray("A") << Keys{"k"} << QByteArray("[A]\r\nk=0\r\n");
    QTest::addRow("empty list leaves the header")
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n") << QByteArray("A") << Keys{} << QByteArray("[A]\r\n[B]\r\n");
    QTest::addRow("repeat of the section merged into the first")
        << QByteArray("[A]\r\n1 X=0\r\n[B]\r\n2 Y=0\r\n[a]\r\n; c\r\n3 Z=0\r\n") << QByteArray("A")
        << Keys{"4 W"} << QByteArray("[A]\r\n4 W=0\r\n[B]\r\n2 Y=0\r\n; c\r\n");
    const Keys messy{
        "  01 Uno  ",     // blanks around
        "02 Dos=tres",    // cut at '='
        "01 UNO",         // the first but for case
        "",               // empty
        "   ",            // blank only
        "03 Tres\r\n[B]", // a line break would start a section
        "=x",             // no key
        "[C] x",          // would read back as a section
        " ;05 y",         // would read back as a comment
        "04 \xD1",
        "04 \xF1", // the one before but for case
    };
    QTest::addRow("entries as read back")
        << QByteArray() << QByteArray("A") << messy
        << QByteArray("[A]\r\n01 Uno=0\r\n02 Dos=1\r\n03 Tres=2\r\n04 \xD1=3\r\n");
    QTest::addRow("LF file keeps its LF lines") << QByteArray("[A]\n1 X=0\n[B]\n2 Y=0\n") << QByteArray("A")
                                                << Keys{"3 Z"} << QByteArray("[A]\n3 Z=0\r\n[B]\n2 Y=0\n");
    QTest::addRow("last line ending in a carriage return alone")
        << QByteArray("[A]\r\nabc\r") << QByteArray("B") << Keys{"k"}
        << QByteArray("[A]\r\nabc\r\n\r\n[B]\r\nk=0\r\n");
    QTest::addRow("utf-8 mark kept") << QByteArray("\xEF\xBB\xBF[A]\r\n1 X=0\r\n") << QByteArray("A")
                                     << Keys{"2 Y"} << QByteArray("\xEF\xBB\xBF[A]\r\n2 Y=0\r\n");
}

void TestCodeTableFile::withSectionReplaced()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, section);
    QFETCH(Keys, entries);
    QFETCH(QByteArray, expected);
    QCOMPARE(::withSectionReplaced(content, section, entries), expected);
}

void TestCodeTableFile::largeSectionReadWhole()
{
    // Far beyond 16 384 characters of keys: every key is read, the last as well as the first.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    Keys entries;
    for (int i = 0; i < 3000; ++i)
        entries.append(QByteArray::number(i).rightJustified(4, '0') + " Instituci\xF3n n\xBA "
                       + QByteArray::number(i));
    qsizetype characters = 0;
    for (const QByteArray &e : entries)
        characters += e.size() + 1;
    QVERIFY(characters > 3 * 16384);
    replaceSection(path, "APV", entries);
    QCOMPARE(readSection(path, "APV"), entries);
}

void TestCodeTableFile::missingFileReadsEmpty()
{
    QTemporaryDir dir;
    QCOMPARE(readSection(dir.filePath(QStringLiteral("none.cfg")), "A"), Keys{});
    QCOMPARE(readSection(dir.path(), "A"), Keys{}); // a folder where the file should be
}

void TestCodeTableFile::missingFileCreated()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    replaceSection(path, "TipoPago", {"01 Remuneraciones del mes", "02 Gratificaciones"});
    QCOMPARE(fileBytes(path),
             QByteArray("[TipoPago]\r\n01 Remuneraciones del mes=0\r\n02 Gratificaciones=1\r\n"));
}

void TestCodeTableFile::roundTrip_data()
{
    QTest::addColumn<Keys>("entries");
    QTest::addColumn<Keys>("readBack");

    QTest::addRow("plain") << Keys{"01 A", "02 B"} << Keys{"01 A", "02 B"};
    QTest::addRow("same text but for case stored once")
        << Keys{"01 Fonasa", "02 B", "01 FONASA"} << Keys{"01 Fonasa", "02 B"};
    QTest::addRow("equals sign cuts the description") << Keys{"01 A=B"} << Keys{"01 A"};
    QTest::addRow("blanks around lost") << Keys{" 01 A "} << Keys{"01 A"};
    QTest::addRow("cp1252 kept") << Keys{"04 \xD1u\xF1oa", "05 \xE1\xBA"}
                                 << Keys{"04 \xD1u\xF1oa", "05 \xE1\xBA"};
    QTest::addRow("empty list reads as missing") << Keys{} << Keys{};
}

void TestCodeTableFile::roundTrip()
{
    QFETCH(Keys, entries);
    QFETCH(Keys, readBack);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(path, "[Otra]\r\nk=0\r\n[Isapres]\r\nviejo=0\r\n"));
    replaceSection(path, "Isapres", entries);
    QCOMPARE(readSection(path, "Isapres"), readBack);
    QCOMPARE(readSection(path, "Otra"), Keys{"k"});
}

void TestCodeTableFile::refusedWrite_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addRow("folder is a regular file") << QStringLiteral("fileAsFolder");
    QTest::addRow("folder in place of the file") << QStringLiteral("folderAsFile");
    QTest::addRow("folder missing") << QStringLiteral("missingFolder");
}

void TestCodeTableFile::refusedWrite()
{
    QFETCH(QString, kind);

    QTemporaryDir dir;
    const QByteArray before("; keep\r\n[A]\r\n1 X=0\r\n");
    QString path;
    QString witness; // a file that must come out as it went in
    if (kind == QLatin1String("fileAsFolder")) {
        witness = dir.filePath(QStringLiteral("plain"));
        QVERIFY(writeFileBytes(witness, before));
        path = witness + QStringLiteral("/Tarvinel.cfg");
    } else if (kind == QLatin1String("folderAsFile")) {
        path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tarvinel.cfg")));
        witness = path + QStringLiteral("/inside");
        QVERIFY(writeFileBytes(witness, before));
    } else {
        path = dir.filePath(QStringLiteral("none/Tarvinel.cfg"));
    }

    QCOMPARE(errorOf([&] { replaceSection(path, "A", {"2 Y"}); }),
             QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
    if (!witness.isEmpty())
        QCOMPARE(fileBytes(witness), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
             kind == QLatin1String("missingFolder") ? 0 : 1);
}

// Only the permission bits refuse these writes, so they need a user other than root. A file that
// may be written in a folder that may not is written in place.
void TestCodeTableFile::refusedWriteAsUser_data()
{
    QTest::addColumn<bool>("lockedFile");
    QTest::addColumn<bool>("lockedFolder");
    QTest::addRow("read-only file") << true << false;
    QTest::addRow("read-only file in a read-only folder") << true << true;
    QTest::addRow("writable file in a read-only folder") << false << true;
}

void TestCodeTableFile::refusedWriteAsUser()
{
    QFETCH(bool, lockedFile);
    QFETCH(bool, lockedFolder);
    if (geteuid() == 0)
        QSKIP("permission bits do not refuse writes to root");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    const QByteArray before("; keep\r\n[A]\r\n1 X=0\r\n[B]\r\n2 Y=0\r\n");
    QVERIFY(writeFileBytes(path, before));
    const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ExeOwner | QFile::ExeUser;
    const QFile::Permissions fileWas = QFile::permissions(path);
    const QFile::Permissions folderWas = QFile::permissions(dir.path());
    QVERIFY(!lockedFile || QFile::setPermissions(path, readOnly));
    QVERIFY(!lockedFolder || QFile::setPermissions(dir.path(), readOnly));

    const QString error = errorOf([&] { replaceSection(path, "A", {"3 Z"}); });
    QFile::setPermissions(dir.path(), folderWas);
    QFile::setPermissions(path, fileWas);
    if (lockedFile) {
        QCOMPARE(error, QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(fileBytes(path), before);
    } else {
        QCOMPARE(error, QString());
        QCOMPARE(readSection(path, "A"), Keys{"3 Z"});
        QCOMPARE(readSection(path, "B"), Keys{"2 Y"});
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}

void TestCodeTableFile::loneCarriageReturnKeepsOtherKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    QVERIFY(writeFileBytes(path, "[A]\r\nabc\r"));
    replaceSection(path, "B", {"k"});
    QCOMPARE(readSection(path, "A"), Keys{"abc"});
    QCOMPARE(readSection(path, "B"), Keys{"k"});
}

void TestCodeTableFile::fullDiskLeavesFileWhole_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::addRow("beside the file") << false;
    QTest::addRow("in place, in a read-only folder") << true;
}

// The disk fills up while the file is being replaced: the file stays whole and the failure is told.
void TestCodeTableFile::fullDiskLeavesFileWhole()
{
    QFETCH(bool, inPlace);
    if (inPlace && geteuid() == 0)
        QSKIP("permission bits do not refuse writes to root");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarvinel.cfg"));
    // Below the limit, so that the old contents fit back in place.
    QByteArray before("[A]\r\n");
    for (int i = 0; before.size() < 900; ++i)
        before += QByteArray::number(10 + i) + " Entrada n\xFAmero " + QByteArray::number(i) + '='
                  + QByteArray::number(i) + "\r\n";
    QVERIFY(writeFileBytes(path, before));
    const Keys entries = readSection(path, "A");
    const QFile::Permissions folderWas = QFile::permissions(dir.path());
    QVERIFY(!inPlace || QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    Keys more = entries;
    for (const QByteArray &entry : entries)
        more.append(entry + " bis"); // past the limit

    const QString failure = failureInChildWithFileSizeLimit(1024, [&] { replaceSection(path, "A", more); });
    QFile::setPermissions(dir.path(), folderWas);
    QCOMPARE(failure, QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left
}

QTEST_GUILESS_MAIN(TestCodeTableFile)
#include "tst_codetablefile.moc"
