#include "model/LineLayout.h"
#include "model/RecordTable.h"

#include "TestFiles.h"
#include "TestLocale.h"

#include <QFile>
#include <QTest>

using namespace linelayout;

namespace {

QList<QByteArray> goldenLines(const QString &name)
{
    QList<QByteArray> lines = fileBytes(dataFile(name)).split('\n');
    lines.removeLast(); // after the last line end
    for (QByteArray &line : lines)
        line.chop(1); // the carriage return
    return lines;
}

// A one-row table with the given fields set from text, everything else unset.
QByteArray composeRow(std::initializer_list<std::pair<const char *, QByteArray>> fields, Layout layout)
{
    RecordTable table;
    table.open();
    table.append();
    for (const auto &[name, text] : fields)
        table.fieldByName(name).setText(text);
    table.post();
    return compose(rowTexts(table, 0), layout);
}

QByteArray piece(const QByteArray &line, int number)
{
    const LineField &f = catalogue::field(number).line;
    return line.mid(f.start - 1, f.width);
}

} // namespace

class TestLineLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachFieldAlone_data();
    void eachFieldAlone();
    void canonicalRoundTrip_data();
    void canonicalRoundTrip();
    void composeEdgeCases_data();
    void composeEdgeCases();
    void cutShortAndLongLines();
};

// One row per field, layout and locale: only that field holds a value ("7" in a text field, 2.5 in
// a floating one, 1 in `nacion`); the composed line must equal the golden line.
void TestLineLayout::eachFieldAlone_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("expected");
    for (const char *locale : {"es_CL", "en_US"}) {
        for (const Layout layout : {Layout::Fixed, Layout::Separated}) {
            const QString file =
                QStringLiteral("each_field_%1_%2.txt")
                    .arg(layout == Layout::Fixed ? u"fixed" : u"separated", QLatin1String(locale));
            const QList<QByteArray> lines = goldenLines(file);
            for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
                QTest::addRow("%s %s %d %s", locale, layout == Layout::Fixed ? "fixed" : "separated", n,
                              catalogue::field(n).name)
                    << QByteArray(locale) << int(layout) << n << lines.at(n - 1);
            }
        }
    }
}

void TestLineLayout::eachFieldAlone()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, layout);
    QFETCH(int, number);
    QFETCH(QByteArray, expected);
    TestLocale regional(locale.constData());

    RecordTable table;
    table.open();
    table.append();
    FieldRef f = table.field(number);
    if (f.kind() == FieldKind::Floating)
        f.setNumber(2.5);
    else if (f.kind() == FieldKind::Integer)
        f.setInteger(1);
    else
        f.setText("7");
    table.post();
    QCOMPARE(compose(rowTexts(table, 0), Layout(layout)), expected);
}

void TestLineLayout::canonicalRoundTrip_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<int>("layout");
    for (const char *locale : {"es_CL", "en_US"}) {
        QTest::addRow("%s fixed", locale) << QByteArray(locale) << int(Layout::Fixed);
        QTest::addRow("%s separated", locale) << QByteArray(locale) << int(Layout::Separated);
    }
}

// A canonical line, cut, stored field by field and composed again, gives the same bytes.
void TestLineLayout::canonicalRoundTrip()
{
    QFETCH(QByteArray, locale);
    QFETCH(int, layout);
    TestLocale regional(locale.constData());
    const QList<QByteArray> lines =
        goldenLines(QStringLiteral("canonical_%1_%2.txt")
                        .arg(layout == int(Layout::Fixed) ? u"fixed" : u"separated", QLatin1String(locale)));
    for (const QByteArray &line : lines) {
        if (layout == int(Layout::Fixed))
            QCOMPARE(line.size(), kFixedLineLength);
        const FieldViews texts = cut(line, Layout(layout));
        RecordTable table;
        table.open();
        table.append();
        for (int n = 1; n <= catalogue::kLineFieldCount; ++n)
            table.field(n).setText(texts[std::size_t(n - 1)]);
        table.post();
        QCOMPARE(compose(rowTexts(table, 0), Layout(layout)), line);
    }
}

void TestLineLayout::composeEdgeCases_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("fixedPiece");
    QTest::addColumn<int>("fixedLength");
    QTest::addColumn<QByteArray>("separatedText");

    QTest::addRow("amount zero-padded") << QByteArray("impo_afp") << QByteArray("123456")
                                        << QByteArray("00123456") << -1 << QByteArray("123456");
    QTest::addRow("unset amount") << QByteArray("impo_afp") << QByteArray("") << QByteArray("00000000") << -1
                                  << QByteArray("");
    QTest::addRow("negative amount") << QByteArray("asig_fam") << QByteArray("-100") << QByteArray("00-100")
                                     << -1 << QByteArray("-100");
    QTest::addRow("surname space-padded")
        << QByteArray("ape_pat") << QByteArray("DE LA  FUENTE")
        << QByteArray("DE LA  FUENTE                 ") << -1 << QByteArray("DE LA  FUENTE");
    QTest::addRow("code 1 gets its zero")
        << QByteArray("tipo_pago") << QByteArray("1") << QByteArray("01") << -1 << QByteArray("1");
    QTest::addRow("blank inside a code")
        << QByteArray("inst_apvi") << QByteArray("1 2") << QByteArray("012") << -1 << QByteArray("1 2");
    QTest::addRow("date zero gives blanks")
        << QByteArray("Fecha_Desde") << QByteArray("0") << QByteArray("          ") << -1 << QByteArray("0");
    QTest::addRow("empty date gives blanks")
        << QByteArray("Fecha_Hasta") << QByteArray("") << QByteArray("          ") << -1 << QByteArray(" ");
    QTest::addRow("empty voluntary date") << QByteArray("fec_desde_volun") << QByteArray("")
                                          << QByteArray("          ") << -1 << QByteArray("");
    QTest::addRow("period right-aligned") << QByteArray("per_desde_sust") << QByteArray("52024")
                                          << QByteArray("     52024") << -1 << QByteArray("52024");
    QTest::addRow("empty period blanks")
        << QByteArray("per_hasta_sust") << QByteArray("") << QByteArray("          ") << -1 << QByteArray("");
    QTest::addRow("widest whole amount") << QByteArray("rut") << QByteArray("99999999999")
                                         << QByteArray("99999999999") << -1 << QByteArray("99999999999");
    QTest::addRow("amount with a fraction")
        << QByteArray("impo_afp") << QByteArray("12,5") << QByteArray("000012,5") << -1 << QByteArray("12,5");
    QTest::addRow("negative zero") << QByteArray("impo_afp") << QByteArray("-0") << QByteArray("00000000")
                                   << -1 << QByteArray("0");
    QTest::addRow("amount too wide pushes on") << QByteArray("impo_afp") << QByteArray("123456789")
                                               << QByteArray("12345678") << 862 << QByteArray("123456789");
}

