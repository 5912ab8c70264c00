// The About window: name, version, two links and a description.
//
// Its controls carry the names of the window layout as object names
// (AboutImage, CloseImage, Image1, Label9, Label10, RzURLLabel4, RzURLLabel1,
// LabHomePage, LabEmail, OKButton, Memo1).
#pragma once

#include <QDialog>

struct TSharedBitmaps;
class TClosePicture;
class QPlainTextEdit;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    // Creation uses AboutBitmap, OkUpBitmap and OkDownBitmap.
    explicit TAboutBox(const TSharedBitmaps& bitmaps, QWidget* parent = nullptr);
    // Shows the window modally; returns when it closes (result 1).
    int ShowModal();

private:
    void FormCreate();
    void CreatePictures();
    void CreateCaptions();
    void CreateLinks();
    void CreateMemo();

    const TSharedBitmaps& bitmaps_;
    TClosePicture* closeImage_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};
