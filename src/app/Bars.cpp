#include "Bars.h"
#include "ui/Look.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
/// The band at the pictures' foot that holds their English word.
constexpr int kWordBand = 16;
} // namespace

BarPanel::BarPanel(QWidget* parent, const QString& name, Qt::Edge line) : QWidget(parent), line_(line)
{
    setObjectName(name);
    Look::Silver(this);
}

void BarPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(Look::Colour(0x00808080));
    const int y = line_ == Qt::TopEdge ? 0 : height() - 1;
    p.drawLine(0, y, width(), y);
    for (const QList<QWidget*>& group : std::as_const(framed_)) {
        QRect r;
        for (const QWidget* w : group)
            r = r.united(w->geometry());
        r.adjust(-3, -2, 2, 1);
        p.setPen(Look::Colour(0x00808080)); // lit from the top left: a sunken panel
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(Look::Colour(0x00FFFFFF));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

ImageButton::ImageButton(QWidget* parent, const QString& name, const QPixmap& pressed, const QPixmap& released)
    : QAbstractButton(parent), pressed_(pressed), released_(released), current_(released)
{
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize ImageButton::sizeHint() const
{
    if (caption_.isEmpty())
        return current_.size();
    const QFontMetrics fm = fontMetrics();
    return {std::max(current_.width(), fm.horizontalAdvance(caption_) + 8),
        current_.height() - kWordBand + fm.height() + 4};
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
    updateGeometry();
    update();
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPixmap picture = pixmap();
    const int left = (width() - picture.width()) / 2;
    if (caption_.isEmpty()) {
        p.drawPixmap(left, 0, picture);
    } else {
        // The picture without the band of its word, its frame's foot kept; the caption under it.
        const int kept = picture.height() - kWordBand, foot = 2;
        p.drawPixmap(left, 0, picture, 0, 0, picture.width(), kept - foot);
        p.drawPixmap(left, kept - foot, picture, 0, picture.height() - foot, picture.width(), foot);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(0, kept, width(), height() - kept), Qt::AlignCenter, caption_);
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ImageButton::mousePressEvent(QMouseEvent* e)
{
    current_ = pressed_;
    update();
    if (e->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(e);
    else
        e->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* e)
{
    current_ = released_;
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
