#include "ui/ListingPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace listingpictures {

namespace {

using Draw = std::function<void(QPainter &)>;

// Draws `draw` in 24 x 24 units at the normal size and at twice it.
QIcon glyph(const Draw &draw)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(glyphSize * scale, glyphSize * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor blue(30, 90, 180);
const QColor green(30, 140, 60);
const QColor red(200, 30, 30);

void sheet(QPainter &p, const QColor &fill)
{
    QPainterPath path;
    path.moveTo(5, 2);
    path.lineTo(15, 2);
    path.lineTo(20, 7);
    path.lineTo(20, 22);
    path.lineTo(5, 22);
    path.closeSubpath();
    p.setPen(QPen(ink, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(15, 2), QPointF(15, 7), QPointF(20, 7)}));
}

void disc(QPainter &p, const QColor &fill)
{
    p.setPen(QPen(fill.darker(130), 1.2));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
}

void letter(QPainter &p, const QString &text, const QColor &colour)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, text);
}

} // namespace

QIcon createFile()
{
    return glyph([](QPainter &p) {
        sheet(p, paper);
        p.setPen(QPen(ink, 1));
        for (int y = 10; y <= 14; y += 2)
            p.drawLine(QPointF(8, y), QPointF(14, y));
        p.setPen(QPen(green, 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(17, 13), QPointF(17, 23));
        p.drawLine(QPointF(12, 18), QPointF(22, 18));
    });
}

QIcon webSite()
{
    return glyph([](QPainter &p) {
        disc(p, QColor(90, 160, 230));
        p.setPen(QPen(paper, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(8, 2.5, 8, 19));
        p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
        p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
        p.drawLine(QPointF(4.5, 7.5), QPointF(19.5, 7.5));
        p.drawLine(QPointF(4.5, 16.5), QPointF(19.5, 16.5));
    });
}

QIcon spreadsheet()
{
    return glyph([](QPainter &p) {
        p.setPen(QPen(green.darker(130), 1.2));
        p.setBrush(paper);
        p.drawRect(QRectF(3, 3, 18, 18));
        p.setBrush(green);
        p.drawRect(QRectF(3, 3, 18, 5));
        p.setPen(QPen(green, 1));
        for (const qreal x : {9.0, 15.0})
            p.drawLine(QPointF(x, 8), QPointF(x, 21));
        for (const qreal y : {12.5, 17.0})
            p.drawLine(QPointF(3, y), QPointF(21, y));
    });
}

QIcon modify()
{
    return glyph([](QPainter &p) {
        p.setPen(QPen(ink, 1.5));
        p.drawLine(QPointF(3, 21.5), QPointF(21, 21.5));
        QPainterPath pencil;
        pencil.moveTo(5, 19);
        pencil.lineTo(6.5, 14);
        pencil.lineTo(17, 3.5);
        pencil.lineTo(20.5, 7);
        pencil.lineTo(10, 17.5);
        pencil.closeSubpath();
        p.setPen(QPen(ink, 1.1));
        p.setBrush(QColor(240, 190, 40));
        p.drawPath(pencil);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({QPointF(5, 19), QPointF(6, 16), QPointF(8, 18)}));
    });
}

QIcon remove()
{
    return glyph([](QPainter &p) {
        p.setPen(QPen(red, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
    });
}

QIcon codes()
{
    return glyph([](QPainter &p) {
        sheet(p, paper);
        p.setPen(QPen(blue, 1.5));
        for (int y = 9; y <= 18; y += 3) {
            p.drawLine(QPointF(7.5, y), QPointF(9.5, y));
            p.drawLine(QPointF(11, y), QPointF(17.5, y));
        }
    });
}

QIcon massive()
{
    return glyph([](QPainter &p) {
        p.setPen(QPen(ink, 1.5));
        for (int y = 5; y <= 19; y += 4)
            p.drawLine(QPointF(3, y), QPointF(12, y));
        p.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(17, 4), QPointF(17, 20));
        p.drawPolyline(QPolygonF({QPointF(14, 16.5), QPointF(17, 20), QPointF(20, 16.5)}));
        p.drawPolyline(QPolygonF({QPointF(14, 7.5), QPointF(17, 4), QPointF(20, 7.5)}));
    });
}

QIcon secondContract()
{
    return glyph([](QPainter &p) {
        const auto figure = [&p](qreal x, const QColor &colour) {
            p.setPen(QPen(colour.darker(140), 1));
            p.setBrush(colour);
            p.drawEllipse(QRectF(x + 2.5, 4, 5, 5));
            p.drawRoundedRect(QRectF(x, 10, 10, 11), 3, 3);
        };
        figure(2, QColor(120, 120, 120));
        figure(12, blue);
    });
}

QIcon help()
{
    return glyph([](QPainter &p) {
        disc(p, blue);
        letter(p, QStringLiteral("?"), paper);
    });
}

QIcon about()
{
    return glyph([](QPainter &p) {
        disc(p, blue);
        letter(p, QStringLiteral("i"), paper);
    });
}

QIcon closeWindow()
{
    return glyph([](QPainter &p) {
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(4, 2.5, 11, 19));
        p.setBrush(QColor(250, 250, 250));
        p.drawPolygon(QPolygonF({QPointF(4, 2.5), QPointF(10, 5), QPointF(10, 23), QPointF(4, 21.5)}));
        p.setPen(QPen(red, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(13, 12), QPointF(22, 12));
        p.drawPolyline(QPolygonF({QPointF(18.5, 8.5), QPointF(22, 12), QPointF(18.5, 15.5)}));
    });
}

} // namespace listingpictures
