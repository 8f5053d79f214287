#include "model/RowView.h"

#include "util/Regional.h"

#include <cmath>

RowLayout::RowLayout()
{
    for (int i = 0; i < catalogue::kFieldCount; ++i) {
        const FieldDef &f = catalogue::field(i);
        fields[std::size_t(i)] = FieldPlace{size, f.kind, f.size};
        switch (f.kind) {
        case FieldKind::Text:
            size += 1 + f.size;
            break;
        case FieldKind::Floating:
            size += 1 + int(sizeof(double));
            break;
        case FieldKind::Integer:
            size += 1 + int(sizeof(qint32));
            break;
        }
    }
}

// The catalogue it reads is a constant, so it is ready whenever this runs.
const RowLayout kRowLayout;

int textLength(const StoredValue &value)
{
    if (value.kind == FieldKind::Text)
        return int(value.text.size());
    if (!value.isSet)
        return 0;
    if (std::abs(value.number) < 1e15 && value.number == std::trunc(value.number)) {
        int length = value.number < 0 ? 2 : 1;
        for (auto rest = static_cast<long long>(std::abs(value.number)); rest >= 10; rest /= 10)
            ++length;
        return length;
    }
    char buffer[32];
    return regional::writeGeneralText(value.number, buffer);
}
