#include "io/DeclarationReader.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Cp1252.h"

#include "ErrorOf.h"
#include "FailingDevice.h"
#include "TestFiles.h"
#include "TestLocale.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <limits>
#include <set>

#include <unistd.h>

using linelayout::Layout;
using namespace Qt::StringLiterals;

namespace {

const QString kNacionStop = QStringLiteral("Invalid value for field 'nacion'.\n");

// The rules of the fixed-position layout as the summary of the field-rule table lists them.
const std::set<int> kFixedI = {8,  12, 13, 15, 19, 20, 21, 22, 23, 24, 26, 27,
                               34, 40, 42, 45, 47, 62, 67, 75, 78, 83, 96, 99};
const std::set<int> kFixedZeroZero = {8, 13, 15};
const std::set<int> kFixedP = {32, 63, 68, 79};
const std::set<int> kFixedG = {28, 29, 30, 31, 33, 38, 39, 43, 44, 48, 49,  50,  58,  59, 60, 61,
                               64, 65, 66, 69, 70, 71, 72, 73, 74, 77, 80,  81,  82,  84, 85, 86,
                               87, 88, 89, 90, 91, 92, 93, 94, 97, 98, 100, 101, 102, 103};

char fixedRule(int n)
{
    if (n == 1)
        return 'S';
    if (n == 7)
        return 'Z';
    if (kFixedI.count(n))
        return 'I';
    if (kFixedP.count(n))
        return 'P';
    if (kFixedG.count(n))
        return 'G';
    return 'T';
}

// In the separator layout the rule follows the kind.
char separatedRule(int n)
{
    if (n == 1)
        return 'S';
    if (n == 7)
        return 'Z';
    if (n == 12 || n == 13)
        return 'E';
    return catalogue::field(n).kind == FieldKind::Floating ? 'R' : 'T';
}

void readBytes(const QByteArray &bytes, Layout layout, RecordTable &table)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    declaration::read(buffer, layout, table);
}

// The test's texts are written in UTF-8; the program keeps cp1252 bytes.
QByteArray cp1252Of(const char *utf8)
{
    return cp1252::fromUnicode(QString::fromUtf8(utf8));
}

// A fixed-position line of blanks whose `nacion` is 1.
QByteArray blankFixedLine()
{
    QByteArray line(linelayout::kFixedLineLength, ' ');
    line[103] = '1';
    return line;
}

// A separator line of empty fields whose `nacion` is 1.
QByteArray emptySeparatedLine(int n, const QByteArray &text)
{
    QByteArrayList fields;
    for (int i = 1; i <= catalogue::kLineFieldCount; ++i)
        fields << (i == n ? text : i == 7 ? QByteArray("1") : QByteArray());
    return fields.join(';');
}

// Yields at most `step` bytes per read, so that line ends fall across the reader's blocks.
class TrickleDevice : public QIODevice {
public:
    TrickleDevice(QByteArray data, qint64 step) : m_data(std::move(data)), m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 count = std::min({maxSize, m_step, qint64(m_data.size()) - m_pos});
        std::memcpy(data, m_data.constData() + m_pos, std::size_t(count));
        m_pos += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    qint64 m_step;
    qint64 m_pos = 0;
};

} // namespace

class TestDeclarationReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void lineReading_data();
    void lineReading();
    void readFailure();
    void fixedFields_data();
    void fixedFields();
    void separatedFields_data();
    void separatedFields();
    void files_data();
    void files();
    void shortLine104();
    void nacionStop_data();
    void nacionStop();
    void readerNotes_data();
    void readerNotes();
    void numbersRowsAndResetsOnce();
    void longRestReadOnce();
    void pathOverload();
    void unreadableFile();
};

