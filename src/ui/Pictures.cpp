#include "ui/Pictures.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace pictures {

namespace {

// A drawing in units of its own square, `box` units wide.
struct Glyph {
    int box;
    std::function<void(QPainter &)> draw;
};

// The outline through `points`, closed back to the first.
QPainterPath closedPath(const QList<QPointF> &points)
{
    QPainterPath path(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    path.closeSubpath();
    return path;
}

QPixmap render(const Glyph &glyph, int size, qreal scale)
{
    QPixmap pixmap(QSize(size, size) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size) / glyph.box, qreal(size) / glyph.box);
    glyph.draw(painter);
    return pixmap;
}

// The disabled picture: the same shapes in light greys of the same lightness.
QPixmap greyed(const QPixmap &normal)
{
    QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 160 + qGray(line[x]) / 4;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(normal.devicePixelRatio());
    return pixmap;
}

QIcon icon(const Glyph &glyph)
{
    QIcon result;
    for (const int size : {barGlyphSize, buttonGlyphSize}) {
        for (const qreal scale : {1.0, 2.0}) {
            const QPixmap normal = render(glyph, size, scale);
            result.addPixmap(normal, QIcon::Normal);
            result.addPixmap(greyed(normal), QIcon::Disabled);
        }
    }
    return result;
}

// The listing's glyphs are drawn in a square of 24 units, the main window's in one of 32.
constexpr int small = 24;
constexpr int large = 32;

const QColor ink(40, 40, 40);
const QColor paper(255, 255, 255);
const QColor blue(30, 90, 180);
const QColor green(30, 140, 60);
const QColor red(200, 30, 30);

void sheet(QPainter &p, const QColor &fill)
{
    const QPainterPath path =
        closedPath({QPointF(5, 2), QPointF(15, 2), QPointF(20, 7), QPointF(20, 22), QPointF(5, 22)});
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

void drawEdit(QPainter &p)
{
    // The sheet, with its corner turned down and lines of text.
    const QPainterPath sheet =
        closedPath({QPointF(5, 3), QPointF(19, 3), QPointF(25, 9), QPointF(25, 29), QPointF(5, 29)});
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(210, 210, 210));
    p.drawPolygon(QPolygonF({QPointF(19, 3), QPointF(19, 9), QPointF(25, 9)}));
    p.setPen(QPen(QColor(70, 110, 180), 1.5));
    for (int y = 13; y <= 25; y += 4)
        p.drawLine(QPointF(8, y), QPointF(y < 20 ? 22 : 15, y));

    // The pencil, lying across the sheet's lower right corner.
    p.save();
    p.translate(23, 19);
    p.rotate(-45);
    p.setPen(QPen(QColor(60, 40, 10), 0.8));
    p.setBrush(QColor(245, 190, 40));
    p.drawRect(QRectF(-10, -2.5, 15, 5));
    p.setBrush(QColor(235, 120, 140));
    p.drawRect(QRectF(5, -2.5, 4, 5));
    p.setBrush(QColor(240, 215, 170));
    p.drawPolygon(QPolygonF({QPointF(-10, -2.5), QPointF(-15, 0), QPointF(-10, 2.5)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(-13, -1), QPointF(-15, 0), QPointF(-13, 1)}));
    p.restore();
}

void drawAbout(QPainter &p)
{
    QRadialGradient disc(QPointF(13, 11), 16);
    disc.setColorAt(0, QColor(110, 170, 240));
    disc.setColorAt(1, QColor(20, 70, 160));
    p.setPen(QPen(QColor(15, 50, 120), 1));
    p.setBrush(disc);
    p.drawEllipse(QRectF(3, 3, 26, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7.5, 4, 4));
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
}

void drawExit(QPainter &p)
{
    // The door frame and the door swung open towards the viewer.
    p.setPen(QPen(QColor(70, 45, 20), 1));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(14, 3, 14, 26));
    p.setBrush(QColor(175, 115, 55));
    p.drawPolygon(QPolygonF({QPointF(14, 3), QPointF(22, 6), QPointF(22, 31), QPointF(14, 29)}));
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QRectF(19, 16, 2, 2));

    // The arrow going out to the left.
    p.setPen(QPen(QColor(20, 100, 30), 1));
    p.setBrush(QColor(50, 170, 60));
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

QIcon editFile()
{
    return icon({large, drawEdit});
}

QIcon createFile()
{
    return icon({small, [](QPainter &p) {
                     sheet(p, paper);
                     p.setPen(QPen(ink, 1));
                     for (int y = 10; y <= 14; y += 2)
                         p.drawLine(QPointF(8, y), QPointF(14, y));
                     p.setPen(QPen(green, 3, Qt::SolidLine, Qt::FlatCap));
                     p.drawLine(QPointF(17, 13), QPointF(17, 23));
                     p.drawLine(QPointF(12, 18), QPointF(22, 18));
                 }});
}

