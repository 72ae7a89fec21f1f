#include "PictureBox.h"
#include "app/kit/Twips.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

LineItem::LineItem(QObject* box, const QString& name, QColor c, int x1, int y1, int x2, int y2)
    : QObject(box), colour(c), X1(x1), Y1(y1), X2(x2), Y2(y2)
{
    setObjectName(name);
}

PictureBox::PictureBox(QWidget* parent, const QString& name, int heightTwips) : QWidget(parent)
{
    setObjectName(name);
    Twips::SetBackground(this, Twips::kSilver);
    setFixedHeight(Twips::ToPixels(heightTwips));
}

LineItem* PictureBox::line(const QString& name) const { return findChild<LineItem*>(name, Qt::FindDirectChildrenOnly); }

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (const LineItem* l : findChildren<LineItem*>(QString(), Qt::FindDirectChildrenOnly)) {
        p.setPen(QPen(l->colour, 1));
        p.drawLine(QPoint(l->X1 / Twips::kPerPixel, l->Y1 / Twips::kPerPixel),
            QPoint(l->X2 / Twips::kPerPixel, l->Y2 / Twips::kPerPixel));
    }
}

void PictureBox::resizeEvent(QResizeEvent*) { emit resized(); }

ImageButton::ImageButton(QWidget* parent, const QString& name, const QLabel* pressed, const QLabel* released)
    : QAbstractButton(parent), pressed_(pressed), released_(released), current_(released->pixmap())
{
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, pixmap());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ImageButton::mousePressEvent(QMouseEvent* e)
{
    current_ = pressed_->pixmap();
    update();
    if (e->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(e);
    else
        e->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e)
{
    current_ = released_->pixmap();
    update();
    if (e->button() == Qt::LeftButton)
        QAbstractButton::mouseReleaseEvent(e);
    else
        e->accept();
}

void ImageButton::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(e);
}

namespace Artwork {

QPixmap Toolbar(Picture pic, bool pressed)
{
    const int w = 55, h = 47;
    QPixmap pm(w, h);
    pm.fill(Twips::kSilver);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Bevel: raised when released, sunken when pressed.
    const QColor light = Qt::white, dark = Twips::Colour(0x00808080), black = Qt::black;
    p.setPen(pressed ? dark : light);
    p.drawLine(0, 0, w - 2, 0);
    p.drawLine(0, 0, 0, h - 2);
    p.setPen(pressed ? light : black);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    if (!pressed) {
        p.setPen(dark);
        p.drawLine(1, h - 2, w - 2, h - 2);
        p.drawLine(w - 2, 1, w - 2, h - 2);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(pressed ? 1 : 0, pressed ? 1 : 0);
    QString caption;
    const QRectF icon(17, 5, 21, 24);
    switch (pic) {
    case Picture::New: {
        caption = QStringLiteral("New");
        QPainterPath page;
        page.moveTo(icon.left() + 2, icon.top());
        page.lineTo(icon.right() - 5, icon.top());
        page.lineTo(icon.right() - 1, icon.top() + 4);
        page.lineTo(icon.right() - 1, icon.bottom());
        page.lineTo(icon.left() + 2, icon.bottom());
        page.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.setPen(QPen(Twips::Colour(0x00008000), 1.5));
        for (int i = 0; i < 4; ++i)
            p.drawLine(
                QPointF(icon.left() + 5, icon.top() + 7 + 4 * i), QPointF(icon.right() - 4, icon.top() + 7 + 4 * i));
        break;
    }
    case Picture::Trade: {
        caption = QStringLiteral("Trade");
        p.setPen(Qt::NoPen);
        p.setBrush(Twips::Colour(0x00008000));
        p.drawPolygon(QPolygonF({{icon.left() + 5, icon.top()}, {icon.left() + 11, icon.top() + 9},
            {icon.left() + 7.5, icon.top() + 9}, {icon.left() + 7.5, icon.bottom()}, {icon.left() + 2.5, icon.bottom()},
            {icon.left() + 2.5, icon.top() + 9}, {icon.left() - 1, icon.top() + 9}}));
        p.setBrush(Twips::Colour(0x000000C0));
        p.drawPolygon(QPolygonF({{icon.right() - 5, icon.bottom()}, {icon.right() + 1, icon.bottom() - 9},
            {icon.right() - 2.5, icon.bottom() - 9}, {icon.right() - 2.5, icon.top()}, {icon.right() - 7.5, icon.top()},
            {icon.right() - 7.5, icon.bottom() - 9}, {icon.right() - 11, icon.bottom() - 9}}));
        break;
    }
    case Picture::Chart: {
        caption = QStringLiteral("Chart");
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawRect(icon.adjusted(-3, 0, 3, 0));
        p.setPen(QPen(Twips::Colour(0x00C00000), 2));
        p.drawPolyline(QPolygonF({{icon.left(), icon.bottom() - 4}, {icon.left() + 6, icon.bottom() - 11},
            {icon.left() + 11, icon.bottom() - 7}, {icon.left() + 17, icon.top() + 5},
            {icon.right(), icon.top() + 3}}));
        break;
    }
    case Picture::Balance: {
        caption = QStringLiteral("Balance");
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Twips::Colour(0x0000C0E0));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QRectF(icon.left() + 1, icon.bottom() - 8 - 5 * i, 19, 7));
        break;
    }
    }
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 31, w - 1, 13), Qt::AlignCenter, caption);
    return pm;
}

} // namespace Artwork
