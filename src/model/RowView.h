#pragma once

#include "model/FieldCatalogue.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <array>
#include <cstring>

// How a record table keeps a row: one block of bytes with a fixed place for every field. A text
// field is a length byte and its characters; a number is a "set" byte and its value. An all-zero
// row is a row of unset fields.
struct FieldPlace {
    int offset = 0;
    FieldKind kind = FieldKind::Text;
    int size = 0; // characters of a text field
};

struct RowLayout {
    std::array<FieldPlace, catalogue::kFieldCount> fields{};
    int size = 0; // bytes of a row

    RowLayout();
};

// The one layout of every row, made before main() runs.
extern const RowLayout kRowLayout;

// A field as stored.
struct StoredValue {
    FieldKind kind;
    bool isSet;          // a number was set; a text is set when not empty
    QByteArrayView text; // text fields
    double number;       // numbers, 0 when unset
};

// The length of the field's text (a number's general text) without making it.
int textLength(const StoredValue &value);

// A stored row read in place, for walks over every row that must not pay a call per field.
class RowView {
public:
    explicit RowView(const char *bytes) : m_bytes(bytes) {}

    // `position` must be a field's position, 0 to 105.
    StoredValue value(int position) const
    {
        const FieldPlace &place = kRowLayout.fields[std::size_t(position)];
        const char *bytes = m_bytes + place.offset;
        const bool set = bytes[0] != 0;
        switch (place.kind) {
        case FieldKind::Text:
            return {FieldKind::Text, set, QByteArrayView(bytes + 1, static_cast<unsigned char>(bytes[0])), 0};
        case FieldKind::Floating: {
            double number = 0;
            if (set)
                std::memcpy(&number, bytes + 1, sizeof number);
            return {FieldKind::Floating, set, {}, number};
        }
        case FieldKind::Integer: {
            qint32 number = 0;
            if (set)
                std::memcpy(&number, bytes + 1, sizeof number);
            return {FieldKind::Integer, set, {}, double(number)};
        }
        }
        return {};
    }

private:
    const char *m_bytes;
};
