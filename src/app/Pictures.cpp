#include "app/Pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace pictures {

namespace {

// Pictures are drawn at twice their size as well, for screens with a scale factor.
constexpr qreal scales[] = {1.0, 2.0};

// The disabled state draws the same shapes in greys of the same lightness.
QColor tone(const QColor &color, bool disabled)
{
    if (!disabled)
        return color;
    const int grey = qGray(color.rgb());
    return QColor(160 + grey / 4, 160 + grey / 4, 160 + grey / 4, color.alpha());
}

using Drawing = std::function<void(QPainter &, bool disabled)>;

QPixmap render(QSize size, qreal scale, bool disabled, const Drawing &draw)
{
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, disabled);
    return pixmap;
}

QIcon twoStateIcon(const Drawing &draw)
{
    QIcon icon;
    for (const qreal scale : scales) {
        const QSize size(glyphSize, glyphSize);
        icon.addPixmap(render(size, scale, false, draw), QIcon::Normal);
        icon.addPixmap(render(size, scale, true, draw), QIcon::Disabled);
    }
    return icon;
}

void drawEdit(QPainter &p, bool disabled)
{
    // The sheet, with its corner turned down and lines of text.
    QPainterPath sheet;
    sheet.moveTo(5, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(25, 9);
    sheet.lineTo(25, 29);
    sheet.lineTo(5, 29);
    sheet.closeSubpath();
    p.setPen(QPen(tone(QColor(90, 90, 90), disabled), 1));
    p.setBrush(tone(Qt::white, disabled));
    p.drawPath(sheet);
    p.setBrush(tone(QColor(210, 210, 210), disabled));
    p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));
    p.setPen(QPen(tone(QColor(70, 110, 180), disabled), 1.5));
    for (int y = 13; y <= 25; y += 4)
        p.drawLine(QPointF(8, y), QPointF(y < 20 ? 22 : 15, y));

    // The pencil, lying across the sheet's lower right corner.
    p.save();
    p.translate(23, 19);
    p.rotate(-45);
    p.setPen(QPen(tone(QColor(60, 40, 10), disabled), 0.8));
    p.setBrush(tone(QColor(245, 190, 40), disabled));
    p.drawRect(QRectF(-10, -2.5, 15, 5));
    p.setBrush(tone(QColor(235, 120, 140), disabled));
    p.drawRect(QRectF(5, -2.5, 4, 5));
    p.setBrush(tone(QColor(240, 215, 170), disabled));
    p.drawPolygon(QPolygonF({QPointF(-10, -2.5), QPointF(-15, 0), QPointF(-10, 2.5)}));
    p.setBrush(tone(QColor(40, 40, 40), disabled));
    p.drawPolygon(QPolygonF({QPointF(-13, -1), QPointF(-15, 0), QPointF(-13, 1)}));
    p.restore();
}

void drawAbout(QPainter &p, bool disabled)
{
    QRadialGradient disc(QPointF(13, 11), 16);
    disc.setColorAt(0, tone(QColor(110, 170, 240), disabled));
    disc.setColorAt(1, tone(QColor(20, 70, 160), disabled));
    p.setPen(QPen(tone(QColor(15, 50, 120), disabled), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(tone(Qt::white, disabled));
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

void drawExit(QPainter &p, bool disabled)
{
    // The door frame and the door swung open towards the viewer.
    p.setPen(QPen(tone(QColor(70, 45, 20), disabled), 1));
    p.setBrush(tone(QColor(60, 60, 70), disabled));
    p.drawRect(QRectF(14, 3, 14, 26));
    p.setBrush(tone(QColor(175, 115, 55), disabled));
    p.drawPolygon(QPolygonF({QPointF(14, 3), QPointF(22, 6), QPointF(22, 31), QPointF(14, 29)}));
    p.setBrush(tone(QColor(250, 220, 90), disabled));
    p.drawEllipse(QRectF(19, 16, 2, 2));

    // The arrow going out to the left.
    p.setPen(QPen(tone(QColor(20, 100, 30), disabled), 1));
    p.setBrush(tone(QColor(50, 170, 60), disabled));
    p.drawPolygon(QPolygonF({QPointF(2, 16), QPointF(9, 9), QPointF(9, 13), QPointF(17, 13), QPointF(17, 19),
                             QPointF(9, 19), QPointF(9, 23)}));
}

void drawLogo(QPainter &p, QSize size)
{
    const QRectF box(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, QColor(30, 110, 200));
    fill.setColorAt(1, QColor(10, 60, 140));
    p.setPen(QPen(QColor(5, 40, 100), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 5, 5);

    // An orange stroke under the word.
    p.setPen(QPen(QColor(250, 160, 30), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 33), QPointF(size.width() - 22, 33));

    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(22);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 2, size.width(), 28), Qt::AlignCenter, QStringLiteral("Tarvinel"));
}

} // namespace

QIcon editGlyph()
{
    return twoStateIcon(drawEdit);
}

QIcon aboutGlyph()
{
    return twoStateIcon(drawAbout);
}

QIcon exitGlyph()
{
    return twoStateIcon(drawExit);
}

QPixmap serviceLogo()
{
    const QSize size(141, 42);
    return render(size, 2.0, false, [size](QPainter &p, bool) { drawLogo(p, size); });
}

} // namespace pictures