QIcon webSite()
{
    return icon({small, [](QPainter &p) {
                     disc(p, QColor(90, 160, 230));
                     p.setPen(QPen(paper, 1.2));
                     p.setBrush(Qt::NoBrush);
                     p.drawEllipse(QRectF(8, 2.5, 8, 19));
                     p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
                     p.drawLine(QPointF(2.5, 12), QPointF(21.5, 12));
                     p.drawLine(QPointF(4.5, 7.5), QPointF(19.5, 7.5));
                     p.drawLine(QPointF(4.5, 16.5), QPointF(19.5, 16.5));
                 }});
}

QIcon spreadsheet()
{
    return icon({small, [](QPainter &p) {
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
                 }});
}

QIcon modify()
{
    return icon({small, [](QPainter &p) {
                     p.setPen(QPen(ink, 1.5));
                     p.drawLine(QPointF(3, 21.5), QPointF(21, 21.5));
                     const QPainterPath pencil =
                         closedPath({QPointF(5, 19), QPointF(6.5, 14), QPointF(17, 3.5), QPointF(20.5, 7),
                                     QPointF(10, 17.5)});
                     p.setPen(QPen(ink, 1.1));
                     p.setBrush(QColor(240, 190, 40));
                     p.drawPath(pencil);
                     p.setBrush(ink);
                     p.drawPolygon(QPolygonF({QPointF(5, 19), QPointF(6, 16), QPointF(8, 18)}));
                 }});
}

QIcon remove()
{
    return icon({small, [](QPainter &p) {
                     p.setPen(QPen(red, 4, Qt::SolidLine, Qt::RoundCap));
                     p.drawLine(QPointF(5, 5), QPointF(19, 19));
                     p.drawLine(QPointF(19, 5), QPointF(5, 19));
                 }});
}

QIcon codes()
{
    return icon({small, [](QPainter &p) {
                     sheet(p, paper);
                     p.setPen(QPen(blue, 1.5));
                     for (int y = 9; y <= 18; y += 3) {
                         p.drawLine(QPointF(7.5, y), QPointF(9.5, y));
                         p.drawLine(QPointF(11, y), QPointF(17.5, y));
                     }
                 }});
}

QIcon massive()
{
    return icon({small, [](QPainter &p) {
                     p.setPen(QPen(ink, 1.5));
                     for (int y = 5; y <= 19; y += 4)
                         p.drawLine(QPointF(3, y), QPointF(12, y));
                     p.setPen(QPen(blue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                     p.drawLine(QPointF(17, 4), QPointF(17, 20));
                     p.drawPolyline(QPolygonF({QPointF(14, 16.5), QPointF(17, 20), QPointF(20, 16.5)}));
                     p.drawPolyline(QPolygonF({QPointF(14, 7.5), QPointF(17, 4), QPointF(20, 7.5)}));
                 }});
}

QIcon secondContract()
{
    return icon({small, [](QPainter &p) {
                     const auto figure = [&p](qreal x, const QColor &colour) {
                         p.setPen(QPen(colour.darker(140), 1));
                         p.setBrush(colour);
                         p.drawEllipse(QRectF(x + 2.5, 4, 5, 5));
                         p.drawRoundedRect(QRectF(x, 10, 10, 11), 3, 3);
                     };
                     figure(2, QColor(120, 120, 120));
                     figure(12, blue);
                 }});
}

QIcon observations()
{
    return icon({small, [](QPainter &p) {
                     sheet(p, paper);
                     // A marked cell on the middle line, as the grid tints one.
                     p.setPen(Qt::NoPen);
                     p.setBrush(QColor(250, 190, 70));
                     p.drawRect(QRectF(10.5, 11.5, 7, 4));
                     p.setPen(QPen(ink, 1));
                     for (qreal y = 9; y <= 18; y += 4.5) {
                         p.drawLine(QPointF(7.5, y), QPointF(9.5, y));
                         p.drawLine(QPointF(11, y), QPointF(17.5, y));
                     }
                     // The warning sign at the corner.
                     p.setPen(QPen(red, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                     p.setBrush(QColor(250, 210, 60));
                     p.drawPolygon(QPolygonF({QPointF(17, 13.5), QPointF(23, 23), QPointF(11, 23)}));
                     p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
                     p.drawLine(QPointF(17, 17), QPointF(17, 19.5));
                     p.drawPoint(QPointF(17, 21.5));
                 }});
}

QIcon help()
{
    return icon({small, [](QPainter &p) {
                     disc(p, blue);
                     letter(p, QStringLiteral("?"), paper);
                 }});
}

QIcon about()
{
    return icon({large, drawAbout});
}

QIcon exit()
{
    return icon({large, drawExit});
}

QPixmap serviceLogo()
{
    const QSize size(141, 42);
    QPixmap pixmap(size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLogo(painter, size);
    return pixmap;
}

} // namespace pictures
