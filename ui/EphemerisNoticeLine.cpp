#include "ui/EphemerisNoticeLine.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

#include "ephemeris/fn_Ephemeris.h"

namespace orvandel {

namespace {
const QColor NoticeColor(0xA0, 0x00, 0x00);  // dark red: a fault of the installation
}  // namespace

QLabel* AddEphemerisNoticeLine(QWidget* form, const QLabel* footnote) {
    const QString text = QString::fromStdString(EphemerisNotice());
    if (text.isEmpty()) {
        return nullptr;
    }
    auto* label = new QLabel(text, form);
    label->setObjectName(QStringLiteral("lblEphemerisNotice"));
    label->setFont(footnote->font());
    label->setToolTip(text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, NoticeColor);
    label->setPalette(palette);
    // One line, clipped at the window's edge like the footnote; the tool tip holds the rest.
    const QRect above = footnote->geometry();
    label->setGeometry(above.left(), above.bottom() + 1, form->width() - above.left(),
                       label->sizeHint().height());
    label->raise();
    return label;
}

}  // namespace orvandel
