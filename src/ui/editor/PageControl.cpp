#include "ui/editor/PageControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>

#include <algorithm>

PageControl::PageControl(QWidget *parent) : QWidget(parent), m_stack(new QStackedWidget(this))
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int PageControl::addPage(QWidget *page, const QString &text)
{
    m_tabs.append(Tab{text, false});
    const int index = m_stack->addWidget(page);
    if (m_current < 0) {
        m_current = index;
        m_stack->setCurrentIndex(index);
    }
    relayout();
    updateGeometry();
    return index;
}

QWidget *PageControl::widget(int index) const
{
    return m_stack->widget(index);
}

int PageControl::indexOf(const QWidget *page) const
{
    return m_stack->indexOf(page);
}

QString PageControl::tabText(int index) const
{
    return index >= 0 && index < count() ? m_tabs[index].text : QString();
}

void PageControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    m_current = index;
    // The stacked widget moves a focus that was on the old page to the new one.
    m_stack->setCurrentIndex(index);
    relayout();
    Q_EMIT currentChanged(index);
}

bool PageControl::isTabHighlighted(int index) const
{
    return index >= 0 && index < count() && m_tabs[index].highlighted;
}

void PageControl::setTabHighlighted(int index, bool on)
{
    if (index < 0 || index >= count() || m_tabs[index].highlighted == on)
        return;
    m_tabs[index].highlighted = on;
    update();
}

int PageControl::tabRowCount() const
{
    return tabGeometry().rows;
}

QRect PageControl::tabRect(int index) const
{
    const Geometry &g = tabGeometry();
    return index >= 0 && index < g.tabs.size() ? g.tabs[index] : QRect();
}

int PageControl::tabAt(const QPoint &point) const
{
    const Geometry &g = tabGeometry();
    for (int i = 0; i < g.tabs.size(); ++i) {
        if (g.tabs[i].contains(point))
            return i;
    }
    return -1;
}

const PageControl::Geometry &PageControl::tabGeometry() const
{
    if (m_geometry.width != width())
        m_geometry = computeGeometry(width());
    return m_geometry;
}

QSize PageControl::tabSize(int index) const
{
    // As QTabBar sizes a tab with text only.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = m_tabs[index].text;
    const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    const QSize contents(fontMetrics().size(Qt::TextShowMnemonic, option.text).width() + hspace,
                         fontMetrics().height() + vspace);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, contents, this);
}

int PageControl::tabHeight() const
{
    int height = 0;
    for (int i = 0; i < count(); ++i)
        height = std::max(height, tabSize(i).height());
    return height;
}

int PageControl::frameWidth() const
{
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

PageControl::Geometry PageControl::computeGeometry(int width) const
{
    Geometry g;
    g.width = width;
    if (count() == 0)
        return g;
    const int height = tabHeight();
    QList<QList<int>> rows(1);
    QList<int> widths(count());
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        widths[i] = tabSize(i).width();
        if (!rows.last().isEmpty() && used + widths[i] > width) {
            rows.append(QList<int>());
            used = 0;
        }
        rows.last().append(i);
        used += widths[i];
    }
    // Several rows fill the width, as a multi-line tab control justifies them.
    if (rows.size() > 1) {
        for (const QList<int> &row : std::as_const(rows)) {
            int rowWidth = 0;
            for (const int i : row)
                rowWidth += widths[i];
            const int extra = std::max(0, width - rowWidth);
            int remaining = extra;
            for (qsizetype k = 0; k < row.size(); ++k) {
                const int i = row[k];
                const int add = k + 1 == row.size() ? remaining : extra * widths[i] / std::max(1, rowWidth);
                widths[i] += add;
                remaining -= add;
            }
        }
    }
    // The row of the current tab goes next to the page.
    const auto currentRow = std::find_if(rows.begin(), rows.end(),
                                         [this](const QList<int> &row) { return row.contains(m_current); });
    if (currentRow != rows.end())
        std::rotate(currentRow, currentRow + 1, rows.end());

    g.tabs.resize(count());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        int x = 0;
        for (const int i : std::as_const(rows[r])) {
            g.tabs[i] = QRect(x, int(r) * height, widths[i], height);
            x += widths[i];
        }
    }
    g.rows = int(rows.size());
    g.barHeight = g.rows * height;
    g.width = width;
    return g;
}

