#include "media/MediaDisplayArea.h"

#include <QPainter>

#include <algorithm>

void MediaStatusPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1f, 0x23, 0x26));
    p.setPen(QColor(0x44, 0x4a, 0x50));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    const int line = lineHeight();
    const QRect inner = rect().adjusted(kPad + 2, 1, -(kPad + 2), -1);
    const bool twoLines = inner.height() >= 2 * line;
    // Both lines, or the one, centred vertically.
    const int top = inner.top() + (inner.height() - (twoLines ? 2 * line : line)) / 2;

    const QColor text(0xe8, 0xea, 0xed);
    const QColor dim(0x9a, 0xa0, 0xa6);
    const QColor error(0xff, 0x8a, 0x80);
    const QFontMetrics fm(font());

    const int timeWidth = m_time.isEmpty() ? 0 : fm.horizontalAdvance(m_time) + 8;
    const QRect firstLine(inner.left(), top, inner.width(), line);
    p.setPen(dim);
    p.drawText(firstLine, Qt::AlignRight | Qt::AlignVCenter, m_time);

    const QRect firstText = firstLine.adjusted(0, 0, -timeWidth, 0);
    const QRect statusRect = twoLines ? QRect(inner.left(), top + line, inner.width(), line) : firstText;
    if (twoLines) {
        p.setPen(text);
        p.drawText(firstText, Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(m_title, Qt::ElideMiddle, firstText.width()));
    }
    p.setPen(m_isError ? error : (twoLines ? dim : text));
    p.drawText(statusRect, Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(m_status, Qt::ElideRight, statusRect.width()));
}

void MediaDisplayArea::relayout()
{
    const QRect all = rect();
    if (!m_videoShown) {
        m_video->hide();
        m_panel->setGeometry(all);
        return;
    }
    const int panelHeight = m_panel->sizeHint().height();
    if (all.height() >= 3 * panelHeight) {
        m_video->setGeometry(all.x(), all.y(), all.width(), all.height() - panelHeight - 2);
        m_panel->setGeometry(all.x(), all.bottom() - panelHeight + 1, all.width(), panelHeight);
    } else {
        const int videoWidth = std::min(int(all.height() * m_aspect + 0.5), all.width() / 2);
        m_video->setGeometry(all.x(), all.y(), videoWidth, all.height());
        m_panel->setGeometry(all.x() + videoWidth + 2, all.y(), all.width() - videoWidth - 2, all.height());
    }
    m_video->show();
}