void TestDeclarationReader::lineReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::addRow("CR LF ends a line") << QByteArray("ab\r\ncd\r\n") << QByteArrayList{"ab", "cd"};
    QTest::addRow("last line without line end") << QByteArray("ab\r\ncd") << QByteArrayList{"ab", "cd"};
    QTest::addRow("lone CR ends a line") << QByteArray("ab\rcd\r") << QByteArrayList{"ab", "cd"};
    QTest::addRow("LF before CR is a character") << QByteArray("ab\n\r\ncd") << QByteArrayList{"ab\n", "cd"};
    // Without any CR a line feed ends a line; one CR anywhere before the end keeps the old reading.
    QTest::addRow("LF ends a line without CR") << QByteArray("ab\ncd\n") << QByteArrayList{"ab", "cd"};
    QTest::addRow("two LF give an empty line") << QByteArray("ab\n\ncd") << QByteArrayList{"ab", "", "cd"};
    QTest::addRow("LF before a lone CR is a character")
        << QByteArray("ab\ncd\ref") << QByteArrayList{"ab\ncd", "ef"};
    const QByteArray lfLines = QByteArray("ab\n").repeated(25000); // beyond the reader's first blocks
    QTest::addRow("LF lines beyond a block") << lfLines << QByteArrayList(25000, "ab");
    QTest::addRow("a CR beyond a block keeps LF a character")
        << lfLines + "\rcd" << QByteArrayList{lfLines, "cd"};
    QTest::addRow("CR CR LF gives an empty line")
        << QByteArray("ab\r\r\ncd") << QByteArrayList{"ab", "", "cd"};
    QTest::addRow("two line ends give an empty line")
        << QByteArray("ab\r\n\r\ncd") << QByteArrayList{"ab", "", "cd"};
    const QByteArray ctrlZ(1, 26);
    QTest::addRow("Ctrl+Z ends the file inside a line")
        << "ab\r\ncd" + ctrlZ + "ef\r\ngh" << QByteArrayList{"ab", "cd"};
    QTest::addRow("Ctrl+Z after a line end gives no line")
        << "ab\r\n" + ctrlZ + "\r\ncd" << QByteArrayList{"ab"};
    QTest::addRow("Ctrl+Z first") << ctrlZ + "ab" << QByteArrayList{};
    QTest::addRow("a CR after Ctrl+Z does not count") << "ab\ncd" + ctrlZ + "\r\n"
                                                      << QByteArrayList{"ab", "cd"};
    QTest::addRow("empty file") << QByteArray() << QByteArrayList{};
    QTest::addRow("bytes pass unchanged") << QByteArray("\xEF\xBB\xBF\xD1\0\xBA\t", 7) + "\r\n"
                                          << QByteArrayList{QByteArray("\xEF\xBB\xBF\xD1\0\xBA\t", 7)};
}

void TestDeclarationReader::lineReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArrayList, lines);

    const auto readAll = [&](QIODevice &device) {
        declaration::LineReader reader(device);
        QByteArrayList read;
        QByteArray line;
        while (reader.next(line))
            read << line;
        QCOMPARE(read, lines);
        QVERIFY(!reader.next(line));
    };
    // Every step size puts block ends at other places of the line ends.
    for (const qint64 step : {qint64(1), qint64(2), qint64(3), qint64(1) << 30}) {
        TrickleDevice device(bytes, step);
        readAll(device);
    }
    // A device that can go back is rewound after the look-ahead, to where it was.
    QBuffer buffer;
    buffer.setData("skipped" + bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(buffer.seek(7));
    readAll(buffer);
}

void TestDeclarationReader::readFailure()
{
    FailingDevice device(0, EIO, QIODevice::ReadOnly);
    RecordTable table;
    QCOMPARE(errorOf([&] { declaration::read(device, Layout::Fixed, table); }),
             QStringLiteral("I/O error 5"));
}

