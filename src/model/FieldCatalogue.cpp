#include "model/FieldCatalogue.h"

#include <QHash>

namespace catalogue {

namespace {

QByteArray folded(QByteArrayView name)
{
    return name.toByteArray().toLower();
}

const QHash<QByteArray, int> &positionsByName()
{
    static const QHash<QByteArray, int> positions = [] {
        QHash<QByteArray, int> map;
        for (int i = 0; i < kFieldCount; ++i)
            map.insert(folded(fields()[std::size_t(i)].name), i);
        return map;
    }();
    return positions;
}

} // namespace

const FieldDef &field(int position)
{
    return fields().at(std::size_t(position));
}

int indexOf(QByteArrayView name)
{
    return positionsByName().value(folded(name), -1);
}

QStringView caption(int position)
{
    return QStringView(field(position).caption);
}

} // namespace catalogue
