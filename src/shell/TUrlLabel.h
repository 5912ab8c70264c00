// A link label: its caption drawn underlined in the unvisited colour with a
// hand cursor. A left click hands the URL to the desktop; only when the
// desktop accepts it does the label turn to the visited colour, and it stays
// visited for as long as the label lives.
#pragma once

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>

class TUrlLabel : public QWidget {
    Q_OBJECT
public:
    explicit TUrlLabel(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);  // fits the label to the text
    const QString& Caption() const { return caption_; }
    void SetUrl(const QUrl& url) { url_ = url; }
    const QUrl& Url() const { return url_; }
    bool Visited() const { return visited_; }
    QColor TextColor() const { return visited_ ? VisitedColor : UnvisitedColor; }

    QColor UnvisitedColor{60, 60, 120};
    QColor VisitedColor{130, 95, 70};
    QSize sizeHint() const override;

signals:
    void Opened();  // the desktop accepted the URL

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QUrl url_;
    bool visited_ = false;
    bool pressed_ = false;
};
