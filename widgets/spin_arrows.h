#pragma once

#include <QWidget>

class QToolButton;

namespace ulvane {

// A vertical pair of arrows that reports a click on each arrow as its own event. Its
// value is what the owner reads at each click; clicking does not move it, so a
// paging step stays the same on every click.
class SpinArrows : public QWidget
{
    Q_OBJECT

public:
    explicit SpinArrows(int value, QWidget *parent = nullptr);

    int value() const { return m_value; }

signals:
    void upClicked();
    void downClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
    int m_value;
};

} // namespace ulvane
