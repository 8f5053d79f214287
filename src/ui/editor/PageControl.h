#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QWidget>

class QStackedWidget;

// A tabbed page control whose tabs wrap onto as many rows as its width needs (QTabWidget can only
// scroll or elide). With more than one row each row is stretched to the full width, and the row of
// the current tab is always the one next to the page. A tab can be drawn highlighted (tinted with
// the palette's highlight colour). Keys: Left/Right on the focused tab row, Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgDown and Ctrl+PgUp from anywhere inside. A click on a tab changes the page; when the focus
// was on the old page it moves to the first control of the new one.
class PageControl : public QWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget *parent = nullptr);

    // The control takes ownership of `page`; answers its index.
    int addPage(QWidget *page, const QString &text);
    int count() const { return int(m_tabs.size()); }
    QWidget *widget(int index) const;
    int indexOf(const QWidget *page) const;
    QString tabText(int index) const;

    int currentIndex() const { return m_current; }
    QWidget *currentWidget() const { return widget(m_current); }
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget *page) { setCurrentIndex(indexOf(page)); }

    bool isTabHighlighted(int index) const;
    void setTabHighlighted(int index, bool on);

    // Rows of tabs and the place of a tab at the control's present width.
    int tabRowCount() const;
    QRect tabRect(int index) const;
    // The tab under a point, or -1.
    int tabAt(const QPoint &point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Tab {
        QString text;
        bool highlighted = false;
    };
    struct Geometry {
        QList<QRect> tabs; // per tab, in widget coordinates
        int rows = 0;
        int barHeight = 0; // height of all rows of tabs
        int width = -1;    // the width it was computed for
    };

    QSize tabSize(int index) const;
    int tabHeight() const;
    Geometry computeGeometry(int width) const;
    // The geometry at the present width; a hidden control gets no resize events to keep it fresh.
    const Geometry &tabGeometry() const;
    int frameWidth() const;
    void relayout();
    void step(int delta);

    QList<Tab> m_tabs;
    QStackedWidget *m_stack;
    mutable Geometry m_geometry;
    int m_current = -1;
};
