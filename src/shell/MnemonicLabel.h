// A transparent text label sized to its text that draws "&x" as an
// underlined x and "&&" as one '&', as the window library's labels do.
#pragma once

#include <QString>
#include <QWidget>

class TMnemonicLabel : public QWidget {
    Q_OBJECT
public:
    explicit TMnemonicLabel(QWidget* parent = nullptr);

    // Sets the text and fits the label to it.
    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString caption_;
};