// Each field of the fixed-position layout alone, under both regional settings, probed with texts
// that tell its rule apart: the stored field read as text must be what its rule gives.
void TestDeclarationReader::fixedFields_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    struct Probe {
        const char *name;
        int minWidth;
        std::function<QByteArray(int)> text;
        // what rules S and G give under a comma and a point decimal separator, P likewise, and I
        // (nullptr: the fallback)
        const char *sgComma, *sgPoint, *pComma, *pPoint, *i;
    };
    const QList<Probe> probes = {
        {"leading zeros", 1, [](int w) { return QByteArray(w - 1, '0') + '5'; }, "5", "5", "5", "5", "5"},
        {"letter", 1, [](int w) { return 'x' + QByteArray(w - 1, '0'); }, "0", "0", "0", "0", nullptr},
        {"blanks", 1, [](int w) { return QByteArray(w, ' '); }, "0", "0", "0", "0", nullptr},
        {"blank before", 2, [](int w) { return QByteArray(w - 1, ' ') + '5'; }, "5", "5", "5", "5", "5"},
        {"blank after", 2, [](int w) { return '5' + QByteArray(w - 1, ' '); }, "5", "5", "5", "5", nullptr},
        {"zero before sign", 3, [](int w) { return QByteArray(w - 2, '0') + "-5"; }, "0", "0", "0", "0",
         nullptr},
        {"signed", 2, [](int w) { return QByteArray(w - 2, ' ') + "-5"; }, "-5", "-5", "-5", "-5", "-5"},
        {"decimal point", 3, [](int w) { return QByteArray(w - 3, '0') + "1.5"; }, "0", "1.5", "1,5", "1.5",
         nullptr},
        {"decimal comma", 3, [](int w) { return QByteArray(w - 3, '0') + "1,5"; }, "1,5", "0", "1,5", "0",
         nullptr},
    };
    for (const char *locale : {"es_CL", "en_US"}) {
        const bool comma = qstrcmp(locale, "es_CL") == 0;
        for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
            if (n == 7)
                continue; // `nacion` has no fallback: nacionStop
            const int width = catalogue::field(n).line.width;
            const char rule = fixedRule(n);
            for (const Probe &p : probes) {
                if (width < p.minWidth)
                    continue;
                const QByteArray text = p.text(width);
                QByteArray expected;
                switch (rule) {
                case 'T':
                    expected = text;
                    break;
                case 'I':
                    expected = p.i                       ? QByteArray(p.i)
                               : kFixedZeroZero.count(n) ? QByteArray("00")
                                                         : QByteArray("0");
                    break;
                case 'P':
                    expected = comma ? p.pComma : p.pPoint;
                    break;
                default:
                    expected = comma ? p.sgComma : p.sgPoint;
                    break;
                }
                QTest::addRow("%s %d %s %s", locale, n, catalogue::field(n).name, p.name)
                    << QByteArray(locale) << n << text << expected;
            }
        }
    }
}

void TestDeclarationReader::fixedFields()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, number);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);

    TestLocale regional(locale.constData());
    QByteArray line = blankFixedLine();
    line.replace(catalogue::field(number).line.start - 1, text.size(), text);
    RecordTable table;
    readBytes(line + "\r\n", Layout::Fixed, table);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.textAt(0, number), expected);
}

void TestDeclarationReader::separatedFields_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    for (const char *locale : {"es_CL", "en_US"}) {
        const bool comma = qstrcmp(locale, "es_CL") == 0;
        const QByteArray decimal = comma ? "2,5" : "2.5";
        const QByteArray thousands = comma ? "12.345.678" : "12,345,678";
        struct Probe {
            const char *name;
            QByteArray text;
            const char *r; // rule R; rule S where `s` is nullptr
            const char *s;
        };
        const QList<Probe> probes = {
            {"code with leading zero", "05", "5", nullptr},
            {"empty", "", "0", nullptr},
            {"letter", "x", "0", nullptr},
            {"decimal", decimal, decimal.constData(), nullptr},
            {"thousands", thousands, "12345678", "0"},
            {"sign after", "5-", "-5", "0"},
            {"blanks around", " 5 ", "5", nullptr},
        };
        for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
            if (n == 7)
                continue;
            const char rule = separatedRule(n);
            for (const Probe &p : probes) {
                QByteArray expected;
                if (rule == 'T')
                    expected = p.text.left(catalogue::field(n).size);
                else if (rule == 'E')
                    expected = p.text.isEmpty() ? QByteArray("0") : p.text.left(catalogue::field(n).size);
                else if (rule == 'S' && p.s)
                    expected = p.s;
                else
                    expected = p.r;
                QTest::addRow("%s %d %s %s", locale, n, catalogue::field(n).name, p.name)
                    << QByteArray(locale) << n << p.text << expected;
            }
        }
    }
}

