#pragma once

#include <QString>

// The web addresses the program opens, kept in one place for every window that opens them.
namespace webaddresses {

// The service's home page.
inline QString site()
{
    return QStringLiteral("https://www.tarvinel.cl");
}

// The service's frequently-asked-questions page, shown as the main window's link.
inline QString faq()
{
    return QStringLiteral("https://www.tarvinel.cl/preguntas-frecuentes");
}

// The maker's web site, opened from the About box.
inline QString maker()
{
    return QStringLiteral("https://www.orvandel.cl");
}

} // namespace webaddresses
