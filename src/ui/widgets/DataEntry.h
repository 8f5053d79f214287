#pragma once

#include <QWidget>

namespace dataentry {

// Marks `widget` as a data-entry control for the program-wide Enter filter (JDGMessage), which
// turns Enter into Tab on widgets whose property "enterActsAsTab" is true.
inline void markEnterActsAsTab(QWidget *widget)
{
    widget->setProperty("enterActsAsTab", true);
}

} // namespace dataentry
