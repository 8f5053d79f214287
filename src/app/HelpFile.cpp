#include "app/HelpFile.h"

namespace helpfile {

namespace {
QString &stored()
{
    static QString file;
    return file;
}
} // namespace

QString path()
{
    return stored();
}

void setPath(const QString &path)
{
    stored() = path;
}

} // namespace helpfile
