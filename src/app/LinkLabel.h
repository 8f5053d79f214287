#pragma once

#include <QLabel>

// A web link shown as blue underlined text with a hand cursor; a left click on it emits clicked().
// It takes no focus, like a static text.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