void TestDeclarationReader::separatedFields()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, number);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);

    TestLocale regional(locale.constData());
    RecordTable table;
    readBytes(emptySeparatedLine(number, text) + "\r\n", Layout::Separated, table);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.textAt(0, number), expected);
}

// Whole files named after the fault they provoke: the rows they give, and some fields of one row
// ("name=text").
void TestDeclarationReader::files_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArrayList>("fields");

    const int fixed = int(Layout::Fixed);
    const int separated = int(Layout::Separated);
    const QByteArray surname = cp1252Of("MUÑOZ").leftJustified(30, ' ');
    const QByteArray costCentre = cp1252Of("Peñalolén á");

    QTest::addRow("canonical fixed") << QByteArray("canonical_fixed_es_CL.txt") << fixed << 3 << 2
                                     << QByteArrayList{"Linea=3",
                                                       "rut=12345680",
                                                       "ape_pat=" + cp1252Of("PEÑA").leftJustified(30, ' '),
                                                       "tipo_pago=10",
                                                       "tasa_pac_afp=1,25",
                                                       "centro_costo=CENTRO 2" + QByteArray(12, ' ')};
    QTest::addRow("text keeps its blanks and cp1252 letters")
        << QByteArray("canonical_fixed_es_CL.txt") << fixed << 3 << 0
        << QByteArrayList{"ape_pat=" + surname,
                          "trab_pesado=" + cp1252Of("OPERARIO Nº 2 CÁMARA").leftJustified(40, ' '),
                          "centro_costo=" + costCentre.leftJustified(20, ' ')};
    QTest::addRow("no line end after the last line")
        << QByteArray("no_final_line_end.txt") << fixed << 3 << 2 << QByteArrayList{"rut=12345680"};
    QTest::addRow("empty lines at the end are dropped")
        << QByteArray("trailing_empty_lines.txt") << fixed << 3 << 2
        << QByteArrayList{"Linea=3", "rut=12345680"};
    QTest::addRow("lone CR ends a line")
        << QByteArray("lone_cr.txt") << fixed << 3 << 1 << QByteArrayList{"rut=12345679"};
    QTest::addRow("lone LF ends a line in a file without CR")
        << QByteArray("lone_lf.txt") << fixed << 3 << 2
        << QByteArrayList{"Linea=3", "rut=12345680",
                          "centro_costo=" + QByteArray("CENTRO 2").leftJustified(20, ' ')};
    QTest::addRow("Ctrl+Z ends the file")
        << QByteArray("ctrl_z.txt") << fixed << 2 << 1
        << QByteArrayList{"rut=12345679", "centro_costo=" + QByteArray(20, ' ')};
    QTest::addRow("separator canonical")
        << QByteArray("canonical_separated_es_CL.txt") << separated << 3 << 0
        << QByteArrayList{"tipo_pago=08",      "dias_trab=13",           "asig_fam=2200",
                          "tasa_pac_afp=1,25", "Fecha_Desde=01-05-2024", "centro_costo=" + costCentre};
    QTest::addRow("separator a 106th field is ignored")
        << QByteArray("separated_106_fields.txt") << separated << 1 << 0
        << QByteArrayList{"centro_costo=" + costCentre};
    QTest::addRow("separator final ; changes nothing")
        << QByteArray("separated_final_semicolon.txt") << separated << 1 << 0
        << QByteArrayList{"centro_costo=" + costCentre};
    // Fields 21 to 105 repeat the rest of the line after the last ";".
    QTest::addRow("separator 20 fields")
        << QByteArray("separated_20_fields.txt") << separated << 1 << 0
        << QByteArrayList{"num_car_sim=19",   "num_car_mat=2",     "num_car_inv=2", "asig_fam=2500",
                          "cot_pactada=2500", "tasa_pac_afp=2500", "dv_pag_subs=2", "centro_costo=2500"};
    QTest::addRow("separator 20 fields and a final ;")
        << QByteArray("separated_20_fields_final_semicolon.txt") << separated << 1 << 0
        << QByteArrayList{"num_car_mat=2", "num_car_inv=", "asig_fam=0", "cot_pactada=0", "centro_costo="};
}

