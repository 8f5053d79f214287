// The declaration reader and writer in both layouts and both regional settings: reading through a
// device that yields a few bytes at a time gives the same lines as reading at once, and a file the
// writer made reads back to a table that is written as the same bytes again.

#include "FuzzCheck.h"

#include "io/DeclarationReader.h"
#include "io/DeclarationWriter.h"
#include "model/RecordTable.h"
#include "util/AppError.h"
#include "util/Regional.h"

#include <QBuffer>

#include <algorithm>
#include <cstring>

using linelayout::Layout;

namespace {

// Yields at most `step` bytes per read.
class TrickleDevice : public QIODevice {
public:
    TrickleDevice(const QByteArray &data, qint64 step) : m_data(data), m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    // The harness, not the code under test: left out of the coverage and address checks, since
    // the trickled reading calls it for every few bytes of the input.
    __attribute__((no_sanitize("address", "coverage"))) qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 left = qint64(m_data.size()) - m_pos;
        const qint64 count =
            maxSize < m_step ? (maxSize < left ? maxSize : left) : (m_step < left ? m_step : left);
        const char *from = m_data.constData() + m_pos;
        for (qint64 i = 0; i < count; ++i)
            data[i] = from[i];
        m_pos += count;
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray &m_data;
    qint64 m_step;
    qint64 m_pos = 0;
};

// The failure of the read, or an empty text.
QString readThrough(QIODevice &device, Layout layout, RecordTable &table)
{
    try {
        declaration::read(device, layout, table);
    } catch (const AppError &e) {
        return e.message();
    }
    return {};
}

// The line reader yields the same lines from a device that gives a few bytes at a time as from the
// whole input at once. Reading by blocks can change nothing else: the reader stores the lines it is
// given, whatever device they came from.
bool sameLines(const QByteArray &input, qint64 step)
{
    QBuffer whole;
    whole.setData(input);
    whole.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    TrickleDevice trickle(input, step);
    declaration::LineReader fromWhole(whole);
    declaration::LineReader fromTrickle(trickle);
    QByteArray line;
    QByteArray trickled;
    for (;;) {
        const bool more = fromWhole.next(line);
        if (fromTrickle.next(trickled) != more || trickled != line)
            return false;
        if (!more)
            return true;
    }
}

QString readBytes(const QByteArray &bytes, Layout layout, RecordTable &table)
{
    QBuffer buffer;
    buffer.setData(bytes);
    // Read in place: a buffered device copies each block through a buffer of its own first.
    buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return readThrough(buffer, layout, table);
}

// The bytes written, in a buffer kept from one call to the next (valid until the next call with
// the same `slot`), so that writing takes no fresh memory for every input.
const QByteArray &written(RecordTable &table, Layout layout, int slot)
{
    static QByteArray outputs[2];
    QByteArray &output = outputs[slot];
    output.resize(0);
    QBuffer buffer(&output);
    buffer.open(QIODevice::WriteOnly);
    declaration::write(table, layout, buffer);
    return output;
}

// In the fixed-position layout the check before writing and the lines written agree: with no field
// out of its width every line is 861 characters long. Not the converse: a field one character too
// long and another one too short make a line of 861 whose columns still move, which the check
// rightly names.
bool aligned(const RecordTable &table, const QByteArray &bytes)
{
    const bool misaligned = declaration::firstMisalignedLine(table).has_value();
    // A line feed alone is an ordinary character of a field, and no field holds a carriage return:
    // every line ends at its carriage return.
    bool everyLineFits = true;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\r', start);
        if (end - start != linelayout::kFixedLineLength)
            everyLineFits = false;
        start = end + 2;
    }
    FUZZ_CHECK(everyLineFits || misaligned);
    return !misaligned;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const unsigned char options = data[0];
    // Set only when it changes: setting it is a good part of a short input's time.
    static int regionalBit = -1;
    if (regionalBit != (options & 1)) {
        regionalBit = options & 1;
        regional::setLocale(fuzzing::localeFor(options));
    }
    const Layout layout = options & 2 ? Layout::Separated : Layout::Fixed;
    const QByteArray input = fuzzing::bytesOf(data + 1, size - 1);

    // Each read opens its table afresh; kept from one input to the next, the tables' memory is
    // reused instead of being mapped, faulted in and unmapped again for every input.
    static RecordTable table;
    static RecordTable second;
    static RecordTable third;
    FUZZ_CHECK(sameLines(input, 1 + (options >> 2) % 7));
    const QString failure = readBytes(input, layout, table);
    if (!failure.isEmpty())
        return 0;

    const QByteArray &first = written(table, layout, 0);
    if (layout == Layout::Fixed && !aligned(table, first))
        return 0; // asked before writing: the columns after the odd field move
    FUZZ_CHECK(readBytes(first, layout, second).isEmpty());
    const QByteArray &again = written(second, layout, 1);
    if (layout == Layout::Separated) {
        FUZZ_CHECK(again == first);
        return 0;
    }
    // The fixed-position layout loses what the design lets it lose on the first way back (a minus
    // sign behind the zeros, a number cut to its text field); from then on nothing changes.
    if (!aligned(second, again))
        return 0;
    FUZZ_CHECK(readBytes(again, layout, third).isEmpty());
    FUZZ_CHECK(written(third, layout, 0) == again);
    return 0;
}
