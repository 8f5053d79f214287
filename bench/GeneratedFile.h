#pragma once

#include "model/LineLayout.h"
#include "util/Regional.h"

#include <QFile>
#include <QString>

// A declaration file of generated lines for the benchmarks: every field holds a value of its full
// width, so that every fixed-position line has its 861 characters; names and amounts vary from line
// to line, and the file reads back and writes out byte for byte.

// The field texts of generated line `i`.
inline linelayout::FieldTexts generatedTexts(int i)
{
    linelayout::FieldTexts texts;
    const char decimal = regional::separators().decimal;
    for (int n = 1; n <= catalogue::kLineFieldCount; ++n) {
        const FieldDef &def = catalogue::field(n);
        const LineField &fixed = def.line;
        QByteArray &text = texts[std::size_t(n - 1)];
        if (n == 1) {
            text = QByteArray::number(10000000 + i);
        } else if (def.kind == FieldKind::Integer) {
            text = QByteArray::number(i % 2);
        } else if (n == 32 || n == 38 || n == 63 || n == 68 || n == 79) {
            text = "1" + QByteArray(1, decimal) + QByteArray::number(i % 9 + 1); // no trailing zero
        } else if (def.kind == FieldKind::Floating) {
            qint64 limit = 1;
            for (int d = 1; d < fixed.width; ++d)
                limit *= 10;
            text = QByteArray::number((qint64(i) * 37 + n * 101) % limit);
        } else {
            switch (fixed.compose) {
            case FixedRule::ZeroPadded:
                text = QByteArray::number((i + n)
                                          % (def.size >= 4   ? 10000
                                             : def.size == 1 ? 10
                                             : def.size == 2 ? 100
                                                             : 1000));
                break;
            case FixedRule::AsStored:
                text = QByteArray(def.size, char('0' + (i + n) % 10));
                break;
            case FixedRule::SpacePadded:
                text = (QByteArray("NOMBRE \xD1U\xD1OA ") + QByteArray::number(i)).left(def.size);
                break;
            case FixedRule::RightAligned:
                text = def.size == 10 ? QByteArray("01-05-2024") : QByteArray("K");
                break;
            case FixedRule::DateOrZero:
            case FixedRule::Date:
                text = "01-05-2024";
                break;
            }
        }
    }
    return texts;
}

// Writes `lines` generated lines to `path`; false when the file cannot be written.
inline bool generateFile(const QString &path, linelayout::Layout layout, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int i = 0; i < lines; ++i) {
        block += linelayout::compose(generatedTexts(i), layout);
        block += "\r\n";
        if (block.size() > (1 << 20) || i == lines - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return true;
}
