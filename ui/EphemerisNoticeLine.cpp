#include "ui/EphemerisNoticeLine.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <QWidget>

#include "ephemeris/fn_Ephemeris.h"
#include "ui/Translations.h"

namespace orvandel {

namespace {
const QColor NoticeColor(0xA0, 0x00, 0x00);  // dark red: a fault of the installation
}  // namespace

QLabel* ShowEphemerisNotice(QWidget* form, const QLabel* footnote, const QGroupBox* group,
                            const QString& windowNotice) {
    const QString name = QStringLiteral("lblEphemerisNotice");
    auto* label = form->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    QString text = QString::fromStdString(EphemerisNotice());
    if (!windowNotice.isEmpty()) {
        text = text.isEmpty() ? windowNotice : text + QStringLiteral("  ") + windowNotice;
    }
    if (text.isEmpty()) {
        if (label != nullptr) {
            label->hide();
        }
        return label;
    }
    // Placed again each time, also with the same text: the window mirrors its controls after
    // the first call, where it reads right to left.
    if (label == nullptr) {
        label = new QLabel(form);
        label->setObjectName(name);
        label->setFont(footnote->font());
        label->setAttribute(Qt::WA_TranslucentBackground);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, NoticeColor);
        label->setPalette(palette);
    }
    label->setToolTip(text);
    // Right of the group's caption, on its row: the band between the footnote and the group is
    // too low for a line of text.
    constexpr int gap = 12;  // pixels between the caption and the notice
    // Measured as the window lays out for left to right, and mirrored where it reads right to
    // left (the caption at the group's right, the notice left of it).
    const Qt::LayoutDirection direction = form->layoutDirection();
    const QRect box = QStyle::visualRect(direction, form->rect(), group->geometry());
    const int left =
        box.left() + QFontMetrics(group->font()).horizontalAdvance(group->title()) + gap;
    const int width = box.right() + 1 - left;
    const QFontMetrics metrics(label->font());
    // The notice names files and sources in English; a translated window says what happened in
    // its language and leaves the English details to the tool tip.
    const QString shown =
        UiTranslated()
            ? QCoreApplication::translate("orvandel::EphemerisNotice",
                                          "An ephemeris source failed its check (details in the "
                                          "tool tip, in English)")
            : text;
    label->setText(metrics.elidedText(shown, Qt::ElideRight, width));
    label->setGeometry(QStyle::visualRect(direction, form->rect(),
                                          QRect(left, box.top(), width, metrics.height())));
    label->raise();
    label->show();  // a line added after the window was shown
    return label;
}

}  // namespace orvandel
