// The About window: name, version, two links and a description.
#pragma once

#include <QDialog>

struct TSharedBitmaps;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Creation uses AboutBitmap, OkUpBitmap and OkDownBitmap.
    explicit TAboutBox(const TSharedBitmaps& bitmaps, QWidget* parent = nullptr);
    // Shows the window modally; returns when it closes (result 1).
    int ShowModal();

private:
    const TSharedBitmaps& bitmaps_;
};