void TestDeclarationReader::files()
{
    QFETCH(QByteArray, file);
    QFETCH(int, layout);
    QFETCH(int, rows);
    QFETCH(int, row);
    QFETCH(QByteArrayList, fields);

    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QString::fromLatin1(file)), Layout(layout), table);
    QCOMPARE(table.rowCount(), rows);
    QVERIFY(!table.isPending());
    for (const QByteArray &field : fields) {
        const qsizetype equals = field.indexOf('=');
        const QByteArray name = field.left(equals);
        QCOMPARE(name + '=' + table.textAt(row, RecordTable::fieldIndex(name)), field);
    }
}

// A line that ends right after `nacion`: every later field gets the empty text or its fallback.
void TestDeclarationReader::shortLine104()
{
    TestLocale regional("es_CL");
    RecordTable table;
    declaration::read(dataFile(QStringLiteral("short_line_104.txt")), Layout::Fixed, table);
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.textAt(0, 1), QByteArray("12345678"));
    QCOMPARE(table.textAt(0, 7), QByteArray("0"));
    for (int n = 8; n <= catalogue::kLineFieldCount; ++n) {
        const char rule = fixedRule(n);
        const QByteArray expected = rule == 'T'               ? QByteArray()
                                    : kFixedZeroZero.count(n) ? QByteArray("00")
                                                              : QByteArray("0");
        QCOMPARE(catalogue::field(n).name + (": " + table.textAt(0, n)),
                 catalogue::field(n).name + (": " + expected));
    }
}

void TestDeclarationReader::nacionStop_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("rowsBefore");
    QTest::addColumn<QString>("where");

    QTest::addRow("letter in nacion on line 3")
        << QByteArray("nacion_letter_line_3.txt") << int(Layout::Fixed) << 2
        << u"Línea 3: el campo 7 trae \"x\""_s;
    QTest::addRow("line of 103 characters")
        << QByteArray("short_line_103.txt") << int(Layout::Fixed) << 0 << u"Línea 1: el campo 7 está vacío"_s;
    QTest::addRow("empty line between lines")
        << QByteArray("empty_line_between.txt") << int(Layout::Fixed) << 1 << u"La línea 2 está vacía"_s;
    // The whole line is the field: what the box shows of it is cut.
    QTest::addRow("fixed file read as separator")
        << QByteArray("canonical_fixed_es_CL.txt") << int(Layout::Separated) << 0
        << u"Línea 1: el campo 7 trae \"000123456785MUÑOZ                       …\""_s;
    QTest::addRow("nacion beyond 32 bits on line 2")
        << QByteArray("separated_nacion_beyond_32_bits.txt") << int(Layout::Separated) << 1
        << u"Línea 2: el campo 7 trae \"99999999999\""_s;
}

void TestDeclarationReader::nacionStop()
{
    QFETCH(QByteArray, file);
    QFETCH(int, layout);
    QFETCH(int, rowsBefore);
    QFETCH(QString, where);

    TestLocale regional("es_CL");
    RecordTable table;
    QCOMPARE(errorOf([&] { declaration::read(dataFile(QString::fromLatin1(file)), Layout(layout), table); }),
             kNacionStop + where);
    // The stopped line is the pending last row; nothing after it was read.
    QCOMPARE(table.rowCount(), rowsBefore + 1);
    QVERIFY(table.isPending());
    QVERIFY(!table.isDisplaySuspended());
}

// The first line of a file of the tests, without its line end.
QByteArray firstLine(const char *file)
{
    const QByteArray bytes = fileBytes(dataFile(QString::fromLatin1(file)));
    return bytes.left(bytes.indexOf('\r'));
}

// `text` in place of field `n` of a fixed-position line, padded with blanks to the field's width.
QByteArray withFixedField(QByteArray line, int n, QByteArray text)
{
    const LineField &field = catalogue::field(n).line;
    return line.replace(field.start - 1, field.width, text.leftJustified(field.width, ' '));
}

