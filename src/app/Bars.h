#pragma once
// The pieces of the main window's bars: a silver panel, and the toolbar's
// picture buttons.
#include <QAbstractButton>
#include <QAction>
#include <QPixmap>
#include <QWidget>

/// A silver panel with a line at its edge: the toolbar's and the status bar's ground.
class BarPanel : public QWidget {
    Q_OBJECT
public:
    BarPanel(QWidget* parent, const QString& name, Qt::Edge line);
    /// Draws a sunken frame around each group of its children, as wide as they stand.
    void Frame(std::initializer_list<QList<QWidget*>> groups) { framed_ = groups; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Qt::Edge line_;
    QList<QList<QWidget*>> framed_;
};

/// A toolbar button made of pictures: shows its pressed picture while any
/// mouse button is held on it and its released picture after. A real button,
/// so that the keyboard and assistive technology can press it.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(QWidget* parent, const QString& name, const QPixmap& pressed, const QPixmap& released);
    /// The picture it shows now.
    QPixmap pixmap() const { return isDown() ? pressed_ : current_; }
    QSize sizeHint() const override;
    /// Presses the command a menu entry also runs: a click triggers it, and
    /// the button shows and works only while the command does.
    void BindTo(QAction* command);
    /// A caption under the picture, in the application's font, for a language
    /// other than the one the pictures carry; the picture's own word is left out.
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QPixmap pressed_, released_, current_;
    QString caption_;
};
