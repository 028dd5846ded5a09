#pragma once

#include <QLabel>

namespace ulvane {

// A caption that acts on a mouse click, like a hyperlink: it reports clicks only
// while visible and enabled, is greyed while disabled, and never takes the keyboard
// focus, so clicking it leaves the focus (and any pending range check) where it was.
// Screen readers see it as a link with a press action.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &caption, const QColor &colour, const QFont &font,
              QWidget *parent = nullptr);

    // What a click does: reports it while visible and enabled. Shortcuts and the
    // accessibility press action come here too.
    void press();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace ulvane