void TestLineLayout::composeEdgeCases()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, fixedPiece);
    QFETCH(int, fixedLength);
    QFETCH(QByteArray, separatedText);
    TestLocale regional("es_CL");

    // Every as-stored field holds its full width, so the line would be 861 characters long.
    std::initializer_list<std::pair<const char *, QByteArray>> full = {{"dv", "K"},
                                                                       {"sexo", "M"},
                                                                       {"nacion", "0"},
                                                                       {"reg_previ", "AFP"},
                                                                       {"tipo_trab", "0"},
                                                                       {"Tramo_Fam", "D"},
                                                                       {"num_car_mat", "0"},
                                                                       {"num_car_inv", "0"},
                                                                       {"sub_trab_jov", "N"},
                                                                       {"forma_pago_apvi", "2"},
                                                                       {"forma_pago_apvc", "2"},
                                                                       {"Fecha_Desde", "01-05-2024"},
                                                                       {"Fecha_Hasta", "31-05-2024"},
                                                                       {"centro_costo", "CC1"}};
    RecordTable table;
    table.open();
    table.append();
    for (const auto &[name, value] : full)
        table.fieldByName(name).setText(value);
    table.fieldByName(field).setText(text);
    table.post();
    const FieldTexts texts = rowTexts(table, 0);

    const QByteArray fixed = compose(texts, Layout::Fixed);
    const int number = RecordTable::fieldIndex(field);
    QCOMPARE(piece(fixed, number), fixedPiece);
    QCOMPARE(fixed.size(), fixedLength < 0 ? kFixedLineLength : fixedLength);

    const QByteArray separated = compose(texts, Layout::Separated);
    // The writer composes in place, amounts straight from their values: the same bytes.
    QCOMPARE(composeRow(table, 0, Layout::Fixed), fixed);
    QCOMPARE(composeRow(table, 0, Layout::Separated), separated);
    QCOMPARE(separated.count(';'), 104);
    QVERIFY(!separated.endsWith(';'));
    QCOMPARE(separated.split(';').at(number - 1), separatedText);
}

void TestLineLayout::cutShortAndLongLines()
{
    QCOMPARE(composeRow({{"dv", ""}}, Layout::Fixed).size(),
             kFixedLineLength - 13); // the as-stored fields are empty

    // A fixed line shorter than the layout: the fields past its end are empty or partial. The views
    // point into the lines, which must outlive them.
    const QByteArray line104(104, '1');
    const FieldViews shortFixed = cut(line104, Layout::Fixed);
    QCOMPARE(shortFixed[6], QByteArray("1")); // nacion, column 104
    QCOMPARE(shortFixed[7], QByteArray());    // tipo_pago starts at 105
    const QByteArray line110(110, '2');
    QCOMPARE(cut(line110, Layout::Fixed)[8], QByteArray("222222").left(4)); // remu_desde 107-112

    // Separator line with 20 fields and no final ";": fields 21 to 105 repeat the rest of the line.
    QByteArray twenty;
    for (int n = 1; n <= 20; ++n)
        twenty += (n > 1 ? ";" : "") + QByteArray::number(n);
    FieldViews texts = cut(twenty, Layout::Separated);
    QCOMPARE(texts[18], QByteArray("19"));
    QCOMPARE(texts[19], QByteArray("20"));
    QCOMPARE(texts[104], QByteArray("20"));
    const QByteArray twentyEnded = twenty + ';';
    texts = cut(twentyEnded, Layout::Separated);
    QCOMPARE(texts[19], QByteArray("20"));
    QCOMPARE(texts[20], QByteArray());
    QCOMPARE(texts[104], QByteArray());

    // A 106th field is ignored; a final ";" after field 105 changes nothing.
    QByteArray full;
    for (int n = 1; n <= 105; ++n)
        full += (n > 1 ? ";" : "") + QByteArray::number(n);
    QCOMPARE(cut(full, Layout::Separated)[104], QByteArray("105"));
    QCOMPARE(cut(full + ';', Layout::Separated)[104], QByteArray("105"));
    QCOMPARE(cut(full + ";106", Layout::Separated)[104], QByteArray("105"));

    // A line without any ";" gives every field the whole line.
    texts = cut("ABC", Layout::Separated);
    QCOMPARE(texts[0], QByteArray("ABC"));
    QCOMPARE(texts[6], QByteArray("ABC"));
}

QTEST_GUILESS_MAIN(TestLineLayout)
#include "tst_linelayout.moc"
