#include "model/FieldCatalogue.h"
#include "model/LineLayout.h"

#include <QTest>

namespace {

// The numbers a list such as "2-6, 8-21, 25" names.
QList<int> numbers(const char *list)
{
    QList<int> result;
    for (const QByteArray &part : QByteArray(list).split(',')) {
        const QList<QByteArray> ends = part.trimmed().split('-');
        for (int n = ends.first().toInt(); n <= ends.last().toInt(); ++n)
            result.append(n);
    }
    return result;
}

// Fields 1 to 105 but the given ones.
QList<int> lineFieldsBut(const QList<int> &others)
{
    QList<int> result;
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        if (!others.contains(n))
            result.append(n);
    }
    return result;
}

QList<int> sorted(QList<int> list)
{
    std::sort(list.begin(), list.end());
    return list;
}

const QList<int> kFloating = numbers("1, 22-24, 27-31, 33, 38, 39, 43, 44, 48, 49, 59, 60, 63-66, 68-74, 77, "
                                     "79-82, 84-94, 97, 98, 100-102");
const QList<int> kFixedI = numbers("12, 19-24, 26, 27, 34, 40, 42, 45, 47, 62, 67, 75, 78, 83, 96, 99");
const QList<int> kFixedI00 = numbers("8, 13, 15");
const QList<int> kFixedP = numbers("32, 63, 68, 79");
const QList<int> kFixedG = numbers("28-31, 33, 38, 39, 43, 44, 48-50, 58-61, 64-66, 69-74, 77, 80-82, 84-94, "
                                   "97, 98, 100-103");

enum class Column { Kind, Compose, ReadFixed };

int valueOf(const FieldDef &field, Column column)
{
    switch (column) {
    case Column::Kind:
        return int(field.kind);
    case Column::Compose:
        return int(field.line.compose);
    case Column::ReadFixed:
        return int(field.line.readFixed);
    }
    return -1;
}

} // namespace

class TestFieldTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fieldsOfEachValue_data();
    void fieldsOfEachValue();
    void fieldsStandInNumberOrder();
    void separatedRuleFollowsTheKind();
};

// For each value of a column, the fields that hold it, as the lists of the written format give them.
void TestFieldTable::fieldsOfEachValue_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("count"); // as the format states it; -1 where it states none

    const auto row = [](const char *name, Column column, auto value, const QList<int> &expected, int count) {
        QTest::newRow(name) << int(column) << int(value) << sorted(expected) << count;
    };
    const QList<int> integer = {0, 7};
    row("text fields", Column::Kind, FieldKind::Text, lineFieldsBut(kFloating + integer), 54);
    row("floating fields", Column::Kind, FieldKind::Floating, kFloating, 50);
    row("integer fields", Column::Kind, FieldKind::Integer, integer, 2);

    row("zero-padded", Column::Compose, FixedRule::ZeroPadded,
        kFloating
            + numbers("8-10, 13-15, 19, 26, 32, 34, 40, 45, 50, 55, 58, 61, 62, 67, 75, 78, 83, 96, 99, 103"),
        74);
    row("space-padded", Column::Compose, FixedRule::SpacePadded,
        numbers("3-5, 37, 41, 46, 51-54, 76, 95, 105"), 13);
    row("right-aligned", Column::Compose, FixedRule::RightAligned, numbers("35, 36, 104"), 3);
    row("as stored", Column::Compose, FixedRule::AsStored, numbers("2, 6, 7, 11, 12, 18, 20, 21, 25, 42, 47"),
        11);
    row("date or zero", Column::Compose, FixedRule::DateOrZero, numbers("16, 17"), 2);
    row("date", Column::Compose, FixedRule::Date, numbers("56, 57"), 2);

    row("fixed S", Column::ReadFixed, ReadRule::S, {1}, -1);
    row("fixed Z", Column::ReadFixed, ReadRule::Z, {7}, -1);
    row("fixed I", Column::ReadFixed, ReadRule::I, kFixedI, -1);
    row("fixed I with 00", Column::ReadFixed, ReadRule::I00, kFixedI00, -1);
    row("fixed P", Column::ReadFixed, ReadRule::P, kFixedP, -1);
    row("fixed G", Column::ReadFixed, ReadRule::G, kFixedG, -1);
    row("fixed T", Column::ReadFixed, ReadRule::T,
        lineFieldsBut(QList<int>{1, 7} + kFixedI + kFixedI00 + kFixedP + kFixedG), -1);
}

void TestFieldTable::fieldsOfEachValue()
{
    QFETCH(int, column);
    QFETCH(int, value);
    QFETCH(QList<int>, expected);
    QFETCH(int, count);

    // `Linea` has a kind but no place in a line.
    const int first = Column(column) == Column::Kind ? 0 : 1;
    QList<int> actual;
    for (int n = first; n < catalogue::kFieldCount; ++n) {
        if (valueOf(catalogue::field(n), Column(column)) == value)
            actual.append(n);
    }
    QCOMPARE(actual, expected);
    if (count >= 0)
        QCOMPARE(actual.size(), count);
}

// Fields 1 to 105 lie side by side from column 1 to 861 in number order, each text field as wide as its
// size and each caption led by the field's number.
void TestFieldTable::fieldsStandInNumberOrder()
{
    QCOMPARE(catalogue::field(catalogue::kLinea).line.start, 0);
    int column = 1;
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const FieldDef &field = catalogue::field(n);
        QCOMPARE(field.line.start, column);
        if (field.kind == FieldKind::Text)
            QCOMPARE(field.line.width, field.size);
        QVERIFY(catalogue::caption(n).startsWith(QStringLiteral("[%1] ").arg(n)));
        column += field.line.width;
    }
    QCOMPARE(column - 1, linelayout::kFixedLineLength);
}

void TestFieldTable::separatedRuleFollowsTheKind()
{
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const FieldDef &field = catalogue::field(n);
        const ReadRule expected = n == 1                              ? ReadRule::S
                                  : n == 7                            ? ReadRule::Z
                                  : field.kind == FieldKind::Floating ? ReadRule::R
                                  : n == 12 || n == 13                ? ReadRule::E
                                                                      : ReadRule::T;
        QCOMPARE(field.line.readSeparated, expected);
    }
}

QTEST_GUILESS_MAIN(TestFieldTable)
#include "tst_fieldtable.moc"
