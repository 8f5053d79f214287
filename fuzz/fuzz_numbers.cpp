// The number readings and the general text: whatever a reading accepts, its general text reads back
// to the same general text through both readings; a double's general text keeps 15 digits; the
// length the table finds without making a text is the text's length; a strict reading, whichever way
// it takes, gives the correctly rounded value of its text.

#include "FuzzCheck.h"

#include "model/RecordTable.h"
#include "util/Regional.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

void checkGeneralText(double value)
{
    // The largest doubles round to 15 digits beyond the range, and no declaration holds them.
    if (!std::isfinite(value) || std::abs(value) >= 1e308)
        return;
    const QByteArray text = regional::generalText(value);
    const auto strict = regional::strictNumber(text);
    FUZZ_CHECK(strict.has_value());
    FUZZ_CHECK(regional::regionalNumber(text) == strict);
    FUZZ_CHECK(regional::generalText(*strict) == text);
    // 15 significant digits: within a few units of the 15th digit. Subnormal numbers have fewer.
    if (std::isnormal(value))
        FUZZ_CHECK(std::abs(*strict - value) <= std::abs(value) * 1e-14);

    static RecordTable table;
    if (table.rowCount() == 0) {
        table.open();
        table.append();
        table.post();
    }
    table.edit();
    table.fieldByName("impo_afp").setNumber(value);
    table.post();
    const int position = RecordTable::fieldIndex("impo_afp");
    FUZZ_CHECK(textLength(table.rowView(0).value(position)) == table.textAt(0, position).size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < 1)
        return 0;
    regional::setLocale(fuzzing::localeFor(data[0]));
    const QByteArray text = fuzzing::bytesOf(data + 1, size - 1);

    if (const auto value = regional::strictNumber(text)) {
        checkGeneralText(*value);
        QByteArray plain = text.trimmed();
        if (plain.startsWith('+'))
            plain.remove(0, 1);
        plain.replace(regional::separators().decimal, '.');
        double exact = 0;
        const auto [end, error] = std::from_chars(plain.constData(), plain.constData() + plain.size(), exact);
        if (error == std::errc())
            FUZZ_CHECK(exact == *value);
        FUZZ_CHECK(regional::regionalNumber(text) == value); // the regional reading accepts more
    }
    if (const auto value = regional::regionalNumber(text))
        checkGeneralText(*value);
    if (const auto value = regional::strictInteger(text)) {
        FUZZ_CHECK(regional::strictInteger(QByteArray::number(*value)) == value);
        FUZZ_CHECK(regional::strictNumber(text) == double(*value));
    }
    if (text.size() >= qsizetype(sizeof(double))) {
        double raw;
        std::memcpy(&raw, text.constData(), sizeof raw);
        checkGeneralText(raw);
    }
    return 0;
}
