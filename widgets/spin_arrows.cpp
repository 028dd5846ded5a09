#include "widgets/spin_arrows.h"

#include <QToolButton>

namespace ulvane {

namespace {

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

SpinArrows::SpinArrows(int value, QWidget *parent)
    : QWidget(parent)
    , m_up(arrowButton(Qt::UpArrow, QStringLiteral("up"), this))
    , m_down(arrowButton(Qt::DownArrow, QStringLiteral("down"), this))
    , m_value(value)
{
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::upClicked);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::downClicked);
}

void SpinArrows::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

} // namespace ulvane
