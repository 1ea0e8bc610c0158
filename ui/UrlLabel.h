#pragma once
// A web link: red, underlined, hand cursor; a left click opens the address with the desktop's
// default handler, and the link turns purple once an open succeeded.

#include <QLabel>
#include <QUrl>

namespace orvandel {

class TUrlLabel : public QLabel {
    Q_OBJECT
  public:
    // Shows `address` without its scheme and trailing slash.
    explicit TUrlLabel(const QUrl& address, QWidget* parent = nullptr);

    const QUrl& Address() const { return FAddress; }
    bool Visited() const { return FVisited; }
    // Opens the address; true when the desktop accepted it.
    bool Open();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetColor(const QColor& color);
    QUrl FAddress;
    bool FVisited = false;
};

}  // namespace orvandel