// `text` in place of field `n` of a separated line.
QByteArray withSeparatedField(const QByteArray &line, int n, const QByteArray &text)
{
    QByteArrayList fields = line.split(';');
    fields[n - 1] = text;
    return fields.join(';');
}

// What the reader notes of a line that its values cannot show, and nothing of a sound line.
void TestDeclarationReader::readerNotes_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("shape");
    QTest::addColumn<qint64>("seen");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QByteArrayList>("texts");

    const QByteArray fixed = firstLine("canonical_fixed_es_CL.txt");
    const QByteArray separated = firstLine("canonical_separated_es_CL.txt");
    const int right = int(ReaderNote::Shape::Right);
    const int length = int(ReaderNote::Shape::Length);
    const int fields = int(ReaderNote::Shape::Fields);
    const auto f = int(Layout::Fixed);
    const auto s = int(Layout::Separated);
    QTest::addRow("fixed, sound") << f << fixed << right << qint64(0) << QList<int>{} << QByteArrayList{};
    QTest::addRow("fixed, one short")
        << f << fixed.chopped(1) << length << qint64(860) << QList<int>{} << QByteArrayList{};
    QTest::addRow("fixed, one long") << f << fixed + ' ' << length << qint64(862) << QList<int>{}
                                     << QByteArrayList{};
    QTest::addRow("fixed, amount N/A") << f << withFixedField(fixed, 28, "N/A") << right << qint64(0)
                                       << QList<int>{28} << QByteArrayList{"N/A     "};
    QTest::addRow("fixed, count with a blank") << f << withFixedField(fixed, 13, "5") << right << qint64(0)
                                               << QList<int>{13} << QByteArrayList{"5 "};
    QTest::addRow("fixed, blank amount")
        << f << withFixedField(fixed, 28, "") << right << qint64(0) << QList<int>{} << QByteArrayList{};
    QTest::addRow("separated, sound")
        << s << separated << right << qint64(0) << QList<int>{} << QByteArrayList{};
    QTest::addRow("separated, 103 separators") << s << separated.left(separated.lastIndexOf(';')) << fields
                                               << qint64(104) << QList<int>{} << QByteArrayList{};
    QTest::addRow("separated, 105 separators")
        << s << separated + ";1" << fields << qint64(106) << QList<int>{} << QByteArrayList{};
    QTest::addRow("separated, amount N/A") << s << withSeparatedField(separated, 28, "N/A") << right
                                           << qint64(0) << QList<int>{28} << QByteArrayList{"N/A"};
    const QByteArray longText(60, 'x');
    QTest::addRow("separated, long text kept cut")
        << s << withSeparatedField(separated, 1, longText) << right << qint64(0) << QList<int>{1}
        << QByteArrayList{longText.left(ReaderNote::kKeptText)};
}

void TestDeclarationReader::readerNotes()
{
    QFETCH(int, layout);
    QFETCH(QByteArray, line);
    QFETCH(int, shape);
    QFETCH(qint64, seen);
    QFETCH(QList<int>, positions);
    QFETCH(QByteArrayList, texts);

    TestLocale regional("es_CL");
    RecordTable table;
    // A sound line after it: a note belongs to its own row only.
    readBytes(line + "\r\n"
                  + firstLine(Layout(layout) == Layout::Fixed ? "canonical_fixed_es_CL.txt"
                                                              : "canonical_separated_es_CL.txt"),
              Layout(layout), table);
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(table.readerNote(1), nullptr);
    const ReaderNote *note = table.readerNote(0);
    if (shape == int(ReaderNote::Shape::Right) && positions.isEmpty()) {
        QCOMPARE(note, nullptr);
        return;
    }
    QVERIFY(note);
    QCOMPARE(int(note->shape), shape);
    QCOMPARE(note->seen, seen);
    QList<int> notedPositions;
    QByteArrayList notedTexts;
    for (const ReaderNote::Unreadable &entry : note->unreadable) {
        notedPositions.append(entry.position);
        notedTexts.append(entry.text);
    }
    QCOMPARE(notedPositions, positions);
    QCOMPARE(notedTexts, texts);
}

