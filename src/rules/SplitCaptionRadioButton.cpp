#include "SplitCaptionRadioButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

SplitCaptionRadioButton::SplitCaptionRadioButton(const QString& start, int spaces,
                                                 const QString& end, int endX, QWidget* parent)
    : QRadioButton(start + QString(spaces, u' ') + end, parent), m_start(start), m_end(end),
      m_endX(endX)
{}

void SplitCaptionRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = m_start;
    painter.drawControl(QStyle::CE_RadioButton, option);

    QRect endPlace = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    endPlace.setLeft(m_endX);
    painter.drawItemText(endPlace, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), m_end,
                         QPalette::WindowText);
}
