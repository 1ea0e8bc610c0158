#include "ui/UrlLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

#include "ui/Colors.h"

namespace orvandel {

TUrlLabel::TUrlLabel(const QUrl& address, const QString& caption, QWidget* parent)
    : QLabel(parent), FAddress(address) {
    setText(!caption.isEmpty()
                ? caption
                : address.host() + (address.path() == u"/" ? QString() : address.path()));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setToolTip(address.toDisplayString(QUrl::PreferLocalFile));
    SetColor(CurrentDayRed);
}

void TUrlLabel::SetColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

bool TUrlLabel::Open() {
    if (!QDesktopServices::openUrl(FAddress)) {
        return false;
    }
    FVisited = true;
    SetColor(VisitedLinkPurple);
    return true;
}

void TUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace orvandel
