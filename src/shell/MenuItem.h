// A command of the menu: a caption, an enabled flag and a handler.
// Code that wants a command performed clicks its item, and a click on a
// disabled item does nothing at all.
#pragma once

#include <QObject>
#include <QString>

class TMenuItem : public QObject {
    Q_OBJECT
public:
    explicit TMenuItem(QString caption, QObject* parent = nullptr)
        : QObject(parent), caption_(std::move(caption)) {}

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Runs the handler if, and only if, the item is enabled now.
    void Click() {
        if (enabled_) emit OnClick();
    }

signals:
    void OnClick();

private:
    QString caption_;
    bool enabled_ = true;
};
