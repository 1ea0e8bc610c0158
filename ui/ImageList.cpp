#include "ui/ImageList.h"

#include <QPainter>
#include <stdexcept>

// Registers the digit resources compiled into this static library; Q_INIT_RESOURCE must be
// used outside any namespace.
static void InitDigitResources() {
    Q_INIT_RESOURCE(digits);
}

namespace orvandel {

TImageList::TImageList(const QString& colour, bool easternDigits) {
    InitDigitResources();
    for (int i = 0; i < Count; ++i) {
        const bool eastern = easternDigits && i >= 4 && i <= 6;
        const QString path = QStringLiteral(":/digits/%1_%2%3.png")
                                 .arg(colour, eastern ? QStringLiteral("eastern_") : QString())
                                 .arg(i);
        QPixmap image(path);
        if (image.isNull() || image.width() != Width || image.height() != Height) {
            throw std::runtime_error("TImageList: digit image " + path.toStdString() +
                                     " missing or not 10 x 16");
        }
        FImages[i] = image;
    }
}

int TImageList::IndexOf(QChar c) {
    if (c >= u'0' && c <= u'9') {
        return c.unicode() - u'0';
    }
    return c == u':' ? 10 : c == u'-' ? 11 : -1;
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const {
    if (index < 0 || index >= Count) {
        return;
    }
    painter.drawPixmap(x, y, FImages[index]);
}

}  // namespace orvandel