QSize PageControl::sizeHint() const
{
    const int fw = frameWidth();
    const QSize page = m_stack->sizeHint() + QSize(2 * fw, 2 * fw);
    return QSize(page.width(), computeGeometry(page.width()).barHeight + page.height());
}

QSize PageControl::minimumSizeHint() const
{
    const int fw = frameWidth();
    QSize page = m_stack->minimumSizeHint() + QSize(2 * fw, 2 * fw);
    for (int i = 0; i < count(); ++i)
        page.setWidth(std::max(page.width(), tabSize(i).width()));
    return QSize(page.width(), heightForWidth(page.width()));
}

int PageControl::heightForWidth(int width) const
{
    return computeGeometry(width).barHeight + m_stack->minimumSizeHint().height() + 2 * frameWidth();
}

void PageControl::relayout()
{
    const int oldBar = m_geometry.barHeight;
    m_geometry = computeGeometry(width());
    const int fw = frameWidth();
    m_stack->setGeometry(
        QRect(0, m_geometry.barHeight, width(), height() - m_geometry.barHeight).adjusted(fw, fw, -fw, -fw));
    if (m_geometry.barHeight != oldBar)
        updateGeometry();
    update();
}

void PageControl::step(int delta)
{
    if (count() > 0)
        setCurrentIndex((m_current + delta + count()) % count());
}

void PageControl::paintEvent(QPaintEvent *)
{
    tabGeometry();
    QPainter painter(this);
    QStyle *s = style();

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = frameWidth();
    frame.rect = QRect(0, m_geometry.barHeight, width(), height() - m_geometry.barHeight);
    frame.tabBarRect = QRect(0, 0, width(), m_geometry.barHeight);
    frame.tabBarSize = frame.tabBarRect.size();
    frame.selectedTabRect = tabRect(m_current);
    s->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

    // Rows from the top; the current tab last, over its neighbours and the frame.
    QList<int> order(count());
    for (int i = 0; i < count(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const int ya = tabRect(a).y(), yb = tabRect(b).y();
        if (ya != yb)
            return ya < yb;
        return a != m_current && b == m_current;
    });
    for (const int i : std::as_const(order)) {
        const QRect rect = tabRect(i);
        QStyleOptionTab option;
        option.initFrom(this);
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.shape = QTabBar::RoundedNorth;
        option.features |= QStyleOptionTab::HasFrame; // tabs on a pane, as in a QTabWidget
        option.rect = rect;
        option.text = m_tabs[i].text;
        const bool first = rect.x() == 0;
        const bool last =
            rect.right() >= width() - 1
            || std::none_of(m_geometry.tabs.cbegin(), m_geometry.tabs.cend(), [&](const QRect &other) {
                   return other.y() == rect.y() && other.x() > rect.x();
               });
        option.position = first && last ? QStyleOptionTab::OnlyOneTab
                          : first       ? QStyleOptionTab::Beginning
                          : last        ? QStyleOptionTab::End
                                        : QStyleOptionTab::Middle;
        const QRect current = tabRect(m_current);
        if (current.y() == rect.y() && i != m_current) {
            if (current.right() + 1 == rect.x())
                option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
            else if (rect.right() + 1 == current.x())
                option.selectedPosition = QStyleOptionTab::NextIsSelected;
        }
        if (i == m_current) {
            option.state |= QStyle::State_Selected;
            if (hasFocus())
                option.state |= QStyle::State_HasFocus;
        }
        s->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);
        if (m_tabs[i].highlighted) {
            QColor tint = palette().color(QPalette::Highlight);
            tint.setAlpha(70);
            painter.fillRect(rect.adjusted(3, 4, -3, -2), tint);
        }
        s->drawControl(QStyle::CE_TabBarTabLabel, &option, &painter, this);
    }
}

void PageControl::mousePressEvent(QMouseEvent *event)
{
    const int index = event->button() == Qt::LeftButton ? tabAt(event->position().toPoint()) : -1;
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCurrentIndex(index);
}

void PageControl::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_PageDown)) {
        step(event->modifiers() & Qt::ShiftModifier ? -1 : 1);
    } else if (ctrl && (key == Qt::Key_Backtab || key == Qt::Key_PageUp)) {
        step(-1);
    } else if (hasFocus() && !ctrl && (key == Qt::Key_Left || key == Qt::Key_Right)) {
        step(key == Qt::Key_Left ? -1 : 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PageControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
        relayout();
        updateGeometry();
    }
}

void PageControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PageControl::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
