#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// What the reader saw of one line that the stored values cannot show: a line of the wrong shape
// for its layout, and the number fields whose text held something that could not be read, so that
// they took their fallback. It stays with its row in the record table until the row is corrected.
struct ReaderNote {
    enum class Shape : quint8 {
        Right,
        Length, // a fixed-position line that was not 861 characters long
        Fields, // a separated line that did not hold 105 fields
    };

    struct Unreadable {
        int position = 0;
        QByteArray text;  // what the file held, cut to kKeptText characters
        bool cut = false; // the file held more than that
    };
    static constexpr qsizetype kKeptText = 48;

    Shape shape = Shape::Right;
    qint64 seen = 0;                    // the line's length or its count of fields
    std::vector<Unreadable> unreadable; // in position order

    bool isEmpty() const { return shape == Shape::Right && unreadable.empty(); }
    // The field's unreadable text, null when the field has none.
    const Unreadable *unreadableAt(int position) const
    {
        for (const Unreadable &entry : unreadable) {
            if (entry.position == position)
                return &entry;
        }
        return nullptr;
    }
};
