#include "PictureBox.h"
#include "ui/Twips.h"
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

void ImageButton::BindTo(QAction* command)
{
    connect(this, &QAbstractButton::clicked, command, &QAction::trigger);
    auto follow = [this, command] {
        setVisible(command->isVisible());
        setEnabled(command->isEnabled());
    };
    connect(command, &QAction::changed, this, follow);
    follow();
}

void ImageButton::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap picture = pixmap();
    p.drawPixmap(0, 0, picture);
    if (!caption_.isEmpty() && !picture.isNull()) {
        // The pictures' own caption is English, in the band at their foot.
        const QRect band(3, picture.height() - 16, picture.width() - 6, 13);
        p.fillRect(band, picture.toImage().pixelColor(4, picture.height() - 6));
        QFont f = font();
        f.setPixelSize(10);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(band, Qt::AlignCenter, p.fontMetrics().elidedText(caption_, Qt::ElideRight, band.width()));
    }
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
