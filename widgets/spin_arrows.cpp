#include "widgets/spin_arrows.h"

#include <QToolButton>

namespace ulvane {

namespace {

// An arrow has no caption; screen readers name it by its direction.
QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, const QString &spokenName, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setObjectName(name);
    button->setAccessibleName(spokenName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    return button;
}

} // namespace

SpinArrows::SpinArrows(int value, QWidget *parent)
    : QWidget(parent)
    , m_up(arrowButton(Qt::UpArrow, QStringLiteral("up"), QStringLiteral("Вверх"), this))
    , m_down(arrowButton(Qt::DownArrow, QStringLiteral("down"), QStringLiteral("Вниз"), this))
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
