#pragma once
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

/// A line drawn by its picture box, with end points in twips.
class LineItem : public QObject {
    Q_OBJECT
public:
    LineItem(QObject* box, const QString& name, QColor colour, int x1, int y1, int x2, int y2);
    QColor colour;
    int X1, Y1, X2, Y2;
};

/// A picture box: a silver panel that draws its lines and reports resizes.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, const QString& name, int heightTwips);
    LineItem* line(const QString& name) const;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
};

/// A toolbar button made of images: shows its pressed picture while any mouse
/// button is held on it and its released picture after. A real button, so that
/// the keyboard and assistive technology can press it.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(QWidget* parent, const QString& name, const QLabel* pressed, const QLabel* released);
    /// The picture it shows now.
    QPixmap pixmap() const { return isDown() ? pressed_->pixmap() : current_; }
    QSize sizeHint() const override { return current_.size(); }
    /// Presses the command a menu entry also runs: a click triggers it, and
    /// the button shows and works only while the command does.
    void BindTo(QAction* command);
    /// A caption drawn over the one the pictures carry, in the player's language.
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    const QLabel* pressed_;
    const QLabel* released_;
    QPixmap current_;
    QString caption_;
};
