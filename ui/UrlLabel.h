#pragma once
// A link: red, underlined, hand cursor; a left click opens the address with the desktop's
// default handler (a browser, a text viewer for a file), and the link turns purple once an
// open succeeded.

#include <QLabel>
#include <QUrl>

namespace orvandel {

class TUrlLabel : public QLabel {
    Q_OBJECT
  public:
    // Shows `caption`, or `address` without its scheme and trailing slash when the caption is
    // empty; the tool tip names the address.
    explicit TUrlLabel(const QUrl& address, const QString& caption = {}, QWidget* parent = nullptr);

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