void TestDeclarationReader::numbersRowsAndResetsOnce()
{
    TestLocale regional("es_CL");
    RecordTable table;
    table.open();
    table.append();
    table.field(2).setText("Z");
    table.post();
    QSignalSpy resets(&table, &RecordTable::tableReset);
    QSignalSpy inserted(&table, &RecordTable::rowInserted);
    QSignalSpy changed(&table, &RecordTable::rowChanged);
    readBytes(fileBytes(dataFile(QStringLiteral("canonical_separated_es_CL.txt"))), Layout::Separated, table);
    QCOMPARE(table.rowCount(), 3); // the old row is gone
    for (int row = 0; row < 3; ++row)
        QCOMPARE(table.textAt(row, catalogue::kLinea), QByteArray::number(row + 1));
    QCOMPARE(table.currentRow(), 2);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(changed.count(), 0);
}

// A separated line with few ";" and a rest of megabytes: every field after the last ";" gets that
// rest, which must not be searched and read again for each of them. The read is compared with one
// pass that finds the ";" and reads the rest as a number, with a wide margin for a busy machine.
void TestDeclarationReader::longRestReadOnce()
{
    TestLocale regional("es_CL");
    const QByteArray rest = '7' + QByteArray(8 << 20, '0');
    const QByteArray line = "1;;;;;;1;" + rest;
    const auto best = [](const std::function<void()> &step) {
        qint64 fastest = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            step();
            fastest = std::min(fastest, timer.nsecsElapsed());
        }
        return fastest;
    };
    RecordTable table;
    const qint64 onePass = best([&] {
        QVERIFY(line.count(';') == 7);
        QVERIFY(!regional::regionalNumber(rest)); // too large for a double
    });
    const qint64 reading = best([&] { readBytes(line, Layout::Separated, table); });
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.textAt(0, RecordTable::fieldIndex("tipo_pago")), QByteArray("70"));
    QCOMPARE(table.textAt(0, RecordTable::fieldIndex("centro_costo")), rest.first(20));
    QCOMPARE(table.textAt(0, RecordTable::fieldIndex("impo_afp")), QByteArray("0"));
    QVERIFY2(reading < 20 * onePass, qPrintable(QStringLiteral("%1 ms to read, %2 ms for one pass")
                                                    .arg(reading / 1000000)
                                                    .arg(onePass / 1000000)));
}

void TestDeclarationReader::pathOverload()
{
    QTemporaryDir dir;
    RecordTable table;
    declaration::read(dir.filePath(QStringLiteral("missing.txt")), Layout::Fixed, table);
    QVERIFY(table.isOpen());
    QCOMPARE(table.rowCount(), 0);

    QFile plain(dir.filePath(QStringLiteral("plain.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    table.close();
    declaration::read(plain.fileName() + QStringLiteral("/under.txt"), Layout::Fixed, table);
    QVERIFY(table.isOpen());
    QCOMPARE(table.rowCount(), 0);

    // A folder is refused, and the table keeps what it had.
    declaration::read(dataFile(QStringLiteral("canonical_fixed_es_CL.txt")), Layout::Fixed, table);
    QCOMPARE(errorOf([&] { declaration::read(dir.path(), Layout::Fixed, table); }),
             QStringLiteral("File access denied"));
    QCOMPARE(table.rowCount(), 3);
}

void TestDeclarationReader::unreadableFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes(dataFile(QStringLiteral("canonical_fixed_es_CL.txt"))));
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    if (::access(QFile::encodeName(path).constData(), R_OK) == 0)
        QSKIP("the file stays readable for this user (root)");
    RecordTable table;
    QCOMPARE(errorOf([&] { declaration::read(path, Layout::Fixed, table); }),
             QStringLiteral("File access denied"));
    QVERIFY(!table.isOpen());
}

QTEST_GUILESS_MAIN(TestDeclarationReader)
#include "tst_declarationreader.moc"
